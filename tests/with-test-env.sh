#!/usr/bin/env bash
# Runs one test program with private settings, data and runtime folders, offscreen.
set -u
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/config" "$scratch/data" "$scratch/runtime" "$scratch/tmp"
chmod 700 "$scratch/runtime"
export XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data"
export XDG_RUNTIME_DIR="$scratch/runtime" TMPDIR="$scratch/tmp"
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
unset GALLERION_DRIVES GALLERION_PROGRAM_DIR GALLERION_SCREEN GALLERION_PRINT_DIR GALLERION_TRACE
"$@"
