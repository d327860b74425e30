#!/usr/bin/env bash
# Fuzzes every reader that has a target in tests/fuzz (fuzz_<name>.cpp) for the given number of
# seconds each (default 60); names after the seconds pick targets. Builds build-fuzz with clang.
# A target's corpus starts from tests/fuzz/<name>-seeds and from the sample-disc files its
# "// Seeds from the sample disc:" line names; what it finds stays in build-fuzz/<name>-corpus
# and build-fuzz/<name>-crashes. Fails when any target found a crash, a leak or a hang.
set -euo pipefail
seconds=${1:-60}
shift || true
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for source in "$root"/tests/fuzz/fuzz_*.cpp; do
    name=$(basename "$source" .cpp)
    targets+=("${name#fuzz_}")
  done
fi

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DGALLERION_FUZZ=ON >/dev/null
cmake --build "$build" -j "$(nproc)" --target make-sample-disc "${targets[@]/#/fuzz_}"
if [ ! -d "$build/sample-disc/disc" ]; then
  QT_QPA_PLATFORM=offscreen "$build/tools/make-sample-disc/make-sample-disc" "$build/sample-disc"
fi

seed() {
  local name=$1 corpus=$2 patterns
  if [ -d "$root/tests/fuzz/$name-seeds" ]; then
    cp -n "$root/tests/fuzz/$name-seeds"/* "$corpus"/
  fi
  patterns=$(sed -n 's|^// Seeds from the sample disc:||p' "$root/tests/fuzz/fuzz_$name.cpp")
  for pattern in $patterns; do
    for file in "$build"/sample-disc/$pattern; do
      [ -f "$file" ] && cp -n "$file" "$corpus"/
    done
  done
  return 0
}

export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
failed=()
for name in "${targets[@]}"; do
  corpus="$build/$name-corpus"
  crashes="$build/$name-crashes"
  mkdir -p "$corpus" "$crashes"
  seed "$name" "$corpus"
  echo "== fuzz_$name for ${seconds}s"
  if ! (cd "$crashes" && "$build/tests/fuzz/fuzz_$name" -max_total_time="$seconds" \
    -rss_limit_mb=2048 -timeout=10 -max_len=65536 -print_final_stats=1 \
    -artifact_prefix="$crashes/" "$corpus" 2>"$build/$name.log"); then
    failed+=("$name")
  fi
  grep -E '^stat::number_of_executed_units|^stat::new_units_added|ERROR|SUMMARY' \
    "$build/$name.log" || true
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzzing found faults in: ${failed[*]} (see build-fuzz/<name>.log and <name>-crashes)" >&2
  exit 1
fi
