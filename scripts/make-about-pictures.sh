#!/usr/bin/env bash
# Draws the two 800 x 600 pictures of the about window with ImageMagick:
# a summer and a winter landscape under a strip of film frames, with the
# program's name. The top stays light for the window's dark labels.
# Usage: scripts/make-about-pictures.sh [output folder]   (default: resources/)
set -euo pipefail
out="${1:-$(dirname "$0")/../resources}"
font=DejaVu-Sans-Bold

# A band of film across the picture: sprocket holes along both edges and
# the frames between them.
film=()
film_strip() {
  local top=$1 holes="" frames="" x
  for x in $(seq 10 40 790); do
    holes+=" roundrectangle $x,$((top + 8)) $((x + 20)),$((top + 20)) 4,4"
    holes+=" roundrectangle $x,$((top + 100)) $((x + 20)),$((top + 112)) 4,4"
  done
  for x in $(seq 20 130 700); do
    frames+=" roundrectangle $x,$((top + 30)) $((x + 110)),$((top + 90)) 8,8"
  done
  film=(-fill '#1d2733b0' -draw "rectangle 0,$top 800,$((top + 120))"
        -fill '#f4f0e6d0' -draw "$holes"
        -fill '#ffffff30' -draw "$frames")
}

film_strip 300

convert -size 800x600 gradient:'#fff8dc'-'#f39c4a' \
  -fill '#ffd14d80' -draw 'circle 660,150 660,250' \
  -fill '#ffe07a' -draw 'circle 660,150 660,215' \
  -fill '#9ccc7a' -draw 'ellipse 180,650 430,230 180,360' \
  -fill '#5f9e55' -draw 'ellipse 640,680 440,250 180,360' \
  "${film[@]}" \
  -font "$font" -pointsize 88 -fill '#ffffffd8' -gravity south -annotate +0+40 Cuefold \
  -quality 88 "$out/about-summer.jpg"

flakes=""
RANDOM=1250
for _ in $(seq 1 140); do
  x=$((RANDOM % 800)) y=$((RANDOM % 600)) r=$((RANDOM % 3 + 2))
  flakes+=" circle $x,$y $((x + r)),$y"
done
convert -size 800x600 gradient:'#f2f8ff'-'#3d6fa6' \
  -fill '#ffffff' -draw 'ellipse 160,660 460,240 180,360' \
  -fill '#dfeaf6' -draw 'ellipse 660,690 430,260 180,360' \
  "${film[@]}" \
  -fill '#ffffffc0' -draw "$flakes" \
  -font "$font" -pointsize 88 -fill '#3d6fa6d8' -gravity south -annotate +0+40 Cuefold \
  -quality 88 "$out/about-snow.jpg"
