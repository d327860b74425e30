#!/usr/bin/env bash
# Starts the viewer on the sample disc under a private X server and session bus and reads its
# accessible tree over AT-SPI, then ends it as the system does (SIGTERM): it must end cleanly.
# A missing tool skips the check (status 77) on a developer's machine and fails it in CI.
set -uo pipefail
build=$1
here=$(cd "$(dirname "$0")" && pwd)

# The system's Python, for which python3-pyatspi is built, not one a user put first in PATH.
python=/usr/bin/python3
[ -x "$python" ] || python=python3
missing=()
for tool in xvfb-run dbus-run-session "$python"; do
  command -v "$tool" >/dev/null || missing+=("$tool")
done
"$python" -c 'import pyatspi' 2>/dev/null || missing+=("python3-pyatspi")
[ -x /usr/libexec/at-spi-bus-launcher ] || missing+=("at-spi2-core")
if [ ${#missing[@]} -gt 0 ]; then
  echo "missing for the AT-SPI check: ${missing[*]} (scripts/install-deps.sh installs them)"
  [ -n "${CI:-}" ] && exit 1
  exit 77
fi

if [ -z "${ATSPI_INSIDE:-}" ]; then
  export ATSPI_INSIDE=1
  exec xvfb-run -a -s "-screen 0 1024x768x24" dbus-run-session -- bash "$0" "$build"
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/config" "$scratch/data" "$scratch/runtime"
chmod 700 "$scratch/runtime"
export XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data" XDG_RUNTIME_DIR="$scratch/runtime"
export GALLERION_DRIVES="E=$build/sample-disc/disc" GALLERION_PROGRAM_DIR="$scratch/program"
mkdir -p "$scratch/program"
cp -r "$build/sample-disc/program/." "$scratch/program/"
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
export NO_AT_BRIDGE=0 GTK_MODULES=gail:atk-bridge

# The X server may still be coming up on a busy machine: wait for its socket before the viewer
# tries to connect, as Qt gives up at once.
socket="/tmp/.X11-unix/X${DISPLAY#*:}"
socket=${socket%.*}
for _ in $(seq 100); do [ -S "$socket" ] && break; sleep 0.1; done

/usr/libexec/at-spi-bus-launcher --launch-immediately &
launcher=$!
"$build/src/zarvick-gallerion" &
viewer=$!
"$python" "$here/atspi_tree.py"
read_status=$?
kill -TERM "$viewer"
wait "$viewer"
viewer_status=$?
kill "$launcher" 2>/dev/null
wait "$launcher" 2>/dev/null
if [ "$viewer_status" -ne 0 ]; then
  echo "the viewer ended with status $viewer_status after SIGTERM"
  exit 1
fi
exit "$read_status"
