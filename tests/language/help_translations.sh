#!/usr/bin/env bash
# Fails unless the help's template is current with the English help and every shipped
# language's catalogue translates all of its units, none fuzzy.
#
#   help_translations.sh PO4A PO4A_CONFIG HELP_SOURCE_DIR LANGUAGE...
set -euo pipefail
po4a="$1"
config="$2"
help_dir="$3"
shift 3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The template as po4a makes it now from the English help, in a folder of the test's own.
# --force: without it po4a writes nothing when the catalogues are newer than the help.
"$po4a" --force --no-translations --quiet --srcdir "$help_dir" --destdir "$work" "$config" >/dev/null
template="$work/po/plovari-help.pot"

status=0
if ! msgcmp --use-untranslated "$help_dir/po/plovari-help.pot" "$template" ||
    ! msgcmp --use-untranslated "$template" "$help_dir/po/plovari-help.pot"; then
    echo "assets/help/po/plovari-help.pot is out of date with Plovari.hlp (make translations)" >&2
    status=1
fi
for language in "$@"; do
    po="$help_dir/po/$language.po"
    if ! msgcmp "$po" "$template" || ! msgfmt --check-format -o /dev/null "$po"; then
        echo "$language.po leaves units of the help untranslated or fuzzy" >&2
        status=1
    fi
done
if ((status == 0)); then
    echo "the help is complete in $# languages"
fi
exit "$status"
