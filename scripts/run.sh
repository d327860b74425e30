#!/usr/bin/env bash
# Installs what is missing, builds the program and the sample-disc tool (the tests are
# built by scripts/test.sh), writes the sample disc and starts the program on it.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bash "$top/scripts/install-deps.sh"
cmake -S "$top" -B "$top/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$top/build" --target zarvick-gallerion make-sample-disc
disc="$top/build/sample-disc"
[ -f "$disc/disc/zarvicks/64AAAA01.jpg" ] || "$top/build/tools/make-sample-disc/make-sample-disc" "$disc"
export GALLERION_DRIVES="E=$disc/disc"
export GALLERION_PROGRAM_DIR="$disc/program"
exec "$top/build/src/zarvick-gallerion" "$@"
