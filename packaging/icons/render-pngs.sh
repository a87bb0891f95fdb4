#!/bin/sh
# Renders the PNG sizes of the application icon from its SVG drawing, into the hicolor tree next
# to it. The PNGs are committed, so a build needs no SVG renderer; run this after editing the SVG.
# Needs rsvg-convert (Debian package librsvg2-bin).
set -eu
cd "$(dirname "$0")/hicolor"
id=io.github.cinquevole.Cinquevole
for size in 16 24 32 48 64 128 256; do
    mkdir -p "${size}x${size}/apps"
    rsvg-convert --width "$size" --height "$size" --output "${size}x${size}/apps/$id.png" \
        "scalable/apps/$id.svg"
done
