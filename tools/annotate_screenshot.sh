#!/usr/bin/env bash
# Numbers the parts of the window on docs/screenshot.png for the user guide, whose
# table names each number: writes docs/user-guide-window.png. Run again after a new
# screenshot (ImageMagick's convert; scripts/setup.sh installs it).
set -euo pipefail
cd "$(dirname "$0")/.."
# number x y: a marker's centre, beside the part it names.
markers=(
  1 228 31    2 128 72    3 292 72    4 452 72    5 548 158   6 632 96
  7 150 275   8 188 296   9 120 380   10 396 275  11 410 314  12 604 280
  13 604 311  14 720 350  15 570 436  16 262 512
)
draw=()
for ((i = 0; i < ${#markers[@]}; i += 3)); do
  n=${markers[i]} x=${markers[i + 1]} y=${markers[i + 2]}
  draw+=(-fill '#c00000' -stroke white -strokewidth 1.5 -draw "circle $x,$y $((x + 9)),$y"
         -fill white -stroke none -annotate "+$((x - (n > 9 ? 7 : 4)))+$((y + 4))" "$n")
done
convert docs/screenshot.png -font DejaVu-Sans-Bold -pointsize 11 "${draw[@]}" \
  -define png:exclude-chunks=date,time docs/user-guide-window.png
echo docs/user-guide-window.png
