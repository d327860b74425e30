#!/usr/bin/env bash
# Fuzzes the RTF reader for the given number of seconds (default 120).
# Builds build-fuzz with clang, seeds the corpus from the sample disc's RTF
# files and the hand-made seeds of tests/fuzz/rtf-seeds (metafile and bitmap
# pictures, shapes, tables, symbol fonts, tabs, footnotes) and keeps what it
# finds in build-fuzz/rtf-corpus and build-fuzz/rtf-crashes.
set -euo pipefail
seconds=${1:-120}
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DGALLERION_FUZZ=ON >/dev/null
cmake --build "$build" --target fuzz_rtf make-sample-disc

if [ ! -d "$build/sample-disc/disc/richtext" ]; then
  QT_QPA_PLATFORM=offscreen "$build/tools/make-sample-disc/make-sample-disc" "$build/sample-disc"
fi
corpus="$build/rtf-corpus"
crashes="$build/rtf-crashes"
mkdir -p "$corpus" "$crashes"
cp -n "$build"/sample-disc/disc/richtext/*.rtf "$root"/tests/fuzz/rtf-seeds/*.rtf "$corpus"/

cd "$crashes"
export LSAN_OPTIONS="suppressions=$root/tests/fuzz/lsan.supp:print_suppressions=0"
"$build/tests/fuzz/fuzz_rtf" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
  -max_len=65536 -artifact_prefix="$crashes/" "$corpus"
