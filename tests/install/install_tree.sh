#!/usr/bin/env bash
# Installs the build into a fresh prefix with `cmake --install` and fails unless the prefix holds
# exactly the files a Linux desktop install should: the programs, the help file, the manual
# pages, the desktop entry, the AppStream metainfo, the icons, the copyright and the changelog.
# Nothing missing, nothing more.
#
#   install_tree.sh CMAKE BUILD_DIR PREFIX BINDIR DATADIR MANDIR GAMEDATADIR VERSION [HELP_FILE...]
# HELP_FILE: each help file besides the English one, relative to the game's data folder,
# e.g. de/Plovari.hlp.
set -euo pipefail
cmake="$1"
build="$2"
prefix="$3"
bindir="$4"
datadir="$5"
mandir="$6"
gamedatadir="$7"
version="$8"
shift 8
id=org.example.Plovari

rm -rf "$prefix"
"$cmake" --install "$build" --prefix "$prefix" >/dev/null

expected=(
    "$bindir/plovari"
    "$bindir/plovari-help"
    "$gamedatadir/Plovari.hlp"
    "$mandir/man6/plovari.6.gz"
    "$mandir/man6/plovari-help.6.gz"
    "$datadir/applications/$id.desktop"
    "$datadir/metainfo/$id.metainfo.xml"
    "$datadir/icons/hicolor/scalable/apps/$id.svg"
    "$datadir/doc/plovari/copyright"
    "$datadir/doc/plovari/changelog.gz"
)
for help in "$@"; do
    expected+=("$gamedatadir/$help")
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
# Compressed as Debian wants it, and the changelog's newest entry is the version installed.
for file in "$mandir/man6/plovari.6.gz" "$mandir/man6/plovari-help.6.gz" \
    "$datadir/doc/plovari/changelog.gz"; do
    if [[ -f "$prefix/$file" ]] && ! gzip -t "$prefix/$file"; then
        echo "$file is not a gzip file" >&2
        status=1
    fi
done
changelog="$prefix/$datadir/doc/plovari/changelog.gz"
if [[ -f "$changelog" ]] && ! gzip -dc "$changelog" | head -n 1 | grep -q "^plovari ($version)"; then
    echo "$changelog does not begin with an entry for version $version" >&2
    status=1
fi
if ((status == 0)); then
    echo "installed ${#expected[@]} files into $prefix"
fi
exit "$status"
