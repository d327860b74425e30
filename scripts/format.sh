#!/usr/bin/env bash
# Formats every C++ source file of the tree with clang-format (.clang-format at the top);
# with --check, changes nothing and fails when a file is not formatted.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
if [ "${1:-}" = "--check" ]; then
  clang-format --dry-run -Werror "${files[@]}"
  echo "clang-format: ${#files[@]} files formatted"
else
  clang-format -i "${files[@]}"
fi
