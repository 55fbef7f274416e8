#!/bin/sh
# Draws the program logo data/logo_sestina.png (160 x 80): a gold ball with the
# six beside the name, on the program's blue. Needs ImageMagick and DejaVu fonts.
set -e
cd "$(dirname "$0")/.."
convert -size 160x80 xc:'rgb(31,78,156)' \
  -fill 'rgb(255,204,0)' -stroke 'rgb(200,150,0)' -strokewidth 2 -draw 'circle 34,40 34,12' \
  -stroke none -fill 'rgb(31,78,156)' -font DejaVu-Sans-Bold -pointsize 34 \
  -gravity NorthWest -annotate +23+18 '6' \
  -fill white -font DejaVu-Sans-Bold -pointsize 21 -annotate +68+19 'Sestina' \
  -fill 'rgb(255,204,0)' -font DejaVu-Sans -pointsize 10 -annotate +70+47 'SuperEnalotto' \
  -define png:bit-depth=8 -define png:color-type=2 -strip data/logo_sestina.png
