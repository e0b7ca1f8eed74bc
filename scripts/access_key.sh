# Sourced by the scripts that drive the game's menus with xdotool: the access key of a menu
# caption in the language the game will show, read from that language's translation.
#   access_key "&Players"   prints the key for xdotool: "p", "s" in German, "U0627" in Arabic
# The language is the first of LANGUAGE (as in LANGUAGE=de make screenshot); English without it
# or when the language is not shipped.
access_key() {
    local caption="$1" shown="$1"
    local language="${LANGUAGE:-}"
    language="${language%%:*}"
    local ts
    ts="$(dirname "${BASH_SOURCE[0]}")/../translations/plovari_${language}.ts"
    if [[ -n "$language" && -f "$ts" ]]; then
        # The <translation> after the <source> that holds the caption, with & written as &amp;.
        local source
        source="<source>$(printf '%s' "$caption" | sed 's/&/\&amp;/g')</source>"
        shown=$(awk -v source="$source" '
            index($0, source) { found = 1 }
            found && /<translation>/ {
                sub(/.*<translation>/, ""); sub(/<\/translation>.*/, ""); print; exit
            }' "$ts")
        shown=$(printf '%s' "$shown" | sed 's/&amp;/\&/g')
    fi
    local key="${shown#*&}"
    key="${key:0:1}"
    if [[ "$key" =~ ^[[:alnum:]]$ && $(printf '%s' "$key" | wc -c) -eq 1 ]]; then
        printf '%s\n' "${key,,}"
    else
        # A letter beyond ASCII: X knows it by its code point.
        printf 'U%04X\n' "0x$(printf '%s' "$key" | iconv -f UTF-8 -t UTF-32BE | od -An -tx1 | tr -d ' \n')"
    fi
}
