#!/usr/bin/env bash
# Renders the application icon from its hand-drawn SVG into the PNGs the
# window and the icon theme use (res/icons/orvelle-<size>.png). Run by hand
# after changing orvelle.svg, and commit the PNGs. Needs rsvg-convert
# (librsvg2-bin); Qt's own SVG renderer is not used so that the program's
# processes never load Qt's SVG plugins.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
for size in 48 64 128 256; do
  rsvg-convert --width "$size" --height "$size" --format png \
    --output "$root/res/icons/orvelle-$size.png" "$root/packaging/icons/orvelle.svg"
done
