#!/usr/bin/env bash
# Renders the program's icon from its SVG into the PNG sizes of the hicolor
# theme. Run after changing the SVG and commit the PNGs with it
# (rsvg-convert comes with Debian's librsvg2-bin).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/hicolor"
id=io.github.bookkeeper.Bookkeeper
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "${size}x${size}/apps"
  rsvg-convert --width "$size" --height "$size" "scalable/apps/$id.svg" \
    --output "${size}x${size}/apps/$id.png"
done
