#!/usr/bin/env bash
# Prints an article through a real CUPS queue and checks that its pages match the PDF that
# GALLERION_PRINT_DIR gives: same page count, every line in the same place.
#
# Starts a private CUPS scheduler on a socket of its own (the system's scheduler and queues are
# left alone) with one PDF queue (printer-driver-cups-pdf), runs the check in
# build/tests/platform_tst_printer against it, and stops the scheduler again. Needs root: the
# cups-pdf back end only runs as root. Installs cups and printer-driver-cups-pdf when missing.
#
#   tools/cups-print-check.sh [BUILD_DIR]
set -euo pipefail
build=$(realpath "${1:-build}")
source_dir=$(cd "$(dirname "$0")/.." && pwd)
test_binary="$build/tests/platform_tst_printer"
[ -x "$test_binary" ] || { echo "Build the tests first: $test_binary is missing." >&2; exit 1; }
[ "$(id -u)" -eq 0 ] || { echo "Run as root: the cups-pdf back end only runs as root." >&2; exit 1; }

packages=(cups cups-client printer-driver-cups-pdf)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  apt-get update -qq
  # Their set-up tries to start the system's scheduler; where none can run, that failure is harmless.
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}" ||
    dpkg-query -W -f='${Status}' printer-driver-cups-pdf | grep -q 'ok installed'
fi

# cups-pdf reads the settings of the queue's instance from /etc/cups, and from nowhere else.
instance=gallerion-check-$$
instance_conf=/etc/cups/cups-pdf-$instance.conf
work=$(mktemp -d)
# The queue's filters run as the lp user and read the job and the PPD from here.
chmod 755 "$work"
cupsd_pid=""
cleanup() {
  [ -n "$cupsd_pid" ] && kill "$cupsd_pid" 2>/dev/null && wait "$cupsd_pid" 2>/dev/null
  rm -f "$instance_conf"
  rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work"/{etc/ppd,spool,cache,state,log,tmp,out}
chmod 1777 "$work/tmp" "$work/out"
cat >"$work/cups-files.conf" <<EOF
ServerRoot $work/etc
RequestRoot $work/spool
TempDir $work/tmp
CacheDir $work/cache
StateDir $work/state
ServerBin /usr/lib/cups
DataDir /usr/share/cups
AccessLog $work/log/access_log
ErrorLog $work/log/error_log
PageLog $work/log/page_log
EOF
cat >"$work/cupsd.conf" <<EOF
Listen $work/cups.sock
LogLevel info
WebInterface No
Browsing No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
EOF
printf 'Out %s\nAnonDirName %s\nLabel 0\n' "$work/out" "$work/out" >"$instance_conf"

cupsd -f -c "$work/cupsd.conf" -s "$work/cups-files.conf" &
cupsd_pid=$!
export CUPS_SERVER="$work/cups.sock"
for _ in $(seq 50); do
  lpstat -r >/dev/null 2>&1 && break
  sleep 0.2
done
lpstat -r >/dev/null 2>&1 || { echo "The CUPS scheduler did not start." >&2; exit 1; }

# lpadmin warns that printer drivers are deprecated; the queue works all the same.
lpadmin -p GallerionCheck -E -v "cups-pdf:/$instance" \
  -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null && lpadmin -d GallerionCheck ||
  { echo "The PDF queue could not be added." >&2; exit 1; }
echo "Printing through CUPS queue GallerionCheck (cups-pdf) ..."

status=0
GALLERION_CUPS_OUT="$work/out" "$source_dir/tests/with-test-env.sh" "$test_binary" \
  systemQueuePrintsTheSamePages || status=$?
if [ $status -ne 0 ]; then
  echo "--- CUPS error log ---" >&2
  tail -n 30 "$work/log/error_log" >&2 || true
fi
exit $status
