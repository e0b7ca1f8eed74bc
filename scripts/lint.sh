#!/usr/bin/env bash
# Runs clang-tidy with the root .clang-tidy over every source of a configured build tree, from
# its compile_commands.json; the files that the build generates (moc, rcc, autogen) are left
# out. Fails on any finding.
#
#   scripts/lint.sh <build folder> [jobs]
set -euo pipefail
build="$1"
jobs="${2:-$(nproc 2>/dev/null || echo 2)}"
root="$(cd "$(dirname "$0")/.." && pwd)"

if [[ ! -f "$build/compile_commands.json" ]]; then
    echo "error: $build/compile_commands.json is missing; configure and build first" >&2
    exit 1
fi
runner="$(command -v run-clang-tidy-14 || command -v run-clang-tidy || true)"
tidy="$(command -v clang-tidy-14 || command -v clang-tidy)"

# The sources below the source root but outside every build folder.
sources="^$root/(?!build/).*\.cpp\$"
if [[ -n "$runner" ]]; then
    exec "$runner" -quiet -clang-tidy-binary "$tidy" -p "$build" -j "$jobs" "$sources"
fi
# Without the runner, one file after another.
grep -oP '"file": "\K[^"]+' "$build/compile_commands.json" | grep -P "$sources" | sort -u |
    xargs -r "$tidy" --quiet -p "$build"
