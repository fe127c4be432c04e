#!/usr/bin/env bash
# Regenerates samples/ukazka.avi, the movie that belongs to samples/ukazka.sub:
# MPEG-4 Part 2 video in AVI, 352x288, 25 fps, exactly 750 frames (30 s), a
# moving test pattern with the frame number burnt in, so that a frame shown by
# the editor can be checked against the picture. No audio: it keeps the file
# small and the player needs none.
#
# ffmpeg is only needed to run this script; the program never uses it.
#
#   ffmpeg -f lavfi -i testsrc=size=352x288:rate=25:duration=30 \
#          -vf "drawtext=fontfile=FONT:text='%{frame_num}':..." \
#          -frames:v 750 -c:v mpeg4 -vtag XVID -b:v 60k -mbd rd -g 125 -an samples/ukazka.avi
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="${1:-$here/samples/ukazka.avi}"
font=/usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf

filter="null"
# The filter list is read whole: grep -q would close the pipe early and make
# ffmpeg fail under pipefail.
if [ -f "$font" ] && ffmpeg -hide_banner -filters 2>/dev/null | grep ' drawtext ' >/dev/null; then
  # The number drawn is the frame number the editor uses: time x 25, from 0.
  filter="drawtext=fontfile=$font:text='%{frame_num}':fontsize=48:fontcolor=white"
  filter="$filter:box=1:boxcolor=black@0.6:boxborderw=8:x=(w-tw)/2:y=h-th-24"
fi

ffmpeg -hide_banner -loglevel error -y \
  -f lavfi -i testsrc=size=352x288:rate=25:duration=30 \
  -vf "$filter" -frames:v 750 \
  -c:v mpeg4 -vtag XVID -b:v 60k -mbd rd -g 125 -an \
  "$out"

echo "written $out ($(stat -c %s "$out") bytes)"
