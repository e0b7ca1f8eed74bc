#!/usr/bin/env bash
# Start-up time, memory and CPU of the game against a bare Qt window, under its own Xvfb.
#
# Usage: bench/startup.sh [BUILD_DIR] [LAUNCHES] [QUICK_LAUNCHES]
#   BUILD_DIR       a build with the benchmarks, default build/release
#   LAUNCHES        full launches of each program, interleaved game, bare, game, ...; default 5
#   QUICK_LAUNCHES  further launches of each that only time the start, default 20
#
# Every launch measures, through bench/StartupProbe.cpp:
#   start    from fork+exec to the X server's MapNotify of the top-level window, in ms, and the
#            CPU time the program used until then (less disturbed by other programs)
# and every full launch goes on to measure:
#   memory   VmRSS from /proc/PID/status, 2 s after the window is mapped
#   idle     CPU over 5 s with the window focused and the timer stopped, % of one core
# and for the game: picks six players and finish line 1000 by keyboard, clicks Start and
# measures CPU over 5 s of racing at the Fast pace, then pauses with a key and measures CPU
# over 5 s once more. Prints medians with min-max and checks them against the targets: game
# within 1.10x of the bare window in start time and memory, under 0.1 % idle, under 2 %
# racing. Exits 1 when a target is missed. Needs xvfb-run, xdotool and ImageMagick's
# import (scripts/setup.sh --display). With LANGUAGE=de (any shipped language) the game starts
# in that language.
set -euo pipefail
source "$(dirname "$0")/../scripts/access_key.sh"

build="${1:-build/release}"
launches="${2:-5}"
quick_launches="${3:-20}"
game="$build/plovari"
bare="$build/bench/plovari_bare_window"
probe="$build/bench/plovari_startup_probe"
for program in "$game" "$bare" "$probe"; do
    [[ -x "$program" ]] || {
        echo "missing $program: build with the release preset first" >&2
        exit 2
    }
done

# Always a display of our own: under a window manager the program's window is reparented into
# a frame, and its MapNotify no longer reaches the root window. -noreset: by default the server
# resets when its last client leaves, which is between any two launches, and refuses
# connections meanwhile.
if [[ -z "${PLOVARI_STARTUP_INNER:-}" ]]; then
    export PLOVARI_STARTUP_INNER=1
    exec xvfb-run -a -s "-noreset -screen 0 1600x1000x24" "$0" "$@"
fi

export XDG_RUNTIME_DIR
XDG_RUNTIME_DIR="$(mktemp -d)"
results="$(mktemp)"
pid=""
trap '[[ -z "$pid" ]] || kill "$pid" 2>/dev/null; rm -rf "$XDG_RUNTIME_DIR" "$results"' EXIT
cpu_seconds=5

# Focuses the window, as a window manager would when it opens.
focus() {
    xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"
    sleep 0.3
}

# The window's pixels, hashed: tells whether the race moved anything.
picture() {
    import -window "$1" rgb:- | md5sum | cut -d' ' -f1
}

# Starts the race: six players, finish line 1000 so it outlasts the measurement, Start.
start_race() {
    # shellcheck disable=SC2034 # all set by the eval; only some are used
    local window=$1 WIDTH HEIGHT X Y SCREEN
    eval "$(xdotool getwindowgeometry --shell "$window")"
    local menu=$((HEIGHT - 374)) # the menu bar above the 687x374 client area
    xdotool key --window "$window" "alt+$(access_key "&Players")" && sleep 0.2
    xdotool key 6 && sleep 0.3
    xdotool key --window "$window" "alt+$(access_key "Finish &Line")" && sleep 0.2
    xdotool key Down Down Return && sleep 0.3
    # The Start button, client (616,264) size 65x25: its centre.
    xdotool mousemove --sync $((X + 648)) $((Y + menu + 276)) click 1
    sleep 0.5
}

# Starts PROGRAM through the probe; sets the globals pid, window, start, start_cpu and
# probe_pid.
launch() {
    local fd
    exec {fd}< <(exec "$probe" launch "$1")
    probe_pid=$!
    read -r -u "$fd" pid window start start_cpu || {
        echo "$1: the window did not open" >&2
        exit 1
    }
    exec {fd}<&-
}

stop() {
    kill "$pid"
    wait "$probe_pid" || true
    pid=""
}

# A launch that only times the start: appends "NAME quick START_MS START_CPU_MS".
measure_start() {
    launch "$2"
    stop
    echo "$1 quick $start $start_cpu" >>"$results"
}

# A full launch: appends "NAME full START_MS START_CPU_MS RSS_KIB IDLE% [RACING% PAUSED%]".
measure() {
    local name=$1 rss idle
    launch "$2"
    sleep 2
    rss=$(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status")
    focus "$window"
    idle=$("$probe" cpu "$pid" "$cpu_seconds")
    local line="$name full $start $start_cpu $rss $idle" more=""
    if [[ "$name" == game ]]; then
        start_race "$window"
        local before after racing paused
        before=$(picture "$window")
        racing=$("$probe" cpu "$pid" "$cpu_seconds")
        after=$(picture "$window")
        [[ "$before" != "$after" ]] || {
            echo "game: the race did not run" >&2
            exit 1
        }
        xdotool key --window "$window" space && sleep 0.5
        paused=$("$probe" cpu "$pid" "$cpu_seconds")
        line+=" $racing $paused"
        more=$(printf '  racing %6.3f %%  paused %6.3f %%' "$racing" "$paused")
    fi
    stop
    echo "$line" >>"$results"
    printf '  %-5s start %6.1f ms (CPU %5.1f)  rss %6d KiB  idle %6.3f %%%s\n' "$name" "$start" \
        "$start_cpu" "$rss" "$idle" "$more"
}

qt=$(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null || echo unknown)
echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')," \
    "Linux $(uname -r), Qt $qt, Xvfb 1600x1000x24"
echo "Load before: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "Launches: $launches full and $quick_launches quick of each, interleaved"
for ((round = 1; round <= launches; round++)); do
    measure game "$game"
    measure bare "$bare"
done
for ((round = 1; round <= quick_launches; round++)); do
    measure_start game "$game"
    measure_start bare "$bare"
done
echo "Load after: $(cut -d' ' -f1-3 /proc/loadavg)"
if awk '{exit !($1 > 1)}' /proc/loadavg; then
    echo "The machine was busy: figures are noisy; run again when it is quiet."
fi
echo

# Column COLUMN of the results of program NAME, launches of KIND (full, or any):
# "MEDIAN MIN MAX COUNT".
stats() {
    awk -v name="$1" -v kind="$2" -v column="$3" \
        '$1 == name && (kind == "any" || $2 == kind) {print $column}' "$results" | sort -g |
        awk '{v[NR] = $1} END {
            m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
            print m, v[1], v[NR], NR
        }'
}

# "median (min-max)" of STATS in FORMAT, each divided by SCALE; nothing for no STATS.
cell() {
    [[ -z "$2" ]] || awk -v f="$1" -v s="$3" '{printf f " (" f "-" f ")", $1 / s, $2 / s, $3 / s}' \
        <<<"$2"
}

failed=0
# One line of the table: LABEL FORMAT SCALE KIND LIMIT GAME_STATS [BARE_STATS], where KIND is
# ratio (game median at most LIMIT times the bare one), below (game median under LIMIT %)
# or info (no target).
row() {
    local label=$1 format=$2 scale=$3 kind=$4 limit=$5 game=$6 bare=${7:-} ratio result target
    read -r ratio result < <(awk -v kind="$kind" -v limit="$limit" -v scale="$scale" \
        -v g="${game%% *}" -v b="${bare%% *}" 'BEGIN {
            if (kind == "ratio") {
                ok = b > 0 && g <= limit * b
            } else {
                ok = g / scale < limit
            }
            print (b > 0 ? sprintf("%.2f", g / b) : "-"), (kind == "info" ? "info" : ok ? "pass" : "FAIL")
        }')
    case "$kind" in
    ratio) target="<= ${limit}x" ;;
    below) target="< $limit %" ;;
    *) target="" ;;
    esac
    [[ -n "$bare" ]] || ratio=""
    printf '%-32s %-24s %-24s %-6s %-9s %s\n' "$label" "$(cell "$format" "$game" "$scale")" \
        "$(cell "$format" "$bare" "$scale")" "$ratio" "$target" "$result"
    [[ "$result" != FAIL ]] || failed=1
}

starts=$(stats game any 3 | cut -d' ' -f4)
full=$(stats game full 3 | cut -d' ' -f4)
printf '%-32s %-24s %-24s %-6s %-9s %s\n' "median (min-max)" game "bare window" ratio target \
    result
row "start to mapped, ms (${starts}x)" %.1f 1 ratio 1.10 "$(stats game any 3)" \
    "$(stats bare any 3)"
row "  CPU used until mapped, ms" %.1f 1 info 0 "$(stats game any 4)" "$(stats bare any 4)"
row "memory 2 s after, MiB (${full}x)" %.1f 1024 ratio 1.10 "$(stats game full 5)" \
    "$(stats bare full 5)"
row "CPU idle, % of one core" %.3f 1 below 0.1 "$(stats game full 6)" "$(stats bare full 6)"
row "CPU racing at Fast, %" %.3f 1 below 2 "$(stats game full 7)"
# Not a target: with the race paused the key catcher keeps the focus, and its text cursor,
# drawn zero pixels wide, still blinks twice a second.
row "CPU paused after racing, %" %.3f 1 info 0 "$(stats game full 8)"
exit "$failed"
