#!/bin/sh
# Renders the window icon's images from its drawing: run after editing parvell.svg.
set -e
cd "$(dirname "$0")"
for size in 64 48 32; do
  rsvg-convert --width "$size" --height "$size" --output "parvell-$size.png" parvell.svg
done
