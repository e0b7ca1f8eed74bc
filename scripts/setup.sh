#!/usr/bin/env bash
# Installs the Debian packages that building, testing and playing need.
# Idempotent: packages already present are left alone, and apt is not touched
# at all when nothing is missing. Runs apt-get as root, or through sudo.
#
#   scripts/setup.sh             build and test dependencies
#   scripts/setup.sh --display   also Xvfb, the screenshot tools and what bench/startup.sh uses
#   scripts/setup.sh --memcheck  also valgrind, for `make memcheck`
#   scripts/setup.sh --lint      also clang-tidy, for `make lint`
set -euo pipefail

packages=(
    g++ make cmake ninja-build pkg-config
    qt6-base-dev qt6-base-private-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    libgtest-dev libgmock-dev libbenchmark-dev libxcb1-dev
    fonts-dejavu-core fonts-noto-cjk fonts-lohit-deva clang-format
    desktop-file-utils appstream gettext po4a dpkg-dev scdoc lintian
    qt6-wayland libwayland-dev weston xvfb xdotool
    adwaita-qt6 qt6ct
)
for option in "$@"; do
    case "$option" in
    --display) packages+=(xvfb xauth xdotool imagemagick x11-utils) ;;
    --memcheck) packages+=(valgrind) ;;
    --lint) packages+=(clang-tidy) ;;
    *)
        echo "usage: $0 [--display] [--memcheck] [--lint]" >&2
        exit 2
        ;;
    esac
done

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if ((${#missing[@]} == 0)); then
    exit 0
fi

echo "Installing missing packages: ${missing[*]}"
if [[ $(id -u) -eq 0 ]]; then
    run_as_root=()
elif command -v sudo >/dev/null 2>&1; then
    run_as_root=(sudo)
else
    echo "error: these packages are missing and neither root nor sudo is available:" >&2
    echo "  ${missing[*]}" >&2
    exit 1
fi

export DEBIAN_FRONTEND=noninteractive
"${run_as_root[@]}" apt-get update -qq
"${run_as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
