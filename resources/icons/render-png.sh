#!/bin/sh
# Renders the program icon (128.svg) into the hicolor PNG sizes that desktops without SVG support
# look for. Run it again after changing 128.svg and commit the result (needs librsvg2-bin).
set -eu
cd "$(dirname "$0")"
for size in 16 22 24 32 48 64 128 256; do
    mkdir -p "hicolor/${size}x${size}/apps"
    rsvg-convert -w "$size" -h "$size" 128.svg -o "hicolor/${size}x${size}/apps/sheetwise.png"
done
