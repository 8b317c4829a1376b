#!/bin/sh
# Makes the Windows .ico and the macOS .icns from the window icon in shell/icons: run after the
# icon changes. Needs the Debian packages icoutils, icnsutils and librsvg2-bin.
set -e
cd "$(dirname "$0")"
icons=../shell/icons
icotool --create --output=windows/parvell.ico \
  "$icons/parvell-64.png" "$icons/parvell-48.png" "$icons/parvell-32.png"
# Finder shows icons up to 512 pixels, larger than the window's own images: those come from the
# drawing.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for size in 128 256 512; do
  rsvg-convert --width "$size" --height "$size" --output "$scratch/$size.png" "$icons/parvell.svg"
done
png2icns macos/parvell.icns "$icons/parvell-32.png" "$icons/parvell-48.png" \
  "$scratch/128.png" "$scratch/256.png" "$scratch/512.png"
