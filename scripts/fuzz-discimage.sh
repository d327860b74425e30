#!/usr/bin/env bash
# Fuzzes the disc image reader for the given number of seconds (default 120).
# Builds build-fuzz with clang, seeds the corpus with small images of the
# sample disc's articles (Rock Ridge and Joliet, and plain level 1) made with
# xorriso, cut after the system area as the target expects, and keeps what it
# finds in build-fuzz/discimage-corpus and build-fuzz/discimage-crashes.
set -euo pipefail
seconds=${1:-120}
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DGALLERION_FUZZ=ON >/dev/null
cmake --build "$build" --target fuzz_discimage make-sample-disc

if [ ! -d "$build/sample-disc/disc/richtext" ]; then
  QT_QPA_PLATFORM=offscreen "$build/tools/make-sample-disc/make-sample-disc" "$build/sample-disc"
fi
corpus="$build/discimage-corpus"
crashes="$build/discimage-crashes"
mkdir -p "$corpus" "$crashes"
seeds=$(mktemp -d)
trap 'rm -rf "$seeds"' EXIT
mkdir -p "$seeds/disc/richtext/deep"
cp "$build"/sample-disc/disc/richtext/intro.rtf "$seeds/disc/richtext/"
cp "$build"/sample-disc/disc/richtext/64engines.rtf "$seeds/disc/richtext/deep/"
xorriso -as mkisofs -quiet -no-pad -J -R -o "$seeds/rr.iso" "$seeds/disc"
xorriso -as mkisofs -quiet -no-pad --norock -iso-level 1 -o "$seeds/l1.iso" "$seeds/disc"
for image in rr l1; do
  tail -c +32769 "$seeds/$image.iso" >"$corpus/$image.seed"
done

cd "$crashes"
export LSAN_OPTIONS="suppressions=$root/tests/fuzz/lsan.supp:print_suppressions=0"
"$build/tests/fuzz/fuzz_discimage" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
  -max_len=262144 -artifact_prefix="$crashes/" "$corpus"
