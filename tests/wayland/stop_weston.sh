#!/usr/bin/env bash
# Ends the weston that start_weston.sh started, by the PID it wrote.
#
#   stop_weston.sh PID_FILE
set -euo pipefail
pid_file=$1
if [[ ! -f $pid_file ]]; then
    exit 0
fi
pid=$(<"$pid_file")
rm -f "$pid_file"
if kill "$pid" 2>/dev/null; then
    for _ in $(seq 50); do
        kill -0 "$pid" 2>/dev/null || exit 0
        sleep 0.1
    done
    kill -KILL "$pid" 2>/dev/null || true
fi
