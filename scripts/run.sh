#!/usr/bin/env bash
# Starts the game, or explains how to when there is no display to show it on.
set -euo pipefail
game="$1"

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
    cat >&2 <<TXT
Plovari is built ($game), but there is no display to open its window on:
neither DISPLAY nor WAYLAND_DISPLAY is set.

Run it on a desktop session, or under a virtual X server:
    scripts/setup.sh --display         # installs Xvfb
    xvfb-run -a -s '-screen 0 1024x768x24' $game
TXT
    exit 1
fi
exec "$game"
