#!/usr/bin/env bash
# The chart's two timed commands, on a virtual desktop with a private print server: from the
# click on "Show me" to the chart drawn on the window (pixel_watch sees the grid), and from the
# click on " Print" to the job in the print queue (lpstat).
#   bench/perf_chart.sh BUILD_DIR RESULTS_FILE    (run by bench/perf.sh)
# PERF_CHART_RUNS (10) sets how many of each. Printing needs root (the PDF back end).
set -euo pipefail
BUILD=$(cd "${1:-build}" && pwd)
RESULTS=${2:?usage: perf_chart.sh BUILD_DIR RESULTS_FILE}
RUNS=${PERF_CHART_RUNS:-10}
LIB="$(cd "$(dirname "$0")/.." && pwd)/tests/e2e/lib"
# shellcheck source=/dev/null
source "$LIB/desktop.sh"
# shellcheck source=/dev/null
source "$LIB/calvoro.sh"
# shellcheck source=/dev/null
source "$LIB/chart.sh"
# shellcheck source=/dev/null
source "$LIB/printer.sh"

ms_since() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.1f", (b - a) / 1e6}'; }
record() { echo "calvoro $1 $2" >>"$RESULTS"; }

calvoro_begin "$BUILD"
trap 'printer_stop; desktop_stop' EXIT
PRINTING=0
if [ "$(id -u)" -eq 0 ]; then
  printer_start
  printer_add_default
  PRINTING=1
else
  echo "perf: not root, so the print is not timed" >&2
fi
calvoro_write_config Perf 25/05/2001 1
calvoro_start_past_splash
chart_open_projection

# Jobs the queue has taken, printed or not.
accepted_jobs() { lpstat -W all -o 2>/dev/null | wc -l; }

for ((run = 1; run <= RUNS; run++)); do
  chart_type_first_day 01/06/2001
  t0=$(date +%s%N)
  xdotool click 1
  # The grid at the chart-size window's (36, 75), black, and (50, 56), white.
  t1=$("$BUILD/bench/pixel_watch" "$CALVORO_FORM2" 634 440 8 10 36,75,0,0,0 50,56,255,255,255) ||
    desktop_fail "no chart drawn (see $(calvoro_shot no-chart))"
  record show_me_to_chart_ms "$(ms_since "$t0" "$t1")"
  desktop_poll 5 _chart_is_chart_size || desktop_fail "no chart-size window"

  if ((PRINTING)); then
    before=$(accepted_jobs)
    xdotool mousemove $((CALVORO_FX + 15 + 123 + 54)) $((CALVORO_FY + 390 + 1 + 14))
    t0=$(date +%s%N)
    xdotool click 1
    for _ in $(seq 2000); do
      (($(accepted_jobs) > before)) && break
    done
    t1=$(date +%s%N)
    (($(accepted_jobs) > before)) || desktop_fail "no job reached the queue: $(printer_log)"
    record print_to_queue_ms "$(ms_since "$t0" "$t1")"
    printer_wait_idle 15 || desktop_fail "the print job does not end: $(printer_log)"
    calvoro_poll_shot 5 "printed-$run" chart_shown || desktop_fail "no chart after the print: $CALVORO_WHY"
  fi

  # Back to the projection panel for the next run.
  chart_button close
  desktop_poll 5 eval '! _chart_is_chart_size' || desktop_fail "the chart did not close"
  calvoro_find_content_window
  calvoro_poll_shot 5 "projection-$run" chart_projection_shown || desktop_fail "no projection panel: $CALVORO_WHY"
done
