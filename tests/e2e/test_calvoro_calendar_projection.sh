#!/usr/bin/env bash
# The quickest way into a chart: on the projection panel "Calendar" opens the date chooser; a
# click on a day and OK switch the content window to the 30-day chart of that day at once,
# centred, and the chooser closes; before that, two errors it survives.
set -euo pipefail
BUILD=${1:?usage: test_calvoro_calendar_projection.sh BUILD_DIR}
source "$(dirname "$0")/lib/desktop.sh"
source "$(dirname "$0")/lib/calvoro.sh"
source "$(dirname "$0")/lib/chooser.sh"
source "$(dirname "$0")/lib/chart.sh"
source "$(dirname "$0")/lib/boxes.sh"

calvoro_begin "$BUILD"
calvoro_write_config Anna 12/05/1970 1
calvoro_start_past_splash

# "Your power everyday", the second item of the menu: the projection panel.
KNOWN=$(xdotool search --all --onlyvisible --pid "$CALVORO_PID" 2>/dev/null || true)
_menu() {
  local window height
  for window in $(xdotool search --all --onlyvisible --pid "$CALVORO_PID" 2>/dev/null); do
    grep -qx "$window" <<<"$KNOWN" && continue
    read -r _ _ _ height _ <<<"$(calvoro_geometry "$window")"
    ((height > 150)) && return 0
  done
  return 1
}
desktop_right_click_menu "$(calvoro_tray_icons_in_order | sed -n 3p | cut -d' ' -f1)" _menu || desktop_fail "no menu after a right click"
desktop_key Down Down Return
calvoro_find_content_window
calvoro_poll_shot 5 1-projection calvoro_panel_patch_is projectionbg 2 150 40 60 ||
  desktop_fail "no projection panel: $CALVORO_WHY"

# "Calendar" at (128, 118) of the panel, 110 x 24.
xdotool mousemove $((CALVORO_FX + 10 + 128 + 55)) $((CALVORO_FY + 10 + 118 + 12)) click 1
chooser_find
calvoro_poll_shot 5 2-chooser chooser_shown || desktop_fail "the chooser does not show: $CALVORO_WHY"
# OK on 31/12/9999: the chart would pass the calendar's end; after the box the chooser stays.
# Then the month's down arrow (November has no 31st): one box, and the field stays still, or
# it raises the next box at once and blocks what follows.
_type_into() { xdotool mousemove $((CX + $1)) $((CY + 118)) click 1 key ctrl+a type "$2"; }
_type_into 65 9999 && _type_into 20 12
CHOOSER_MONTH=9999-12 chooser_click_day 31
for click in chooser_click_ok "xdotool mousemove $((CX + 38)) $((CY + 123)) click 1"; do
  $click
  boxes_wait_box "Calvoro by KALDO Prototyping"
  boxes_close
  calvoro_is_viewable "$CHOOSER" || desktop_fail "the chooser closed with the error"
done
CHOOSER_MONTH=9999-12 chooser_click_day 15
_boxes_find "Calvoro by KALDO Prototyping" && desktop_fail "another box after the refused step"
_type_into 65 "${CHOOSER_MONTH%-*}" && _type_into 20 "$((10#${CHOOSER_MONTH#*-}))"
chooser_click_day 15
calvoro_shot 3-picked >/dev/null
chooser_click_ok

# Chart mode: 634 x 440, centred, with the grid and the three curves of the 30 days from the
# day picked (the headline read off the screen, so that the show animation's outline or an
# earlier chart cannot pass for it).
FIRST="$CHOOSER_MONTH-15"
HEADLINE="Anna (12/05/1970) here is your power from $(date -d "$FIRST" +%d/%m/%Y) to $(date -d "$FIRST +29 days" +%d/%m/%Y)"
_chart() {
  read -r x y w h m <<<"$(calvoro_geometry "$(calvoro_window "Calvoro by Kaldo")")"
  [ "$x $y $w $h $m" = "$(((1024 - 634) / 2)) $(((768 - 440) / 2)) 634 440 IsViewable" ] ||
    _calvoro_why "the content window is at $x,$y ${w}x$h $m" || return 1
  CALVORO_FX=$x CALVORO_FY=$y
  chart_shown "$1" && chart_headline_is "$1" "$HEADLINE"
}
calvoro_poll_shot 5 4-chart _chart || desktop_fail "no chart after the chooser's OK: $CALVORO_WHY"
calvoro_is_viewable "$CHOOSER" && desktop_fail "the chooser stayed open"
desktop_alive "$CALVORO_PID" || desktop_fail "calvoro ended"
echo "PASS"
