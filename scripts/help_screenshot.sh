#!/usr/bin/env bash
# Takes pictures of the help viewer under Xvfb at one topic of the help:
#   help_screenshot.sh VIEWER OUTDIR [LINK [SCALE [STYLE [PAGES]]]]
# LINK: which link of the contents to follow, counted from 1 (default 4, "Which mode should I
# pick?"); SCALE: Qt scale factor (default 1); STYLE: a Qt style, e.g. Adwaita-Dark for a dark
# palette; PAGES: how many screens to take, each some 40 lines further down (default 3). Writes
# OUTDIR/help-1.png, help-2.png, ... LANGUAGE=de (or any shipped language) shows that language.
set -euo pipefail
viewer="$(realpath "$1")"
outdir="$2"
link="${3:-4}"
scale="${4:-1}"
style="${5:-}"
pages="${6:-3}"
mkdir -p "$outdir"

if [[ -z "${PLOVARI_SHOT_INNER:-}" ]]; then
    export PLOVARI_SHOT_INNER=1
    exec xvfb-run -a -s "-screen 0 1600x1400x24" "$0" "$@"
fi

export QT_SCALE_FACTOR="$scale"
[[ -n "$style" ]] && export QT_STYLE_OVERRIDE="$style"
runtime="$(mktemp -d)"
export XDG_RUNTIME_DIR="$runtime"
"$viewer" Plovari.hlp 3 &
pid=$!
trap 'kill $pid 2>/dev/null || true; rm -rf "$runtime"' EXIT

window=""
for _ in $(seq 50); do
    window=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1) && [[ -n "$window" ]] && break
    sleep 0.1
done
[[ -n "$window" ]] || { echo "the viewer's window did not open" >&2; exit 1; }
xdotool windowsize "$window" $((700 * ${scale%.*})) $((900 * ${scale%.*}))
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$window")" # WIDTH, HEIGHT, X, Y
xdotool windowfocus --sync "$window"
# Tab walks the links of the text; Return follows the one reached.
for _ in $(seq "$link"); do
    xdotool key --window "$window" Tab
done
xdotool key --window "$window" Return
for page in $(seq "$pages"); do
    sleep 0.5
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$outdir/help-$page.png"
    # The mouse wheel, three lines a click: Page Down would move the text cursor instead.
    xdotool mousemove --window "$window" $((WIDTH / 2)) $((HEIGHT / 2)) click --repeat 13 5
done
