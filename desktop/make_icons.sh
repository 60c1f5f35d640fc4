#!/usr/bin/env bash
# Renders the theme icons of both programs and of the launcher file type from their
# drawings (icons/*.svg) into the fixed sizes the desktop's icon theme asks for. Run
# it after changing a drawing; the PNG files are committed, so a build needs no SVG
# renderer. Needs rsvg-convert (librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/icons"

for drawing in *.svg; do
    name=${drawing%.svg}
    for size in 16 32 48 64 128 256; do
        mkdir -p "$size"
        rsvg-convert --width "$size" --height "$size" "$drawing" --output "$size/$name.png"
    done
done
