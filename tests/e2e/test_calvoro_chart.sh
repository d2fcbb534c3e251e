#!/usr/bin/env bash
# The 30-day chart as a user reaches it: the projection panel from the tray menu, a typed first
# day and "Show me" give the grid and the three curves on a chart-size window, under a headline
# and a week-day row that are read off the screen; "Next Month" draws the next 30 days with
# their headline, week days and new curves.
set -euo pipefail
BUILD=${1:?usage: test_calvoro_chart.sh BUILD_DIR}
source "$(dirname "$0")/lib/desktop.sh"
source "$(dirname "$0")/lib/calvoro.sh"
source "$(dirname "$0")/lib/chart.sh"

calvoro_begin "$BUILD"
calvoro_write_config Anna 25/05/2001 1
calvoro_start_past_splash

chart_open_projection
chart_show_me 01/06/2001
[ "$CALVORO_FX $CALVORO_FY" = "$(((1024 - 634) / 2)) $(((768 - 440) / 2))" ] ||
  desktop_fail "the chart is at $CALVORO_FX,$CALVORO_FY, not centred"
JUNE=$CALVORO_LAST_SHOT

# What a chart of 30 days from FIRST (yyyy-mm-dd) says above its grid, from the calendar: the
# headline, and the week-day row (each day's name as the C locale shortens it, to two letters).
_dmy() { date -d "$1" +%d/%m/%Y; }
_headline() { echo "Anna (25/05/2001) here is your power from $(_dmy "$1") to $(_dmy "$1 +29 days")"; }
_week_days() {
  local day row=""
  for day in $(seq 0 29); do row+=" $(date -d "$1 +$day days" +%a | cut -c1-2)"; done
  echo " $row"
}
# The week-day row starts on a Friday, the first of June 2001.
chart_week_days_are "$JUNE" "$(_week_days 2001-06-01)" || desktop_fail "June's week days: $CALVORO_WHY"
chart_headline_is "$JUNE" "$(_headline 2001-06-01)" || desktop_fail "June's headline: $CALVORO_WHY"

# The next month begins the day after the last one shown.
chart_button next
_next_month() {
  chart_shown "$1" && chart_headline_is "$1" "$(_headline 2001-07-01)" &&
    chart_week_days_are "$1" "$(_week_days 2001-07-01)" || return 1
  CURVES_DIFF=$(compare -metric AE "$(chart_crop "$JUNE" 30 47 580 256)" "$(chart_crop "$1" 30 47 580 256)" null: 2>&1 || true)
  ((CURVES_DIFF > 500)) || _calvoro_why "only $CURVES_DIFF pixels of the curves changed"
}
calvoro_poll_shot 5 2-next-month _next_month || desktop_fail "Next Month: $CALVORO_WHY"

# Back to the projection panel at its own size.
chart_button close
desktop_poll 5 eval '[ "$(calvoro_geometry "$CALVORO_FORM2" | cut -d" " -f3,4,5)" = "385 248 IsViewable" ]' ||
  desktop_fail "Close did not bring the projection panel back"
desktop_alive "$CALVORO_PID" || desktop_fail "calvoro ended"
echo "PASS"
