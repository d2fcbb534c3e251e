#!/usr/bin/env bash
# Hints of the content window come up as balloons: resting the mouse on the power panel's
# picture brings a window of the program, cut to its shape, above and to the right of the
# cursor, with the desktop showing through beside the balloon and a shadow that darkens every
# other pixel of what lies beneath; moving off the picture takes it away.
set -euo pipefail
BUILD=${1:?usage: test_calvoro_balloon_hint.sh BUILD_DIR}
source "$(dirname "$0")/lib/desktop.sh"
source "$(dirname "$0")/lib/calvoro.sh"

calvoro_begin "$BUILD"
BIRTH=$(calvoro_birth_date_where 'e >= 35 && e <= 65 && i >= 35 && i <= 65 && p >= 35 && p <= 65')
read -r E I P <<<"$(calvoro_levels "$BIRTH")"
calvoro_write_config Anna "$BIRTH" 0
calvoro_start_past_splash

desktop_click "$(calvoro_tray_icons_in_order | sed -n 1p | cut -d' ' -f1)"
calvoro_find_content_window
calvoro_poll_shot 5 1-power calvoro_power_shown "$E" "$I" "$P" || desktop_fail "no power panel: $CALVORO_WHY"
BEFORE=$CALVORO_LAST_SHOT

# A shown window of the program other than the content window, with a shape of its own.
_balloon_shown() {
  local window
  for window in $(xdotool search --all --onlyvisible --pid "$CALVORO_PID" 2>/dev/null); do
    [ "$window" = "$CALVORO_FORM2" ] && continue
    xwininfo -id "$window" -shape 2>/dev/null | grep -q 'Window shape extents' || continue
    BALLOON=$window
    return 0
  done
  return 1
}

# Left of the first gauge, on the panel's picture (frame 10, gauge at 34).
CX=$((CALVORO_FX + 10 + 20))
CY=$((CALVORO_FY + 10 + 150))
xdotool mousemove $((CX - 3)) "$CY" sleep 0.05 mousemove "$CX" "$CY"
desktop_poll 5 _balloon_shown || desktop_fail "no balloon on the power panel's picture"
read -r BX BY BW BH _ <<<"$(calvoro_geometry "$BALLOON")"
echo "balloon $BALLOON at $BX,$BY ${BW}x$BH for the cursor at $CX,$CY"
# Above and to the right: the tail's corner is the cursor.
[ "$BX" -eq "$CX" ] && [ $((BY + BH)) -eq "$CY" ] ||
  desktop_fail "the balloon is at $BX,$BY ${BW}x$BH, not above and right of $CX,$CY"
((BW >= 59 && BW <= 1024 / 4)) || desktop_fail "the balloon is $BW wide"
xwininfo -id "$BALLOON" -shape | grep -E 'shape extents' >&2

# The body in the hint colour (once painted: the window is mapped a moment before).
_body_painted() { calvoro_colour_near "$(desktop_pixel "$1" $((BX + BW / 2)) $((BY + 4)))" "255 255 220" 8; }
calvoro_poll_shot 3 2-balloon _body_painted ||
  desktop_fail "the balloon's body is $(desktop_pixel "$CALVORO_LAST_SHOT" $((BX + BW / 2)) $((BY + 4)))"
SHOT=$CALVORO_LAST_SHOT
# Beside the body, above the shadow: what was there before.
for point in "$((BX + BW - 2)) $((BY + 1))" "$((BX + 1)) $((BY + 1))"; do
  read -r x y <<<"$point"
  [ "$(desktop_pixel "$SHOT" "$x" "$y")" = "$(desktop_pixel "$BEFORE" "$x" "$y")" ] ||
    desktop_fail "outside the balloon at $x,$y the screen changed"
done
# Under the shadow, below the body: black where x + y is even, unchanged where odd.
y=$((BY + BH - 8 - 19 + 4))
for x in $((BX + BW / 2)) $((BX + BW / 2 + 1)) $((BX + BW / 2 + 2)) $((BX + BW / 2 + 3)); do
  seen=$(desktop_pixel "$SHOT" "$x" "$y")
  if ((((x - BX) + (y - BY)) % 2 == 0)); then
    [ "$seen" = "0 0 0" ] || desktop_fail "the shadow at $x,$y is $seen, not black"
  else
    [ "$seen" = "$(desktop_pixel "$BEFORE" "$x" "$y")" ] ||
      desktop_fail "the shadow at $x,$y hides the screen ($seen)"
  fi
done

# Off the picture, outside the window: the balloon goes.
xdotool mousemove 100 700
desktop_poll 5 eval '! calvoro_is_viewable "$BALLOON"' || desktop_fail "the balloon stays"
desktop_alive "$CALVORO_PID" || desktop_fail "calvoro ended"
echo "PASS"
