#!/usr/bin/env bash
# Measures Cuefold's start-up against a bare Qt window built with it, in the
# same run and interleaved, so that both meet the same machine load.
#
#   scripts/measure-startup.sh [BUILD_DIR]      (default: build)
#   RUNS=7 scripts/measure-startup.sh build-bench
#
# For each program, under a private Xvfb display: CPU time until the titled
# window is mapped, wall time until the document is on the screen, peak
# resident memory, and the dynamic loader's start-up work (LD_DEBUG=statistics).
# Cuefold opens a 2500-subtitle file with no movie beside it, so the movie
# question follows the document; it is built only after the main window has
# been painted with the document, so its appearance closes the document's
# paint from above. The bare window paints once it is mapped.
set -euo pipefail

BUILD_DIR=${1:-build}
RUNS=${RUNS:-5}
for exe in cuefold bare_window; do
  [ -x "$BUILD_DIR/$exe" ] || { echo "no executable $BUILD_DIR/$exe; build first" >&2; exit 1; }
done
BUILD_DIR=$(realpath "$BUILD_DIR")

WORK=$(mktemp -d)
XVFB_PID=""
cleanup() {
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
  rm -rf "$WORK"
}
trap cleanup EXIT

# A copy of the program, its picture and movie analysis libraries beside it, with settings of its
# own: the shipped defaults with the language chosen, since a new user is
# asked for it before anything else.
cp "$BUILD_DIR/cuefold" "$BUILD_DIR/bare_window" "$WORK/"
cp "$BUILD_DIR"/libcuefold-video.so "$BUILD_DIR"/libcuefold-media.so "$WORK/" 2>/dev/null || true
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

now_us() { echo "${EPOCHREALTIME/./}"; }
# CPU time of a process so far, in microseconds, from the scheduler.
cpu_us() { awk '{printf "%d", $1 / 1000}' "/proc/$1/schedstat"; }
windows() { xwininfo -root -tree 2>/dev/null; }

# One run: launch under GNU time, note the CPU when the titled window is
# mapped and the wall time when `shown_pattern` matches, then end it.
# Prints "cpu_us wall_us peak_kib".
one_run() {
  local report=$1 title=$2 shown=$3 start pid child cpu="" wall=""
  shift 3
  start=$(now_us)
  /usr/bin/time -v -o "$report" "$@" > /dev/null 2> "$report.err" &
  pid=$!
  while [ -z "$wall" ]; do
    kill -0 "$pid" 2>/dev/null || { echo "$1 ended before its window appeared:" >&2; cat "$report" "$report.err" >&2; exit 1; }
    child=${child:-$(pgrep -P "$pid" || true)}
    # The CPU is read before the window list: a list takes a while to
    # come, and the program goes on working after its window is mapped.
    local tree before=""
    [ -n "$child" ] && before=$(cpu_us "$child" 2>/dev/null || true)
    tree=$(windows)
    if [ -z "$cpu" ] && [ -n "$before" ] && grep -qE "$title" <<< "$tree"; then
      cpu=$before
    fi
    if [ -n "$cpu" ] && grep -qE "$shown" <<< "$tree"; then
      wall=$(( $(now_us) - start ))
    fi
  done
  # The programs wait for the user; GNU time still reports the peak memory
  # of a child ended by a signal.
  kill -TERM "$child"
  wait "$pid" || true
  echo "$cpu $wall $(awk -F': ' '/Maximum resident set size/ {print $2}' "$report")"
}

# The dynamic loader's own count of its start-up work: "cycles relocations".
loader_cycles() {
  local log=$WORK/ld.$BASHPID pid
  LD_DEBUG=statistics LD_DEBUG_OUTPUT=$log "$@" > /dev/null 2>&1 &
  pid=$!
  until grep -qs "number of relocations:" "$log".*; do sleep 0.01; done
  kill -TERM "$pid"; wait "$pid" 2>/dev/null || true
  grep -h "total startup time in dynamic loader" "$log".* | grep -oE '[0-9]+ cycles' | grep -oE '[0-9]+' | tr '\n' ' '
  grep -h "number of relocations:" "$log".* | grep -oE '[0-9]+$'
  rm -f "$log".*
}

# The main window under its first caption, before the document's name is in
# it (the window of the same name without a class is Qt's client leader).
CUEFOLD_TITLE='"Cuefold[^"]*": \("cuefold"'

# The movie question, a second top-level window of ours over the document.
CUEFOLD_SHOWN="\"(Otevřít|Open)[^\"]*\"|\"$(basename "$SUB")\""
BARE_TITLE="\"bare window $$\": \(\""

declare -a c_cpu c_wall c_rss b_cpu b_wall b_rss c_ld b_ld
for ((run = 1; run <= RUNS; run++)); do
  read -r cpu wall rss < <(one_run "$WORK/bare.$run" "$BARE_TITLE" "$BARE_TITLE" "$WORK/bare_window" "bare window $$")
  b_cpu+=("$cpu"); b_wall+=("$wall"); b_rss+=("$rss")
  read -r cpu wall rss < <(one_run "$WORK/cuefold.$run" "$CUEFOLD_TITLE" "$CUEFOLD_SHOWN" "$WORK/cuefold" "$SUB")
  c_cpu+=("$cpu"); c_wall+=("$wall"); c_rss+=("$rss")
  read -r cycles relocations < <(loader_cycles "$WORK/bare_window" "bare window $$")
  b_ld+=("$cycles"); b_rel=$relocations
  read -r cycles relocations < <(loader_cycles "$WORK/cuefold" "$SUB")
  c_ld+=("$cycles"); c_rel=$relocations
  printf 'run %d: cuefold cpu %5.1f ms  wall %6.1f ms  %5.1f MiB | bare cpu %5.1f ms  wall %6.1f ms  %5.1f MiB\n' \
    "$run" "$(bc -l <<< "${c_cpu[-1]} / 1000")" "$(bc -l <<< "${c_wall[-1]} / 1000")" "$(bc -l <<< "${c_rss[-1]} / 1024")" \
    "$(bc -l <<< "${b_cpu[-1]} / 1000")" "$(bc -l <<< "${b_wall[-1]} / 1000")" "$(bc -l <<< "${b_rss[-1]} / 1024")"
done

median() { printf '%s\n' "$@" | sort -n | awk '{a[NR] = $1} END {print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }
report() {
  local what=$1 unit=$2 scale=$3 c b
  c=$(median "${@:4:RUNS}")
  b=$(median "${@:4+RUNS:RUNS}")
  awk -v w="$what" -v u="$unit" -v s="$scale" -v c="$c" -v b="$b" \
    'BEGIN {printf "%-34s cuefold %8.1f %s  bare %8.1f %s  ratio %.2fx\n", w, c / s, u, b / s, u, c / b}'
}
echo "medians of $RUNS interleaved runs:"
report "CPU to the titled window" ms 1000 "${c_cpu[@]}" "${b_cpu[@]}"
report "wall time to the document shown" ms 1000 "${c_wall[@]}" "${b_wall[@]}"
report "peak resident memory" MiB 1024 "${c_rss[@]}" "${b_rss[@]}"
# The loader's work is the same in every run; only waiting for a busy
# machine adds to its cycles, so the least of them is the measure.
least() { printf '%s\n' "$@" | sort -n | head -n1; }
awk -v c="$(least "${c_ld[@]}")" -v b="$(least "${b_ld[@]}")" \
  'BEGIN {printf "%-34s cuefold %8.1f %s  bare %8.1f %s  ratio %.2fx\n", "dynamic loader (least of the runs)", c / 1e6, "Mcycles", b / 1e6, "Mcycles", c / b}'
awk -v c="$c_rel" -v b="$b_rel" \
  'BEGIN {printf "%-34s cuefold %8d %s  bare %8d %s  ratio %.2fx\n", "dynamic loader relocations", c, "   ", b, "   ", c / b}'
