#!/usr/bin/env bash
# Installs what is missing, builds and runs every test, fuzzes the RTF reader for a minute,
# then builds and runs every test again with the sanitizers.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bash "$top/scripts/install-deps.sh"
jobs=$(nproc)

# A silent sound sink keeps playback predictable on machines without a sound card.
pulse_dir=$(mktemp -d)
pulse_pid=""
cleanup() {
  [ -n "$pulse_pid" ] && kill "$pulse_pid" 2>/dev/null
  rm -rf "$pulse_dir"
}
trap cleanup EXIT
if command -v pulseaudio >/dev/null; then
  chmod 700 "$pulse_dir"
  XDG_RUNTIME_DIR="$pulse_dir" pulseaudio --daemonize=no --exit-idle-time=-1 -n \
    --load="module-null-sink sink_name=null" \
    --load="module-native-protocol-unix socket=$pulse_dir/native auth-anonymous=1" \
    >"$pulse_dir/log" 2>&1 &
  pulse_pid=$!
  for _ in $(seq 50); do [ -S "$pulse_dir/native" ] && break; sleep 0.1; done
  export PULSE_SERVER="unix:$pulse_dir/native"
fi

build_and_test() {
  local dir=$1; shift
  cmake -S "$top" -B "$dir" -G Ninja "$@"
  cmake --build "$dir" -j "$jobs"
  (cd "$dir" && ctest --output-on-failure -j "$jobs")
}

build_and_test "$top/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
# A bounded fuzzing run of the RTF reader, seeded with the sample disc's documents.
bash "$top/scripts/fuzz.sh" 60 rtf
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
  build_and_test "$top/build-sanitize" -DCMAKE_BUILD_TYPE=Debug -DGALLERION_SANITIZE=ON
