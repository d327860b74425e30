#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need; skips what is present.
# gstreamer1.0-libav decodes the disc's old film formats (Indeo 3/4/5, Cinepak, MS Video 1);
# gstreamer1.0-plugins-bad has adpcmdec, the one decoder that takes the IMA and Microsoft ADPCM
# sound tracks of AVI films (libav's ADPCM decoders refuse the caps the AVI demuxer gives);
# gstreamer1.0-tools has gst-inspect-1.0 and gst-launch-1.0 for the tests and benchmarks;
# desktop-file-utils, appstream and groff-base check the installed desktop entry, metainfo and
# manual page, and dpkg-dev lets CPack find the package's library dependencies;
# libxcb1-dev lets the screen saver learn the size of the window xscreensaver gives it;
# python3-pyatspi, at-spi2-core and dbus read the viewer's accessible tree as a screen reader does;
# xorriso makes the disc images the image tests read.
set -euo pipefail
packages=(cmake g++ ninja-build ccache qt6-base-dev qt6-multimedia-dev libxcb1-dev gstreamer1.0-tools
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-plugins-bad gstreamer1.0-libav
  pulseaudio xvfb xauth imagemagick poppler-utils ffmpeg libjpeg-turbo-progs unrtf
  fonts-dejavu-core fonts-liberation2 fonts-crosextra-carlito fonts-crosextra-caladea
  clang libclang-rt-14-dev desktop-file-utils appstream groff-base dpkg-dev
  python3-pyatspi at-spi2-core dbus xorriso)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
