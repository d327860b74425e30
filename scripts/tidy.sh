#!/usr/bin/env bash
# Runs clang-tidy (.clang-tidy at the top) over every source file of the program, its tests,
# tools and benchmarks, with the compile database of BUILD_DIR (default build, configured when
# missing). Prints the findings and their count; fails when there are any.
#
#   scripts/tidy.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$root/build}")
if [ ! -f "$build/compile_commands.json" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
# The files that moc and rcc write need to exist; building their targets makes them.
cmake --build "$build" -j "$(nproc)" --target autogen >/dev/null

log=$(mktemp)
trap 'rm -f "$log"' EXIT
# Files found clean before and unchanged since are not checked again (scripts/tidy-cached.py).
files=${GALLERION_TIDY_FILES:-"^$root/(src|tests|tools|benchmarks)/"}
run-clang-tidy -quiet -j "$(nproc)" -p "$build" -clang-tidy-binary "$root/scripts/tidy-cached.py" \
  "$files" 2>&1 | sed 's/\x1b\[[0-9;]*m//g' >"$log" || true
# Each finding once, though a header's shows for every file that includes it.
findings=$(grep -E '^/.*: (warning|error): ' "$log" | sort -u || true)
count=$(printf '%s' "$findings" | grep -c . || true)
if [ "$count" -gt 0 ]; then
  printf '%s\n' "$findings"
  echo "clang-tidy: $count findings" >&2
  exit 1
fi
echo "clang-tidy: no findings"
