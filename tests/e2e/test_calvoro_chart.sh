#!/usr/bin/env bash
# The 30-day chart as a user reaches it: the projection panel from the tray menu, a typed first
# day and "Show me" give the grid and the three curves on a chart-size window; "Next Month"
# draws the next 30 days with a new headline and new curves.
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
# The week-day row starts on a Friday and the headline is there.
read -r r g b <<<"$(calvoro_window_mean "$JUNE" 100 9 400 18)"
((r < 185)) || desktop_fail "no headline"

chart_button next
_changed() {
  chart_shown "$1" || return 1
  HEADLINE_DIFF=$(compare -metric AE "$(chart_crop "$JUNE" 18 9 618 18)" "$(chart_crop "$1" 18 9 618 18)" null: 2>&1 || true)
  CURVES_DIFF=$(compare -metric AE "$(chart_crop "$JUNE" 30 47 580 256)" "$(chart_crop "$1" 30 47 580 256)" null: 2>&1 || true)
  ((HEADLINE_DIFF > 50 && CURVES_DIFF > 500))
}
calvoro_poll_shot 5 2-next-month _changed ||
  desktop_fail "Next Month changed $HEADLINE_DIFF headline and $CURVES_DIFF chart pixels"

# Back to the projection panel at its own size.
chart_button close
desktop_poll 5 eval '[ "$(calvoro_geometry "$CALVORO_FORM2" | cut -d" " -f3,4,5)" = "385 248 IsViewable" ]' ||
  desktop_fail "Close did not bring the projection panel back"
desktop_alive "$CALVORO_PID" || desktop_fail "calvoro ended"
echo "PASS"
