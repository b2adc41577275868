#!/bin/sh
# Makes the Windows program's icon, resources/windows/kvpm.ico, from the
# project's icons: 16, 24, 32 and 48 pixels drawn from kvpm.svg at their
# size (sharper than scaled down), 64 and 256 pixels from kvpm-64.png and
# kvpm.png. The icon is kept in the repository, so that building needs no
# ImageMagick; run this again after the icons changed.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
resources="$root/resources"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for size in 16 24 32 48; do
  # The SVG is 64 units wide; 72 dots per inch draw it at 64 pixels.
  convert -background none -density "$((72 * size / 64))" "$resources/kvpm.svg" \
    -resize "${size}x$size!" "png32:$work/$size.png"
done
convert "$resources/kvpm-64.png" -depth 8 "png32:$work/64.png"
convert "$resources/kvpm.png" -depth 8 "png32:$work/256.png"
# Without metadata, so that the same icons give the same file.
convert -strip "$work/16.png" "$work/24.png" "$work/32.png" "$work/48.png" "$work/64.png" \
  "$work/256.png" "$resources/windows/kvpm.ico"
