#!/usr/bin/env bash
# Installs the build into a fresh prefix with `cmake --install` and fails unless the prefix holds
# exactly the files a Linux desktop install should: the programs, the help file, the desktop
# entry, the AppStream metainfo, the icons and the licence. Nothing missing, nothing more.
#
#   install_tree.sh CMAKE BUILD_DIR PREFIX BINDIR DATADIR VERSION [HELP_FILE...]
# HELP_FILE: each help file besides the English one, relative to the data folder's help
# folder, e.g. de/Plovari.hlp.
set -euo pipefail
cmake="$1"
build="$2"
prefix="$3"
bindir="$4"
datadir="$5"
version="$6"
shift 6
id=org.example.Plovari

rm -rf "$prefix"
"$cmake" --install "$build" --prefix "$prefix" >/dev/null

expected=(
    "$bindir/plovari"
    "$bindir/plovari-help"
    "$datadir/plovari/Plovari.hlp"
    "$datadir/applications/$id.desktop"
    "$datadir/metainfo/$id.metainfo.xml"
    "$datadir/icons/hicolor/scalable/apps/$id.svg"
    "$datadir/doc/plovari/LICENSE"
)
for help in "$@"; do
    expected+=("$datadir/plovari/$help")
done
for size in 16 32 48 64 128; do
    expected+=("$datadir/icons/hicolor/${size}x${size}/apps/$id.png")
done

status=0
if ! diff -u --label expected --label installed \
        <(printf '%s\n' "${expected[@]}" | sort) \
        <(cd "$prefix" && find . -type f -printf '%P\n' | sort); then
    echo "the installed tree differs from the expected one (above)" >&2
    status=1
fi
for program in "$bindir/plovari" "$bindir/plovari-help"; do
    if [[ -e "$prefix/$program" && ! -x "$prefix/$program" ]]; then
        echo "$program is installed without execute permission" >&2
        status=1
    fi
done
# The software centre shows the newest release: it must be the one being installed.
metainfo="$prefix/$datadir/metainfo/$id.metainfo.xml"
if [[ -f "$metainfo" ]] && ! grep -q "<release version=\"$version\"" "$metainfo"; then
    echo "$metainfo has no release entry for version $version" >&2
    status=1
fi
if ((status == 0)); then
    echo "installed ${#expected[@]} files into $prefix"
fi
exit "$status"
