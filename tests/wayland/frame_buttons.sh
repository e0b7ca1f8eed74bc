#!/usr/bin/env bash
# Both windows maximized and shown full screen as a player does it, on a Wayland compositor
# with real input: a weston of its own (x11 backend) inside an Xvfb of its own, driven by
# xdotool. The title bar's maximize button and weston's own shortcuts (Super+Shift+M and
# Super+Shift+F, which the game hears nothing of before the compositor's configure) must
# leave the game running and each window back at its own size with its limits at that size;
# About must still open and close, and closing the main window must end the game with
# status 0.
#
#   frame_buttons.sh GAME WORK_DIR
#
# Weston's scene graph (weston-debug) tells where the compositor put each window, and the
# game's protocol log (WAYLAND_DEBUG) what the game asked of the compositor. Everything
# started here is ended by its PID.
set -euo pipefail
game=$1
work=$2
runtime=$work/runtime
socket=plovari-frame-test
rm -rf "$runtime"
mkdir -p "$runtime"
chmod 700 "$runtime"

xvfb_pid=""
weston_pid=""
game_pid=""
end_all() {
    for pid in "$game_pid" "$weston_pid" "$xvfb_pid"; do
        if [[ -n $pid ]] && kill "$pid" 2>/dev/null; then
            wait "$pid" 2>/dev/null || true
        fi
    done
}
trap end_all EXIT
fail() {
    echo "FAIL: $*" >&2
    import -window root "$work/failure.png" 2>/dev/null && echo "the screen: $work/failure.png" >&2
    echo "--- the end of the game's output ($work/game.log):" >&2
    tail -n 30 "$work/game.log" >&2 || true
    exit 1
}

# Prints the compositor's scene graph, whole (a dump cut short is asked for again), or
# nothing.
scene() {
    local dump
    for _ in $(seq 20); do
        dump=$(timeout 5 weston-debug scene-graph 2>/dev/null || true)
        if [[ $dump == *"background for output"* ]]; then
            echo "$dump"
            return
        fi
        sleep 0.05
    done
}
# Prints "left top right bottom" of the window titled $1, as the compositor places it.
window_box() {
    scene | awk -v title="top-level window '$1'" '
        index($0, title) { found = 1; next }
        found && /position:/ { gsub(/[(),>-]/, " "); print $2, $3, $4, $5; exit }'
}
# Waits until the window titled $1 shows and stands still (a window being placed, or coming
# back from the maximized state, moves), and sets left, top, right and bottom to its box.
wait_for() {
    local box last=""
    for _ in $(seq 100); do
        box=$(window_box "$1")
        if [[ -n $box && $box == "$last" ]]; then
            read -r left top right bottom <<<"$box"
            return
        fi
        last=$box
        kill -0 "$game_pid" 2>/dev/null || fail "the game ended while waiting for '$1'"
        sleep 0.2
    done
    fail "no window '$1' showed still"
}
alive() {
    kill -0 "$game_pid" 2>/dev/null || fail "the game ended after: $1"
}
# Clicks at $1,$2 on the screen. Weston's x11 backend follows the X pointer by its relative
# motion, which drifts from where xdotool puts it; from outside the output, the pointer enters
# the output where it is put.
click() {
    xdotool mousemove 1020 760 mousemove "$1" "$2" click 1
}
# How often the game has asked the compositor for $1 (an xdg_toplevel request).
asked() {
    grep -c "xdg_toplevel@[0-9]*\.$1(" "$work/game.log" || true
}
# Runs "$3..." (a click or a key) on the window titled $2, which must take the state the
# compositor gives it, ask to leave it (request $1) and come back to its own size, $own.
leaves() {
    local request=$1 title=$2 before
    shift 2
    before=$(asked "$request")
    echo "$*"
    "$@"
    for _ in $(seq 100); do
        (($(asked "$request") > before)) && break
        alive "$* on '$title'"
        sleep 0.1
    done
    wait_for "$title"
    [[ $(asked "$request") -gt $before && "$((right - left))x$((bottom - top))" == "$own" ]] ||
        fail "'$title' is $((right - left))x$((bottom - top)) after $*, not $own, or stayed"
}
# Maximizes the window titled $1 by its title-bar button, then by weston's shortcut, and
# shows it full screen by weston's shortcut twice.
force_states() {
    local own
    wait_for "$1"
    own="$((right - left))x$((bottom - top))"
    # Qt's own title bar: 30 pixels high, maximize 40 pixels left of the right edge.
    leaves unset_maximized "$1" click $((right - 40)) $((top + 15))
    leaves unset_maximized "$1" xdotool key super+shift+m
    leaves unset_fullscreen "$1" xdotool key super+shift+f
    leaves unset_fullscreen "$1" xdotool key super+shift+f
}

# Xvfb picks a free display and writes its number to the descriptor it is given.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
exec 3>&-
for _ in $(seq 100); do
    [[ -s $work/display ]] && break
    sleep 0.1
done
[[ -s $work/display ]] || fail "Xvfb did not start"
export DISPLAY=:$(<"$work/display")

# No animations: a window that is still zooming in does not take clicks where it will stand.
cat >"$work/weston.ini" <<'INI'
[shell]
animation=none
close-animation=none
startup-animation=none
focus-animation=none
INI
XDG_RUNTIME_DIR=$runtime weston --backend=x11-backend.so --config="$work/weston.ini" --debug \
    --idle-time=0 --socket=$socket --width=1000 --height=740 >"$work/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do
    [[ -S $runtime/$socket ]] && break
    sleep 0.1
done
[[ -S $runtime/$socket ]] || fail "weston did not listen: $(cat "$work/weston.log")"
export XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=$socket
# The shell is ready when its panel shows; a window mapped before would lose the focus to it.
for _ in $(seq 100); do
    [[ $(scene) == *"panel for output"* ]] && break
    sleep 0.1
done
[[ $(scene) == *"panel for output"* ]] || fail "weston's shell showed no panel"

WAYLAND_DEBUG=client LANGUAGE=en QT_QPA_PLATFORM=wayland "$game" >"$work/game.log" 2>&1 &
game_pid=$!

wait_for "Plovari, the board game"
click $((left + 651)) $((top + 325)) # Start: the race runs through all that follows
force_states "Plovari, the board game"

wait_for "Plovari, the board game" # where the compositor put it back
click $((left + 250)) $((top + 38)) # Help
for _ in $(seq 50); do
    [[ $(scene) == *"role xdg_popup"* ]] && break
    sleep 0.1
done
# The item by its access key: the popup takes keys at once, while a click can come before the
# popup stands where the scene graph shows it.
echo "key a (About Plovari)"
xdotool key a
force_states "About Plovari"
wait_for "About Plovari"
click $((right - 17)) $((top + 15)) # About's close
for _ in $(seq 50); do
    [[ -z $(window_box "About Plovari") ]] && break
    sleep 0.1
done
[[ -z $(window_box "About Plovari") ]] || fail "About did not close"
alive "closing About"

wait_for "Plovari, the board game"
click $((right - 17)) $((top + 15)) # the main window's close ends the game
for _ in $(seq 50); do
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$game_pid" 2>/dev/null && fail "the main window's close did not end the game"
status=0
wait "$game_pid" || status=$?
game_pid=""
[[ $status -eq 0 ]] || fail "the game ended with status $status"
# Every window asked for one size as its least and largest, whatever it went through.
grep -o 'xdg_toplevel@[0-9]*\.set_m.._size([0-9, ]*)' "$work/game.log" | sed 's/set_m.._size//' |
    uniq -c | awk '$1 % 2 || $2 ~ /\(0,$/ { exit 1 }' || fail "a window's size limits differ"
echo "both windows left every state the compositor gave them, back at their own size and fixed"
