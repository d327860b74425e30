#!/usr/bin/env bash
# Draws the layers' link graph from CMake's own view of the targets into docs/layers.dot (and
# docs/layers.svg where Graphviz is installed). Run it from the top folder after changing a
# layer's links; pass the build folder if it is not build/.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
printf 'set(GRAPHVIZ_EXECUTABLES FALSE)\nset(GRAPHVIZ_EXTERNAL_LIBS FALSE)\n' \
  >"$build/CMakeGraphVizOptions.cmake"
(cd "$build" && cmake --graphviz="$out/all.dot" . >/dev/null)
rm "$build/CMakeGraphVizOptions.cmake"
# Keep the layers and the arrows between them; the archive that combines them all is left out.
awk '
  /\[ label = "gallerion_[a-z]+", shape = hexagon \]/ {
    match($0, /"node[0-9]+"/); id = substr($0, RSTART, RLENGTH)
    match($0, /gallerion_[a-z]+/); name[id] = substr($0, RSTART + 10, RLENGTH - 10)
  }
  / -> / { from[++n] = $1; to[n] = $3 }
  END {
    print "digraph layers {\n  rankdir = BT;\n  node [shape = box, fontname = \"DejaVu Sans\"];"
    for (i = 1; i <= n; i++)
      if ((from[i] in name) && (to[i] in name))
        printf "  %s -> %s;\n", name[from[i]], name[to[i]]
    print "}"
  }' "$out/all.dot" >"$top/docs/layers.dot"
if command -v dot >/dev/null; then
  dot -Tsvg "$top/docs/layers.dot" -o "$top/docs/layers.svg"
fi
