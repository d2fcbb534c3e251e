#!/usr/bin/env bash
# "About Calvoro by KALDO" from the tray menu opens the About window centred, framed in green
# with its picture, and the little creature flies: a later screenshot differs where it was.
# An "X" corner closes the window.
set -euo pipefail
BUILD=${1:?usage: test_calvoro_about.sh BUILD_DIR}
source "$(dirname "$0")/lib/desktop.sh"
source "$(dirname "$0")/lib/calvoro.sh"

calvoro_begin "$BUILD"
calvoro_write_config Anna 12/05/1970 1
calvoro_start_past_splash

# The menu by the third icon; Down selects the first item: today's power, everyday power,
# blinking, setup, explanation, guide, about.
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
desktop_key Down Down Down Down Down Down Down Return

desktop_poll 5 eval '[ -n "$(calvoro_window "About Calvoro by KALDO")" ]' || desktop_fail "no About window"
ABOUT=$(calvoro_window "About Calvoro by KALDO")
desktop_poll 5 calvoro_is_viewable "$ABOUT" || desktop_fail "the About window is not shown"
read -r AX AY AW AH _ <<<"$(calvoro_geometry "$ABOUT")"
[ "$AX $AY $AW $AH" = "$(((1024 - 416) / 2)) $(((768 - 362) / 2)) 416 362" ] ||
  desktop_fail "the About window is at $AX,$AY, ${AW}x$AH"

# Green bars around the picture (after the show animation, 450 ms).
_framed() {
  local strip r g b
  for strip in "30 1 350 8" "30 353 350 8" "1 30 8 300" "407 30 8 300"; do
    read -r x y w h <<<"$strip"
    read -r r g b <<<"$(calvoro_mean "$1" $((AX + x)) $((AY + y)) "$w" "$h")"
    ((g > r + 40 && g > b + 40)) || _calvoro_why "bar $strip is $r $g $b" || return 1
  done
}
calvoro_poll_shot 5 1-about _framed || desktop_fail "the About window is not framed: $CALVORO_WHY"
FIRST=$CALVORO_LAST_SHOT
cp "$FIRST" "$CALVORO_SHOTS/1-about-first.png"
FIRST="$CALVORO_SHOTS/1-about-first.png"

# The creature flaps and drifts: the picture inside the frame changes between two screenshots.
crop="$((AW - 20))x$((AH - 20))+$((AX + 10))+$((AY + 10))"
convert "$FIRST" -crop "$crop" +repage "$DESKTOP_DIR/a.png"
_moved() {
  convert "$1" -crop "$crop" +repage "$DESKTOP_DIR/b.png"
  changed=$(compare -metric AE "$DESKTOP_DIR/a.png" "$DESKTOP_DIR/b.png" null: 2>&1 || true)
  ((${changed%%.*} > 100))
}
calvoro_poll_shot 3 2-about-later _moved || desktop_fail "the creature did not move ($changed pixels changed)"
echo "pixels changed inside the frame: $changed"

# The bottom-right "X" closes the window.
xdotool mousemove $((AX + 406)) $((AY + 352)) click 1
desktop_poll 5 eval '! calvoro_is_viewable "$ABOUT"' || desktop_fail "the X did not close the About window"
calvoro_shot 3-closed >/dev/null
desktop_alive "$CALVORO_PID" || desktop_fail "calvoro ended"
echo "PASS"
