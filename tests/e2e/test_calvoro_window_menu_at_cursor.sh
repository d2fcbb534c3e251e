#!/usr/bin/env bash
# A right click on a window that was never dragged (the setup's first-name field, the content
# window's "X" corner) opens the tray menu at the cursor: horizontally centred on it, its top
# or bottom edge on the cursor's row.
set -euo pipefail
BUILD=${1:?usage: test_calvoro_window_menu_at_cursor.sh BUILD_DIR}
source "$(dirname "$0")/lib/desktop.sh"
source "$(dirname "$0")/lib/calvoro.sh"

calvoro_begin "$BUILD"
calvoro_write_config Anna 01/02/1990 0
calvoro_start_past_splash
_menu() {
  local window
  for window in $(xdotool search --all --onlyvisible --pid "$CALVORO_PID" 2>/dev/null); do
    grep -qx "$window" <<<"$KNOWN" && continue
    read -r _ _ _ height _ <<<"$(calvoro_geometry "$window")"
    ((height > 150 && height < 300)) || continue
    MENU=$window
    return 0
  done
  return 1
}

ICON=$(calvoro_tray_icons_in_order | sed -n 1p | cut -d' ' -f1)
# The tray menu's items by the keyboard, once the menu is there.
_tray_command() {
  desktop_right_click_menu "$ICON" _menu || desktop_fail "no tray menu"
  desktop_key $(printf 'Down %.0s' $(seq "$1")) Return
  desktop_poll 5 eval '! calvoro_is_viewable "$MENU"' || desktop_fail "the tray menu stays"
}
# "About Calvoro by KALDO", then "Setup": the content window is made and shown centred while
# the About window goes.
KNOWN=""
_tray_command 7
desktop_poll 5 eval '[ -n "$(calvoro_window "About Calvoro by KALDO")" ]' || desktop_fail "no About window"
# Its show animation over (the green bar on its left edge drawn): the window manager gives the
# window the focus when the animation's frame goes, which would close a menu opened meanwhile.
read -r AX AY _ <<<"$(calvoro_geometry "$(calvoro_window "About Calvoro by KALDO")")"
_about_framed() {
  local r g b
  read -r r g b <<<"$(calvoro_mean "$1" $((AX + 1)) $((AY + 30)) 8 300)"
  ((g > r + 40 && g > b + 40)) || _calvoro_why "the About window's left bar is $r $g $b"
}
calvoro_poll_shot 5 about _about_framed || desktop_fail "the About window is not framed: $CALVORO_WHY"
_tray_command 4
calvoro_find_content_window
calvoro_poll_shot 5 0-setup calvoro_frame_shown || desktop_fail "no content window: $CALVORO_WHY"
KNOWN=$(xdotool search --all --onlyvisible --pid "$CALVORO_PID" 2>/dev/null || true)

# Window coordinates of the first-name field and of the bottom-right "X" corner.
for place in "field 269 67" "corner 375 238"; do
  read -r name x y <<<"$place"
  cx=$((CALVORO_FX + x))
  cy=$((CALVORO_FY + y))
  xdotool mousemove "$cx" "$cy" click 3
  desktop_poll 5 _menu || desktop_fail "no menu after a right click on the $name"
  read -r MX MY MW MH _ <<<"$(calvoro_geometry "$MENU")"
  calvoro_shot "1-menu-$name" >/dev/null
  echo "$name: cursor at $cx,$cy, menu at $MX,$MY ${MW}x$MH"
  d=$((MX + MW / 2 - cx))
  ((d >= -2 && d <= 2)) || desktop_fail "the menu on the $name is not centred on the cursor"
  ((MY == cy || MY == cy + 1 || MY + MH == cy || MY + MH == cy + 1)) ||
    desktop_fail "the menu on the $name does not open at the cursor's row"
  desktop_key Escape
  desktop_poll 5 eval '! calvoro_is_viewable "$MENU"' || desktop_fail "Escape left the menu open"
done
echo "PASS"
