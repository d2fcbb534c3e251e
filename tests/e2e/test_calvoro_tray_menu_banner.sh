#!/usr/bin/env bash
# A right click on a tray icon opens the menu with its banner: a 20-pixel band down the left
# side, green at the top and lime at the bottom, with its text written upward in the middle;
# the items start right of it, and the highlight bar follows the keyboard.
set -euo pipefail
BUILD=${1:?usage: test_calvoro_tray_menu_banner.sh BUILD_DIR}
source "$(dirname "$0")/lib/desktop.sh"
source "$(dirname "$0")/lib/calvoro.sh"

calvoro_begin "$BUILD"
calvoro_write_config Anna "$(calvoro_birth_date_where 'e >= 35 && e <= 65')" 0
calvoro_start_past_splash

KNOWN=$(xdotool search --all --onlyvisible --pid "$CALVORO_PID" 2>/dev/null || true)
ICON=$(calvoro_tray_icons_in_order | sed -n 1p | cut -d' ' -f1)
_menu() {
  local window
  for window in $(xdotool search --all --onlyvisible --pid "$CALVORO_PID" 2>/dev/null); do
    grep -qx "$window" <<<"$KNOWN" && continue
    read -r _ _ _ height _ <<<"$(calvoro_geometry "$window")"
    ((height > 150)) || continue
    MENU=$window
    return 0
  done
  return 1
}
desktop_right_click_menu "$ICON" _menu || desktop_fail "no menu after a right click"
read -r MX MY MW MH _ <<<"$(calvoro_geometry "$MENU")"
echo "menu at $MX,$MY ${MW}x$MH"

# Inside the 3-pixel border: the band's first and last rows, a column of its middle, and the
# menu's face right of it.
_banner_shown() {
  local shot=$1 r g b dark=0 y
  calvoro_colour_near "$(desktop_pixel "$shot" $((MX + 4)) $((MY + 3)))" "0 128 0" 2 ||
    _calvoro_why "band top is $(desktop_pixel "$shot" $((MX + 4)) $((MY + 3)))" || return 1
  calvoro_colour_near "$(desktop_pixel "$shot" $((MX + 4)) $((MY + MH - 4)))" "0 255 0" 2 ||
    _calvoro_why "band bottom is $(desktop_pixel "$shot" $((MX + 4)) $((MY + MH - 4)))" || return 1
  read -r r g b <<<"$(desktop_pixel "$shot" $((MX + 3 + 20 + 4)) $((MY + 5)))"
  ((g < r + 30)) || _calvoro_why "the items' face is green ($r $g $b)" || return 1
  # The text: dark pixels down the middle of the band.
  for ((y = MY + MH / 2 - 40; y <= MY + MH / 2 + 40; y += 2)); do
    read -r r g b <<<"$(desktop_pixel "$shot" $((MX + 3 + 10)) "$y")"
    ((g < 90)) && dark=$((dark + 1))
  done
  ((dark >= 5)) || _calvoro_why "no text in the band" || return 1
}
calvoro_poll_shot 5 1-menu _banner_shown || desktop_fail "no banner: $CALVORO_WHY"

# Down highlights the first item: the bar fills it from 2 pixels right of the band, where the
# last item shows the menu's face.
desktop_key Down
_highlighted() {
  local x=$((MX + 3 + 20 + 2 + 8)) first last
  first=$(desktop_pixel "$1" "$x" $((MY + 3 + 2)))
  last=$(desktop_pixel "$1" "$x" $((MY + MH - 6)))
  ! calvoro_colour_near "$first" "$last" 8 || _calvoro_why "the first item looks like the last ($first)"
}
calvoro_poll_shot 3 2-highlighted _highlighted || desktop_fail "no highlight bar: $CALVORO_WHY"
desktop_key Escape
desktop_poll 5 eval '! calvoro_is_viewable "$MENU"' || desktop_fail "Escape left the menu open"
echo "PASS"
