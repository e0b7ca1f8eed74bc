#!/usr/bin/env bash
# Fails unless every desktop translation is listed, complete and current, and carried into the
# translated desktop entry and metainfo that the build made.
#
#   desktop_translations.sh PO_DIR "LANGUAGE..." DESKTOP_ENTRY METAINFO XGETTEXT [XGETTEXT_OPTION...]
# Runs from the folder of the source desktop entry and metainfo, which XGETTEXT reads.
set -euo pipefail
po_dir="$1"
listed="$2"
entry="$3"
metainfo="$4"
shift 4
id=org.example.Plovari

status=0
count=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A template made now from the sources: a .po that lacks one of its messages is stale.
"$@" --output="$work/plovari.pot" "$id.desktop" "$id.metainfo.xml"

for language in $listed; do
    if [[ ! -e "$po_dir/$language.po" ]]; then
        echo "$language is shipped but has no $language.po" >&2
        status=1
    fi
done
for po in "$po_dir"/*.po; do
    [[ -e "$po" ]] || continue
    language=$(basename "$po" .po)
    count=$((count + 1))
    if ! grep -qw -- "$language" <<<"$listed"; then
        echo "$language.po is not a shipped language (PLOVARI_LANGUAGES), so no build uses it" >&2
        status=1
    fi
    # Every message of the sources translated, none fuzzy, and the .po well formed.
    if ! msgcmp "$po" "$work/plovari.pot" || ! msgfmt --check -o /dev/null "$po"; then
        echo "$language.po is incomplete or out of date (make desktop-pot, then translate)" >&2
        status=1
    fi
    for key in Name GenericName Comment Keywords; do
        if ! grep -q "^$key\[$language\]=" "$entry"; then
            echo "$entry has no $key[$language]" >&2
            status=1
        fi
    done
    for element in name summary p; do
        if ! grep -q "<$element xml:lang=\"$language\">" "$metainfo"; then
            echo "$metainfo has no <$element> in $language" >&2
            status=1
        fi
    done
done
if ((count == 0)); then
    echo "no translation in $po_dir" >&2
    status=1
fi
if ((status == 0)); then
    echo "$count languages complete in $entry and $metainfo"
fi
exit "$status"
