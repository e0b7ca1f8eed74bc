#!/usr/bin/env bash
# Fails when the engine includes a Qt header or its archive refers to a Qt symbol.
set -euo pipefail
sources="$1"
archive="$2"

if grep -rnE '#[[:space:]]*include[[:space:]]*[<"]Q' "$sources"; then
    echo "the engine includes Qt headers (above)" >&2
    exit 1
fi
if nm -C --undefined-only "$archive" | grep -E '\bQ[A-Z][A-Za-z]+::|qt_'; then
    echo "the engine refers to Qt symbols (above)" >&2
    exit 1
fi
echo "engine is free of Qt"
