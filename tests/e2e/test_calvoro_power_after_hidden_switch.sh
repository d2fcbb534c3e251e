#!/usr/bin/env bash
# The power panel opened by a click on an icon after another panel was closed with an "X"
# corner (the guide, then the setup) shows its own black greeting strip, not the pixels of the
# panel shown before.
set -euo pipefail
BUILD=${1:?usage: test_calvoro_power_after_hidden_switch.sh BUILD_DIR}
source "$(dirname "$0")/lib/desktop.sh"
source "$(dirname "$0")/lib/calvoro.sh"
source "$(dirname "$0")/lib/chart.sh"

calvoro_begin "$BUILD"
BIRTH=25/05/2001
read -r E I P <<<"$(calvoro_levels "$BIRTH")"
calvoro_write_config Anna "$BIRTH" 1
calvoro_start_past_splash
ICON=$(calvoro_tray_icons_in_order | sed -n 1p | cut -d' ' -f1)

# The tray menu's Nth item (separators are skipped by the keys).
_menu_item() {
  desktop_right_click "$ICON"
  desktop_poll 5 _chart_menu_window || desktop_fail "no tray menu"
  local keys=() k
  for ((k = 0; k < $1; k++)); do keys+=(Down); done
  desktop_key "${keys[@]}" Return
}
_panel_shown() { calvoro_frame_shown "$1" && ! calvoro_colour_near "$(calvoro_window_pixel "$1" 14 20)" "0 0 0" 8; }

for case in "6 guide" "4 setup"; do
  read -r item name <<<"$case"
  _menu_item "$item"
  calvoro_find_content_window
  calvoro_poll_shot 5 "1-$name" _panel_shown || desktop_fail "no $name panel: $CALVORO_WHY"
  calvoro_click_corner 365 0
  desktop_poll 5 eval '! calvoro_is_viewable "$CALVORO_FORM2"' || desktop_fail "the window did not close"
  desktop_click "$ICON"
  calvoro_find_content_window
  calvoro_poll_shot 5 "2-power-after-$name" calvoro_power_shown "$E" "$I" "$P" ||
    desktop_fail "after the $name: $CALVORO_WHY (see $CALVORO_LAST_SHOT)"
  calvoro_click_corner 365 0
  desktop_poll 5 eval '! calvoro_is_viewable "$CALVORO_FORM2"' || desktop_fail "the window did not close"
done
desktop_alive "$CALVORO_PID" || desktop_fail "calvoro ended"
echo "PASS"
