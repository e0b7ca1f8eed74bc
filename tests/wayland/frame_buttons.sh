#!/usr/bin/env bash
# The title-bar buttons of both windows, clicked as a player clicks them, on a Wayland
# compositor with real input: a weston of its own (x11 backend) inside an Xvfb of its own,
# driven by xdotool. Maximize (the button, and a double click on the title bar) must leave the
# game running and each window at its own size, About must still open and close, and closing
# the main window must end the game with status 0.
#
#   frame_buttons.sh GAME WORK_DIR
#
# Weston's scene graph (weston-debug) tells where the compositor put each window. Everything
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
    echo "--- game output:" >&2
    cat "$work/game.log" >&2 || true
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
# Clicks at $1,$2 on the screen; $3 clicks (2 for a double click).
click() {
    echo "click at $1,$2${3:+ ($3 times)}"
    xdotool mousemove "$1" "$2" click --repeat "${3:-1}" --delay 80 1
}
# Clicks maximize of the window titled $1, then double-clicks its title bar; after each, the
# game must run on and the window be back at its own size.
maximize_both_ways() {
    local title=$1 own how
    wait_for "$title"
    own="$((right - left))x$((bottom - top))"
    for how in "the maximize button" "a double click on the title bar"; do
        # Qt's own title bar: 30 pixels high, maximize 40 pixels left of the right edge.
        if [[ $how == "the maximize button" ]]; then
            click $((right - 40)) $((top + 15))
        else
            click $((left + 60)) $((top + 15)) 2
        fi
        sleep 1 # the compositor's answer, and a protocol error if any, come within this
        alive "$how of '$title'"
        wait_for "$title"
        [[ "$((right - left))x$((bottom - top))" == "$own" ]] ||
            fail "'$title' is $((right - left))x$((bottom - top)) after $how, not $own"
    done
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

LANGUAGE=en QT_QPA_PLATFORM=wayland "$game" >"$work/game.log" 2>&1 &
game_pid=$!

wait_for "Plovari, the board game"
click $((left + 651)) $((top + 325)) # Start: the race runs through all that follows
maximize_both_ways "Plovari, the board game"

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
maximize_both_ways "About Plovari"
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
echo "both windows kept their size through maximize, and the game ran on until closed"
