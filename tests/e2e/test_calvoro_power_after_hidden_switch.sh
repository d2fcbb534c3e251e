#!/usr/bin/env bash
# The power panel opened by a click on an icon after another panel was closed with an "X"
# corner (the guide, then the setup), or after "OK, hide all windows" while the date chooser was
# open over the setup, shows its own black greeting strip, not the pixels of the panel shown
# before, and stays on top of other windows.
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
  local keys=() k
  desktop_right_click_menu "$ICON" _chart_menu_window || desktop_fail "no tray menu"
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
# The setup's "Calendar" at (26, 66) of the panel, 120 x 27, then "OK, hide all windows".
_menu_item 4
calvoro_find_content_window
calvoro_poll_shot 5 3-setup _panel_shown || desktop_fail "no setup panel: $CALVORO_WHY"
xdotool mousemove $((CALVORO_FX + 10 + 26 + 60)) $((CALVORO_FY + 10 + 66 + 13)) click 1
desktop_poll 5 eval '[ -n "$(calvoro_window "Calendar")" ] && calvoro_is_viewable "$(calvoro_window "Calendar")"' ||
  desktop_fail "no date chooser (see $(calvoro_shot no-chooser))"
_menu_item 10
desktop_poll 5 eval '! calvoro_is_viewable "$CALVORO_FORM2"' || desktop_fail "the window did not close"
desktop_click "$ICON"
calvoro_find_content_window
calvoro_poll_shot 5 4-power-after-hide-all calvoro_power_shown "$E" "$I" "$P" ||
  desktop_fail "after hiding all with the chooser open: $CALVORO_WHY (see $CALVORO_LAST_SHOT)"
xprop -id "$CALVORO_FORM2" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE ||
  desktop_fail "the window is no longer on top: $(xprop -id "$CALVORO_FORM2" _NET_WM_STATE)"
desktop_alive "$CALVORO_PID" || desktop_fail "calvoro ended"
echo "PASS"
