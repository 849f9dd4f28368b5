#!/usr/bin/env bash
# Numbers the parts of the window on docs/screenshot.png for the user guide, whose
# table names each number: writes docs/user-guide-window.png. With --tools, the parts
# of the Tools window on docs/tools-screenshot.png (scripts/run.sh --tools makes one):
# writes docs/user-guide-tools.png. Run again after a new screenshot (ImageMagick's
# convert; scripts/setup.sh installs it).
set -euo pipefail
cd "$(dirname "$0")/.."
# number x y: a marker's centre, beside the part it names.
markers=(
  1 228 31    2 128 72    3 292 72    4 452 72    5 548 158   6 632 96
  7 150 275   8 188 296   9 120 380   10 396 275  11 410 314  12 604 280
  13 604 311  14 720 350  15 570 436  16 262 512
)
shot=docs/screenshot.png out=docs/user-guide-window.png
if [ "${1:-}" = --tools ]; then
  markers=(1 60 58  2 330 64  3 100 84  4 420 190  5 70 263  6 276 406  7 455 406)
  shot=docs/tools-screenshot.png out=docs/user-guide-tools.png
fi
draw=()
for ((i = 0; i < ${#markers[@]}; i += 3)); do
  n=${markers[i]} x=${markers[i + 1]} y=${markers[i + 2]}
  draw+=(-fill '#c00000' -stroke white -strokewidth 1.5 -draw "circle $x,$y $((x + 9)),$y"
         -fill white -stroke none -annotate "+$((x - (n > 9 ? 7 : 4)))+$((y + 4))" "$n")
done
convert "$shot" -font DejaVu-Sans-Bold -pointsize 11 "${draw[@]}" \
  -define png:exclude-chunks=date,time "$out"
echo "$out"
