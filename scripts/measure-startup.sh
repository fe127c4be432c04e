#!/usr/bin/env bash
# Measures how long Cuefold takes from launch until its main window shows a
# full 2500-subtitle file, and how much memory the process peaks at.
#
#   scripts/measure-startup.sh [BUILD_DIR]      (default: build)
#   RUNS=5 scripts/measure-startup.sh build-bench
#
# Runs the program RUNS times under a private Xvfb display and prints every
# run, the median time and the largest maximum resident set size.
set -euo pipefail

BUILD_DIR=${1:-build}
RUNS=${RUNS:-5}
EXE="$BUILD_DIR/cuefold"
[ -x "$EXE" ] || { echo "no executable $EXE; build first" >&2; exit 1; }
EXE=$(realpath "$EXE")

WORK=$(mktemp -d)
XVFB_PID=""
cleanup() {
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
  rm -rf "$WORK"
}
trap cleanup EXIT

# A copy of the program with settings of its own: the shipped defaults with
# the language chosen, since a new user is asked for it before anything else.
cp "$EXE" "$WORK/cuefold"
EXE="$WORK/cuefold"
LC_ALL=C sed 's/^Preferred=\r$/Preferred=\xC8esky\r/' "$(dirname "$0")/../resources/cuefold.INI" > "$WORK/cuefold.INI"

# The file: an FPS subtitle and 2499 Czech subtitles of one to three rows,
# windows-1250 with CR LF, as a subtitle editor in Czech would write it.
write_subtitles() {
  local rows=(
    "Ahoj, jak se máš?" "To je všechno, co vím." "Počkej na mě!" "Přijdu zítra v osm hodin."
    "{y:i}Kde jsi byl celou noc?" "Žluťoučký kůň úpěl ďábelské ódy." "Neříkej mi, že ses bál."
    "Ještě jednou a končím." "Řekni mi pravdu, Jiří." "Tohle ti nezapomenu."
  )
  local i r count text from=100 last
  RANDOM=2500
  printf '{1}{1}25\r\n'
  for ((i = 2; i <= 2500; i++)); do
    count=$((RANDOM % 3 + 1))
    text=${rows[RANDOM % ${#rows[@]}]}
    for ((r = 1; r < count; r++)); do
      text+="|${rows[RANDOM % ${#rows[@]}]}"
    done
    last=$((from + 30 + RANDOM % 90))
    printf '{%d}{%d}%s\r\n' "$from" "$last" "$text"
    from=$((last + 5))
  done
}
SUB="$WORK/film-2500.sub"
write_subtitles | iconv -f UTF-8 -t WINDOWS-1250 > "$SUB"

# A display of our own: Xvfb picks a free number and writes it once it
# accepts connections.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3> "$WORK/display" 2> "$WORK/xvfb.log" &
XVFB_PID=$!
until [ -s "$WORK/display" ]; do
  kill -0 "$XVFB_PID" 2>/dev/null || { cat "$WORK/xvfb.log" >&2; exit 1; }
  sleep 0.01
done
DISPLAY=":$(head -n1 "$WORK/display")"
export DISPLAY

# The main window's caption once the file is open; the properties window
# that follows carries the bare file name.
TITLE="\"Cuefold - $(basename "$SUB")"

now_ms() { echo $(( ${EPOCHREALTIME/./} / 1000 )); }

one_run() {
  local report=$1 start pid child elapsed
  start=$(now_ms)
  /usr/bin/time -v -o "$report" "$EXE" "$SUB" > /dev/null 2>&1 &
  pid=$!
  until xwininfo -root -tree 2>/dev/null | grep -qF "$TITLE"; do
    kill -0 "$pid" 2>/dev/null || { echo "cuefold ended before its window appeared" >&2; exit 1; }
    sleep 0.005
  done
  elapsed=$(( $(now_ms) - start ))
  # The program waits for the user; GNU time still reports the peak memory
  # of a child ended by a signal.
  child=$(pgrep -P "$pid")
  kill -TERM "$child"
  wait "$pid" || true
  echo "$elapsed"
}

times=()
max_kib=0
for ((run = 1; run <= RUNS; run++)); do
  ms=$(one_run "$WORK/time.$run")
  kib=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$WORK/time.$run")
  awk -v r="$run" -v ms="$ms" -v kib="$kib" 'BEGIN {printf "run %d: %4d ms  %6.1f MiB\n", r, ms, kib / 1024}'
  times+=("$ms")
  if (( kib > max_kib )); then max_kib=$kib; fi
done

median=$(printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR] = $1} END {print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}')
printf 'median start-up: %s ms (target < 250 ms)\n' "$median"
awk -v kib="$max_kib" 'BEGIN {printf "max RSS:         %.1f MiB (target < 70 MiB)\n", kib / 1024}'
