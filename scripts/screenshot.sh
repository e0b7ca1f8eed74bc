#!/usr/bin/env bash
# Plays the game in a real window under Xvfb and takes pictures of it:
#   ready.png     the window as it opens
#   race.png      six players in different modes, paused mid-race
#   finished.png  the same race played to its end
#   help.png      Help > "What is this?": the help viewer at its contents
#   about.png     Help > "About Plovari" over the main window
#   menu-file.png, menu-option.png, menu-players.png, menu-finish.png, menu-help.png: each menu open
# Usage: scripts/screenshot.sh GAME OUTDIR [SCALE]   (SCALE: Qt scale factor, default 1)
# PLOVARI_SHOT_FINISH=1000 races to 1000 at the Fast pace instead of the opening race.
# LANGUAGE=de (or any shipped language) takes the pictures in that language.
# With no display set, it starts its own Xvfb.
set -euo pipefail
source "$(dirname "$0")/access_key.sh"
game="$(realpath "$1")"
outdir="$2"
scale="${3:-1}"
mkdir -p "$outdir"

if [[ -z "${PLOVARI_SHOT_INNER:-}" ]]; then
    export PLOVARI_SHOT_INNER=1
    exec xvfb-run -a -s "-screen 0 1600x1000x24" "$0" "$@"
fi

export QT_SCALE_FACTOR="$scale"
# A runtime folder of its own, so that the game's help goes to a viewer of this run, on this
# display, and not to one that the user's session may have open.
runtime="$(mktemp -d)"
export XDG_RUNTIME_DIR="$runtime"
"$game" &
pid=$!
# The help viewer runs on its own, so it is ended separately, by the id of its window's process.
help_pid=""
end_help() {
    if [[ -n "$help_pid" ]]; then
        kill "$help_pid" 2>/dev/null || true
        help_pid=""
    fi
}
trap 'kill $pid 2>/dev/null || true; end_help; rm -rf "$runtime"' EXIT

window=""
for _ in $(seq 50); do
    window=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1) && [[ -n "$window" ]] && break
    sleep 0.1
done
[[ -n "$window" ]] || { echo "the window did not open" >&2; exit 1; }
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$window")" # WIDTH, HEIGHT, X, Y
# Client pixels to screen pixels; the scale may be fractional, which shell arithmetic is not.
scaled() { awk -v value="$1" -v scale="$scale" 'BEGIN { printf "%d", value * scale + 0.5 }'; }
menu=$((HEIGHT - $(scaled 374)))                      # the menu bar above the client area

shoot() { import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$outdir/$1"; }
# Waits for a window other than the main window, found by `xdotool search` with the options
# given, and prints its id. Titles are not used: they are translated.
wait_for() {
    for _ in $(seq 50); do
        xdotool search --onlyvisible "$@" 2>/dev/null | grep -vx "$window" | head -n 1 && return
        sleep 0.1
    done
    echo "no window like $* opened" >&2
    exit 1
}
# Opens a menu by its title's access key and picks an item by its own.
menu_item() {
    xdotool key --window "$window" "alt+$(access_key "$1")" && sleep 0.2
    xdotool key "$(access_key "$2")" && sleep 0.3
}
# Clicks a point given in client pixels at 96 dpi.
click() {
    xdotool mousemove --sync $((X + $(scaled "$1"))) $((Y + menu + $(scaled "$2"))) click 1
    sleep 0.15
}
# Clicks mode button `mode` (0 Low .. 3 High) of player `slot`.
mode_boxes=(8,32 8,72 200,32 200,72 400,32 400,72)
choose_mode() {
    local box=${mode_boxes[$1]}
    click $((8 + ${box%,*} + 8 + 16 * $2 + 6)) $((224 + ${box#*,} + 16 + 6))
}

shoot ready.png

xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
# Every menu open, by its title's access key, as the player would open it.
for title in file:"&File" option:"&Option" players:"&Players" finish:"Finish &Line" help:"&Help"; do
    xdotool key --window "$window" "alt+$(access_key "${title#*:}")" && sleep 0.4
    shoot "menu-${title%%:*}.png"
    xdotool key Escape && sleep 0.2
done
menu_item "&Players" "&6"
if [[ "${PLOVARI_SHOT_FINISH:-}" == 1000 ]]; then
    # The last finish line, then the Fast pace, both by keyboard as a player would.
    xdotool key --window "$window" "alt+$(access_key "Finish &Line")" && sleep 0.2
    xdotool key Down Down Return && sleep 0.3
    menu_item "&Option" "&Fast"
fi
choose_mode 0 0 # Low
choose_mode 2 2 # Medium
choose_mode 3 3 # High
choose_mode 4 2 # Medium
choose_mode 5 3 # High
click 648 276   # Start
sleep 2.2
xdotool key space
sleep 0.3
shoot race.png

click 648 276 # Continue
sleep "${PLOVARI_SHOT_RACE_SECONDS:-12}"
shoot finished.png

# Help runs beside the game; the race state is left as it is.
menu_item "&Help" "What is &this?"
help=$(wait_for --classname plovari-help)
help_pid=$(xdotool getwindowpid "$help")
sleep 0.5
import -window "$help" "$outdir/help.png"
end_help

xdotool windowfocus --sync "$window"
menu_item "&Help" "&About Plovari"
wait_for --pid "$pid" >/dev/null
sleep 0.5
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$outdir/about.png"
