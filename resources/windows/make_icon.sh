#!/bin/sh
# Builds the Windows icon group from the SVG source: 32x32 in 2 colours,
# 32x32 in 16 colours and 16x16 in 16 colours, each with a 1-bit mask.
# Usage: make_icon.sh SOURCE.svg OUTPUT.ico
set -eu
svg="$1"
ico="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

rsvg-convert -w 32 -h 32 "$svg" -o "$work/full.png"
# Icon masks are all-or-nothing: half-covered edge pixels are either in or out.
convert "$work/full.png" -channel A -threshold 50% +channel PNG32:"$work/32.png"
# Black and white by brightness: the dark slate, the light "x =".
convert "$work/32.png" -colorspace Gray -threshold 50% -type TrueColorAlpha PNG32:"$work/32x1.png"
convert "$work/32.png" +dither -colors 16 PNG32:"$work/32x4.png"
# Point-sampling the 32 px picture keeps the two bars of "=" apart at 16 px,
# where a smooth reduction blurs them into one block.
convert "$work/32.png" -sample 16x16 +dither -colors 16 PNG32:"$work/16x4.png"

icotool -c -o "$ico" -b 1 "$work/32x1.png" -b 4 "$work/32x4.png" -b 4 "$work/16x4.png"
