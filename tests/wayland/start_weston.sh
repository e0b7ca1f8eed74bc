#!/usr/bin/env bash
# Starts a headless weston of the test run's own and leaves it running in the background.
#
#   start_weston.sh RUNTIME_DIR SOCKET PID_FILE [weston options...]
#
# Listens on RUNTIME_DIR/SOCKET (RUNTIME_DIR is the tests' XDG_RUNTIME_DIR), writes weston's
# PID to PID_FILE for stop_weston.sh and returns once clients can connect. Weston's log goes
# to PID_FILE.log.
set -euo pipefail
runtime_dir=$1
socket=$2
pid_file=$3
shift 3

mkdir -p "$runtime_dir"
chmod 700 "$runtime_dir"
# A socket left by a compositor that was killed before it could clean up.
rm -f "$runtime_dir/$socket" "$runtime_dir/$socket.lock"

XDG_RUNTIME_DIR=$runtime_dir setsid weston --backend=headless-backend.so --no-config \
    --socket="$socket" --idle-time=0 "$@" >"$pid_file.log" 2>&1 </dev/null &
pid=$!
echo "$pid" >"$pid_file"

# Ready when the socket exists; weston creates it only after its shell has loaded.
for _ in $(seq 100); do
    if [[ -S $runtime_dir/$socket ]]; then
        exit 0
    fi
    if ! kill -0 "$pid" 2>/dev/null; then
        echo "weston ended before it listened:" >&2
        cat "$pid_file.log" >&2
        exit 1
    fi
    sleep 0.1
done
echo "weston did not listen on $runtime_dir/$socket within 10 s" >&2
kill "$pid"
exit 1
