#!/usr/bin/env bash
# Dragging the content window by its top frame strip moves it by exactly the drag, also
# right after it opened from the tray: from (319, 260), dragged by (+100, +80), it lands at
# (419, 340), every one of several tries.
set -euo pipefail
BUILD=${1:?usage: test_calvoro_drag_frame.sh BUILD_DIR}
source "$(dirname "$0")/lib/desktop.sh"
source "$(dirname "$0")/lib/calvoro.sh"

calvoro_begin "$BUILD"
BIRTH=$(calvoro_birth_date_where 'e >= 35 && e <= 65 && i >= 35 && i <= 65 && p >= 35 && p <= 65')
read -r E I P <<<"$(calvoro_levels "$BIRTH")"
calvoro_write_config Anna "$BIRTH" 1
calvoro_start_past_splash

for try in 1 2 3 4 5 6; do
  desktop_click "$(calvoro_tray_icons_in_order | sed -n 1p | cut -d' ' -f1)"
  calvoro_find_content_window
  calvoro_poll_shot 5 "power-$try" calvoro_power_shown "$E" "$I" "$P" || desktop_fail "no power panel: $CALVORO_WHY"
  X=$CALVORO_FX Y=$CALVORO_FY
  # A user's drag: rest on the strip, press, move in two steps, release.
  xdotool mousemove $((X + 118)) $((Y + 4)) sleep 0.1 mousemove $((X + 120)) $((Y + 5)) sleep 0.1 \
    mousedown 1 sleep 0.1 mousemove $((X + 150)) $((Y + 25)) sleep 0.1 \
    mousemove $((X + 220)) $((Y + 85)) sleep 0.1 mouseup 1
  moved() { [ "$(calvoro_geometry "$CALVORO_FORM2" | cut -d' ' -f1-2)" = "$((X + 100)) $((Y + 80))" ]; }
  desktop_poll 3 moved ||
    desktop_fail "try $try: dragged by +100,+80 from $X,$Y, the window went to $(calvoro_geometry "$CALVORO_FORM2" | cut -d' ' -f1-2)"
  calvoro_shot "dragged-$try" >/dev/null
  calvoro_find_content_window
  calvoro_click_corner 0 0
  desktop_poll 5 eval '! calvoro_is_viewable "$CALVORO_FORM2"' || desktop_fail "the window did not close"
  sleep 1.2
done
echo "PASS"
