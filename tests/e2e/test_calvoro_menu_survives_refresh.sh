#!/usr/bin/env bash
# The tray menu stays open while the icons are refreshed: opened right after the content
# window was closed, it survives the refresh that follows (Timer3's tick takes the three
# icons out and puts them back), and the keys meant for it reach it.
set -euo pipefail
BUILD=${1:?usage: test_calvoro_menu_survives_refresh.sh BUILD_DIR}
source "$(dirname "$0")/lib/desktop.sh"
source "$(dirname "$0")/lib/calvoro.sh"

calvoro_begin "$BUILD"
BIRTH=$(calvoro_birth_date_where 'e >= 35 && e <= 65 && i >= 35 && i <= 65 && p >= 35 && p <= 65')
calvoro_write_config Anna "$BIRTH" 1
calvoro_start
calvoro_wait_tray_icons 3
SPLASH=$(calvoro_window "Calvoro by Kaldo Prototyping")
desktop_poll 8 eval '! calvoro_is_viewable "$SPLASH"' || desktop_fail "the splash did not go"
icon() { calvoro_tray_icons_in_order | sed -n "$1p" | cut -d' ' -f1; }

_menu() {
  local window
  for window in $(xdotool search --all --onlyvisible --pid "$CALVORO_PID" 2>/dev/null); do
    grep -qx "$window" <<<"$KNOWN" && continue
    read -r _ _ width height _ <<<"$(calvoro_geometry "$window")"
    ((height > 150)) || continue
    MENU=$window
    return 0
  done
  return 1
}
# Open the window from the tray (this arms the refresh: a one-second timer that refreshes
# at its first tick after the window has closed), close it at once, and open the menu a
# moment later, as a hand would, so that the tick falls while the menu is open.
desktop_click "$(icon 1)"
calvoro_find_content_window
calvoro_click_corner 0 0
sleep 0.5 # the window's closing animation is over by now
KNOWN=$(xdotool search --all --onlyvisible --pid "$CALVORO_PID" 2>/dev/null || true)
desktop_right_click "$(icon 3)"
desktop_poll 5 _menu || desktop_fail "no menu after a right click"
calvoro_shot 1-menu >/dev/null
# The refresh runs at the next one-second tick after the close.
calvoro_wait_refresh 2.2
calvoro_shot 2-after-refresh >/dev/null
calvoro_is_viewable "$MENU" || desktop_fail "the tray refresh closed the open menu"
desktop_key Down Down Down Down Down Down Down Down Down Return
rc=$(calvoro_exit_code "$CALVORO_PID" 5) || desktop_fail "the menu's quit did not end the program"
[ "$rc" = 0 ] || desktop_fail "exit code $rc"
echo "PASS"
