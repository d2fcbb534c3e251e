#!/usr/bin/env bash
# "Save your configuration" from the tray menu, as the user works it: with the content window
# open it warns, above everything, and writes nothing; with the windows closed it writes the
# four lines from the fields and the blinking choice, the stored birth date exactly as it was
# stored, and confirms in an information box above everything.
set -euo pipefail
BUILD=${1:?usage: test_calvoro_save_command.sh BUILD_DIR}
source "$(dirname "$0")/lib/desktop.sh"
source "$(dirname "$0")/lib/calvoro.sh"
source "$(dirname "$0")/lib/boxes.sh"

calvoro_begin "$BUILD"
# A reserved first line that is not empty, blanks around the name, and a birth date that is
# valid but not in the field's own shape.
mkdir -p -m 700 "$(dirname "$CALVORO_CONFIG")"
printf 'reserved\r\n  Anna  \r\n5/5/1970\r\n0\r\n' >"$CALVORO_CONFIG"
stored=$(od -c "$CALVORO_CONFIG")

calvoro_start_past_splash
icon() { calvoro_tray_icons_in_order | sed -n "$1p" | cut -d' ' -f1; }

# Opens the tray menu on the first icon and picks the item N downwards (separators skipped:
# today's power, everyday power, blinking, setup, explanation, guide, about, save, quit).
menu_pick() {
  local known window
  # The menu of the previous pick has to be gone first, or it would count as known.
  [ -z "${MENU:-}" ] || desktop_poll 5 eval '! calvoro_is_viewable "$MENU"' || desktop_fail "the menu stays open"
  known=$(xdotool search --all --onlyvisible --pid "$CALVORO_PID" 2>/dev/null || true)
  _menu_up() {
    for window in $(xdotool search --all --onlyvisible --pid "$CALVORO_PID" 2>/dev/null); do
      grep -qx "$window" <<<"$known" && continue
      read -r _ _ _ height _ <<<"$(calvoro_geometry "$window")"
      ((height > 150)) && MENU=$window && return 0
    done
    return 1
  }
  desktop_right_click_menu "$(icon 1)" _menu_up || desktop_fail "no menu after a right click"
  local keys=()
  for ((k = 0; k < $1; k++)); do keys+=(Down); done
  desktop_key "${keys[@]}" Return
}

# With the content window open: the warning, and the file untouched.
desktop_click "$(icon 1)"
calvoro_find_content_window
menu_pick 8
boxes_wait_box Warning
boxes_check_visible "$(calvoro_shot 1-warning)"
boxes_close
[ "$(od -c "$CALVORO_CONFIG")" = "$stored" ] || desktop_fail "the guarded save wrote the file"

calvoro_click_corner 365 0
desktop_poll 5 eval '! calvoro_is_viewable "$CALVORO_FORM2"' || desktop_fail "the window did not close"
calvoro_wait_refresh

# Blinking off, then the save.
menu_pick 3
menu_pick 8
boxes_wait_box Information
boxes_check_visible "$(calvoro_shot 2-saved)"
boxes_close

expected="$DESKTOP_DIR/expected.ini"
printf '1970-05-05\r\nAnna\r\n5/5/1970\r\n1\r\n' >"$expected"
cmp "$expected" "$CALVORO_CONFIG" >&2 ||
  desktop_fail "the file holds: $(od -c "$CALVORO_CONFIG" | head -n 5)"
desktop_alive "$CALVORO_PID" || desktop_fail "calvoro ended"
echo "PASS"
