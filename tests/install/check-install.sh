#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR and checks the installed tree as a
# desktop would use it. Usage: check-install.sh BUILD_DIR
set -euo pipefail
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

DESTDIR="$root" cmake --install "$build" --prefix /usr > "$root/install.log"
usr="$root/usr"
id=example.quillon_software.ZarvickGallerion

# The command on the menu entry's line runs, and finds its program folder through the link.
version=$(QT_QPA_PLATFORM=offscreen timeout 20 "$usr/bin/zarvick-gallerion" --version) ||
  fail "zarvick-gallerion --version did not run"
[[ $version =~ ^zarvick-gallerion\ [0-9]+\.[0-9]+ ]] || fail "unexpected version line: $version"
[ "$(readlink -f "$usr/bin/zarvick-gallerion")" = "$(readlink -f "$usr/lib/zarvick-gallerion/zarvick-gallerion")" ] ||
  fail "bin/zarvick-gallerion does not lead to the program folder"
# The screen-saver program lies beside the viewer, which copies it from there; it answers
# --help and, with nothing set up, keeps showing its black screen until it is ended.
saver="$usr/lib/zarvick-gallerion/Zarvick2001.scr"
QT_QPA_PLATFORM=offscreen timeout 20 "$saver" --help | grep -q '^Usage: Zarvick2001.scr' ||
  fail "Zarvick2001.scr --help"
status=0
HOME="$root" XDG_CONFIG_HOME="$root/config" QT_QPA_PLATFORM=offscreen timeout 3 "$saver" --window ||
  status=$?
[ "$status" -eq 124 ] || fail "Zarvick2001.scr --window ended by itself with status $status"

grep -Eq "^Exec=zarvick-gallerion( %f)?$" "$usr/share/applications/$id.desktop" ||
  fail "the desktop entry does not start zarvick-gallerion"
grep -q "^MimeType=.*application/x-cd-image;application/x-cue;" "$usr/share/applications/$id.desktop" ||
  fail "the desktop entry does not offer to open disc images"
desktop-file-validate "$usr/share/applications/$id.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$usr/share/metainfo/$id.metainfo.xml" || fail "metainfo"
[ -s "$usr/share/icons/hicolor/scalable/apps/zarvick-gallerion.svg" ] || fail "icon"
gzip -t "$usr/share/man/man1/zarvick-gallerion.1.gz" || fail "manual page"
man_warnings=$(gzip -dc "$usr/share/man/man1/zarvick-gallerion.1.gz" |
  LC_ALL=C.UTF-8 MANWIDTH=80 groff -man -Tutf8 -ww -z 2>&1 || true)
[ -z "$man_warnings" ] || fail "manual page: $man_warnings"

# Every help page is reached from the contents page, through the program folder's
# link, and every local link leads to a file.
help="$usr/lib/zarvick-gallerion/help"
[ -f "$help/index.html" ] || fail "no contents page in the program folder's help"
declare -A seen=([index.html]=1)
queue=(index.html)
while [ ${#queue[@]} -gt 0 ]; do
  page=${queue[0]}
  queue=("${queue[@]:1}")
  [ -f "$help/$page" ] || { fail "broken link to $page"; continue; }
  for target in $(grep -o 'href="[^"#]*' "$help/$page" | sed 's/^href="//'); do
    case $target in *:*) continue ;; esac
    if [ -z "${seen[$target]:-}" ]; then
      seen[$target]=1
      queue+=("$target")
    fi
  done
done
for page in "$help"/*.html; do
  [ -n "${seen[$(basename "$page")]:-}" ] || fail "$(basename "$page") is not reached from the contents"
done

if [ "$failures" -ne 0 ]; then
  echo "$failures failed"
  exit 1
fi
echo "installed tree checked: ${#seen[@]} help files, desktop entry, metainfo, icon, manual page"
