#!/bin/sh
# Draws the eraser icon of the Calculator tab's clear button: a slanted eraser block seen from
# above the front, its rubber end pink and its paper sleeve white, on a transparent background.
# Needs ImageMagick's `convert`.
# Usage: scripts/draw-eraser.sh [output.png]   (default: resources/eraser.png)
set -eu
out=${1:-$(dirname "$0")/../resources/eraser.png}

# The block: front top edge from (6,20) to (30,10), depth (5,-7), height 7; the sleeve covers
# the right half, from (18,15) on.
convert -size 40x30 xc:none -stroke '#4a3030' -strokewidth 1 \
  -fill '#f6a5b8' -draw 'polygon 6,20 18,15 23,8 11,13' \
  -fill '#d9607e' -draw 'polygon 6,20 18,15 18,22 6,27' \
  -fill '#ffffff' -draw 'polygon 18,15 30,10 35,3 23,8' \
  -fill '#d6dbe4' -draw 'polygon 18,15 30,10 30,17 18,22' \
  -fill '#b8bfcc' -draw 'polygon 30,10 35,3 35,10 30,17' \
  PNG32:"$out"
