#!/usr/bin/env bash
# Calvoro against the bare three-icon Qt program, alternately, on one virtual desktop; on quiet
# days also against the same program with a three-second splash (bare_tray --splash).
#   bench/perf.sh BUILD_DIR        (make perf)
# Settings: PERF_RUNS (15), PERF_IDLE seconds of idle measurement (55, so the second memory
# reading falls 60 s after start), PERF_CYCLES openings of the content window (50),
# PERF_CHART_RUNS timings of "Show me" and " Print" (10, bench/perf_chart.sh), PERF_BUS_RUNS
# windows of PERF_BUS_SECONDS on the bus while blinking (3 of 20 s, bench/perf_bus.sh). The
# openings are timed to their first frame, and memory is read again 60 s after the last one closed.
set -euo pipefail
BUILD=$(cd "${1:-build}" && pwd)
ROOT=$(cd "$(dirname "$0")/.." && pwd)
# --- a network namespace of its own: begin ---
# The single-instance lock is per user and network namespace: a Calvoro the user (or a test)
# runs meanwhile would make the measured copies refuse to start.
if [ -z "${PERF_OWN_NETWORK:-}" ]; then
  PERF_OWN_NETWORK=1 exec bash "$ROOT/tests/e2e/lib/own_network.sh" bash "$0" "$BUILD"
fi
# --- a network namespace of its own: end ---
RUNS=${PERF_RUNS:-15}
IDLE=${PERF_IDLE:-55}
CYCLES=${PERF_CYCLES:-50}
CALVORO="$BUILD/app/calvoro"
BARE="$BUILD/bench/bare_tray"
WATCH="$BUILD/bench/embed_watch"
for p in "$CALVORO" "$BARE" "$WATCH" "$BUILD/bench/pixel_watch" "$BUILD/bench/map_watch"; do
  [ -x "$p" ] || { echo "perf: $p is missing; run make build first" >&2; exit 1; }
done

# shellcheck source=/dev/null
source "$ROOT/tests/e2e/lib/desktop.sh"
# shellcheck source=/dev/null
source "$ROOT/tests/e2e/lib/calvoro.sh"
CALVORO_TODAY=$(date +%Y-%m-%d)
desktop_start
RESULTS="$DESKTOP_DIR/results"
: >"$RESULTS"

config_file() { echo "$XDG_CONFIG_HOME/Calvoro by KALDO Prototyping/Calvoro.ini"; }
write_config() { # birth date, fourth line ("0": the icons blink)
  mkdir -p "$(dirname "$(config_file)")"
  printf '\r\nPerf\r\n%s\r\n%s\r\n' "$1" "$2" >"$(config_file)"
}
status_field() { awk -v k="$2:" '$1 == k {print $2}' "/proc/$1/status"; }
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
switches() { echo $(($(status_field "$1" voluntary_ctxt_switches) + $(status_field "$1" nonvoluntary_ctxt_switches))); }
# --- blinking, per blink: begin ---
# Every thread's (the X reader's and the bus's too), where switches() counts the main thread's.
all_switches() { cat /proc/"$1"/task/*/status | awk '/_ctxt_switches:/ {s += $2} END {print s}'; }
# --- blinking, per blink: end ---
record() { echo "$1 $2 $3" >>"$RESULTS"; } # program metric value

# One start: time to three icons, memory at 5 s and after the idle time, wakeups and CPU while idle.
measure_start() {
  local name=$1 program=$2 day=$3 watch_out pid t0 t1 s0 c0
  shift 3 # the rest: the program's arguments
  watch_out="$DESKTOP_DIR/watch.out"
  "$WATCH" "$DESKTOP_TRAY" 3 20 >"$watch_out" &
  local watcher=$!
  desktop_poll 5 grep -q ready "$watch_out"
  t0=$(date +%s%N)
  "$program" "$@" >"$DESKTOP_DIR/$name.out" 2>&1 &
  pid=$!
  wait "$watcher" || { kill "$pid"; echo "perf: $name's icons did not arrive" >&2; return 1; }
  t1=$(tail -n 1 "$watch_out")
  [ "$day" = quiet ] && record "$name" start_ms "$(awk -v a="$t0" -v b="$t1" 'BEGIN {printf "%.1f", (b - a) / 1e6}')"
  sleep $((5 - ($(date +%s%N) - t0) / 1000000000))
  if [ "$day" = quiet ]; then
    record "$name" rss5_kB "$(status_field "$pid" VmRSS)"
    record "$name" hwm5_kB "$(status_field "$pid" VmHWM)"
  fi
  s0=$(switches "$pid"); c0=$(cpu_ticks "$pid")
  local a0; a0=$(all_switches "$pid") # blinking, per blink
  sleep "$IDLE"
  record "$name" "wakeups_${day}" "$(($(switches "$pid") - s0))"
  # --- blinking, per blink: begin ---
  # One blink a second: the counts over the idle seconds per blink.
  local main=$(($(switches "$pid") - s0)) all=$(($(all_switches "$pid") - a0))
  record "$name" "all_threads_wakeups_${day}" "$all"
  if [ "$day" = blinking ] && [ "$name" = calvoro ]; then
    per_blink() { awk -v d="$1" -v n="$IDLE" 'BEGIN {printf "%.2f", d / n}'; }
    record "$name" switches_per_blink "$(per_blink "$main")"
    record "$name" all_threads_switches_per_blink "$(per_blink "$all")"
  fi
  # --- blinking, per blink: end ---
  record "$name" "cpu_ms_${day}" "$(( ($(cpu_ticks "$pid") - c0) * 1000 / $(getconf CLK_TCK) ))"
  if [ "$day" = quiet ]; then
    record "$name" rss60_kB "$(status_field "$pid" VmRSS)"
    record "$name" hwm60_kB "$(status_field "$pid" VmHWM)"
    # --- the program's own memory: resident pages that are no library's or file's ---
    record "$name" anon60_kB "$(status_field "$pid" RssAnon)"
    # --- end of the block ---
  fi
  kill -TERM "$pid"; wait "$pid" 2>/dev/null || true
  desktop_poll 5 _perf_no_icons
}
_perf_no_icons() { [ "$(desktop_tray_icons | wc -l)" -eq 0 ]; }

quiet_birth=$(calvoro_birth_date_where 'e > 35 && e < 65 && i > 35 && i < 65 && p > 35 && p < 65')
blink_birth=$(calvoro_birth_date_where 'e > 95')

for ((run = 1; run <= RUNS; run++)); do
  echo "perf: run $run of $RUNS" >&2
  for day in quiet blinking; do
    if [ $day = quiet ]; then write_config "$quiet_birth" 0; else write_config "$blink_birth" 0; fi
    measure_start calvoro "$CALVORO" $day
    measure_start bare "$BARE" $day
    # --- the floor with a splash: begin ---
    if [ $day = quiet ]; then measure_start bare_splash "$BARE" $day --splash; fi
    # --- the floor with a splash: end ---
  done
done

# Opening and closing the content window from a tray icon.
write_config "$quiet_birth" 0
"$CALVORO" >"$DESKTOP_DIR/cycles.out" 2>&1 &
pid=$!
calvoro_wait_tray_icons 3
sleep 4 # the splash
icon=$(desktop_tray_icons | head -n 1 | cut -d' ' -f1)
# shellcheck source=/dev/null
source "$ROOT/bench/content_cycle.sh"
for ((i = 1; i <= CYCLES; i++)); do
  ms=$(content_open_and_close "$BUILD" "$icon") || { echo "perf: opening $i failed" >&2; exit 1; }
  record calvoro open_to_first_frame_ms "$ms"
  if [ "$i" -eq 10 ] || [ "$i" -eq "$CYCLES" ]; then
    record calvoro "rss_after_${i}_cycles_kB" "$(status_field "$pid" VmRSS)"
  fi
done
# --- memory 60 s after the last window closed ---
closed=$(date +%s)
sleep $((closed + 60 - $(date +%s)))
record calvoro rss60_after_closing_kB "$(status_field "$pid" VmRSS)"
record calvoro anon60_after_closing_kB "$(status_field "$pid" RssAnon)"
# --- end of the block ---
kill -TERM "$pid"; wait "$pid" 2>/dev/null || true

# --- blinking under a StatusNotifierItem host: begin ---
echo "perf: the bus while blinking" >&2
bash "$ROOT/bench/perf_bus.sh" "$BUILD" "$RESULTS"
# --- blinking under a StatusNotifierItem host: end ---

# "Show me" to the chart drawn, " Print" to the job in the queue: a desktop and print server of their own.
echo "perf: the chart and the print" >&2
bash "$ROOT/bench/perf_chart.sh" "$BUILD" "$RESULTS"

python3 - "$RESULTS" "$(nproc)" <<'PY'
import statistics, sys
rows = [l.split() for l in open(sys.argv[1]) if l.strip()]
data = {}
for prog, metric, value in rows:
    data.setdefault(metric, {}).setdefault(prog, []).append(float(value))
# ratio: Calvoro's median against the bare program's; splash: against bare_tray --splash's.
print(f"{'metric':<34}{'program':<12}{'min':>10}{'median':>10}{'max':>10}{'ratio':>8}{'splash':>8}")
for metric, progs in data.items():
    medians = {p: statistics.median(v) for p, v in progs.items()}
    # Memory after the windows were closed, against the bare program 60 s after its start.
    reference = {'rss60_after_closing_kB': 'rss60_kB', 'anon60_after_closing_kB': 'anon60_kB'}
    for floor in ('bare', 'bare_splash'):
        if metric in reference and floor in data.get(reference[metric], {}):
            medians[floor] = statistics.median(data[reference[metric]][floor])
    def against(floor):
        return f"{medians['calvoro'] / medians[floor]:.2f}" if medians.get(floor) else ''
    for p, v in progs.items():
        ratio, splash = (against('bare'), against('bare_splash')) if p == 'calvoro' else ('', '')
        print(f"{metric:<34}{p:<12}{min(v):>10.1f}{medians[p]:>10.1f}{max(v):>10.1f}{ratio:>8}{splash:>8}")
PY
