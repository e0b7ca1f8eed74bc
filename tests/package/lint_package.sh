#!/usr/bin/env bash
# Runs lintian, pedantic and with the informational tags shown, on the one package NAME_*.deb
# in FOLDER, and fails when it reports an error or a warning.
#
#   lint_package.sh LINTIAN FOLDER NAME
set -euo pipefail
lintian="$1"
folder="$2"
name="$3"

shopt -s nullglob
packages=("$folder/${name}"_*.deb)
if ((${#packages[@]} != 1)); then
    echo "expected one ${name}_*.deb in $folder, found ${#packages[@]}" >&2
    exit 1
fi
echo "lintian --pedantic ${packages[0]}"
"$lintian" --pedantic --display-info --fail-on error,warning "${packages[0]}"
echo "no error and no warning"
