#!/usr/bin/env bash
# A first run as a user goes through it: type a first name and a birth date on the setup panel,
# press OK, see today's power as three gauges, find the four-line file written in the user's
# configuration folder (made at that save, mode 700), close the
# window with an "X" corner and see the three tray icons take today's levels.
set -euo pipefail
BUILD=${1:?usage: test_calvoro_setup_as_user.sh BUILD_DIR}
source "$(dirname "$0")/lib/desktop.sh"
source "$(dirname "$0")/lib/calvoro.sh"

calvoro_begin "$BUILD"
calvoro_remove_config
# Gauges that are told apart at a glance, and one cycle on a critical day, so that its icon
# blinks once the window closes.
BIRTH=$(calvoro_birth_date_where 'e >= 76 && e <= 85 && i >= 30 && i <= 45 && p >= 45 && p <= 65')
read -r E I P <<<"$(calvoro_levels "$BIRTH")"
echo "birth date $BIRTH: levels $E $I $P"

calvoro_start
calvoro_wait_tray_icons 3
calvoro_find_content_window
calvoro_poll_shot 5 1-setup calvoro_setup_shown || desktop_fail "no setup panel: $CALVORO_WHY"

# The first-name field has the focus: select its text and type over it.
desktop_wait_active "$CALVORO_FORM2"
desktop_key ctrl+a
xdotool type --delay 30 anna
# The birth-date field overwrites its places and steps over the separators.
xdotool mousemove $((CALVORO_FX + 10 + 187 + 6)) $((CALVORO_FY + 10 + 137 + 20)) click 1
desktop_key Home
xdotool type --delay 30 "${BIRTH//\//}"
calvoro_shot 2-typed >/dev/null

# OK at (60, 156) of the panel, 113 x 59.
xdotool mousemove $((CALVORO_FX + 10 + 60 + 56)) $((CALVORO_FY + 10 + 156 + 29)) click 1
calvoro_poll_shot 5 3-power calvoro_power_shown "$E" "$I" "$P" ||
  desktop_fail "no power panel for $E $I $P: $CALVORO_WHY (see $CALVORO_LAST_SHOT)"
read -r x y _ <<<"$(calvoro_geometry "$CALVORO_FORM2")"
[ "$x $y" = "$CALVORO_FX $CALVORO_FY" ] || desktop_fail "OK moved the window to $x,$y"

expected="$DESKTOP_DIR/expected.ini"
IFS=/ read -r d m y <<<"$BIRTH"
printf '%s-%s-%s\r\nAnna\r\n%s\r\n0\r\n' "$y" "$m" "$d" "$BIRTH" >"$expected"
cmp "$expected" "$CALVORO_CONFIG" >&2 ||
  desktop_fail "the file holds: $(od -c "$CALVORO_CONFIG" | head -n 5)"
# The first save made the user's configuration folder, for the user alone.
[ "$(stat -c %a "$CALVORO_CONFIG_DIR")" = 700 ] ||
  desktop_fail "the configuration folder has mode $(stat -c %a "$CALVORO_CONFIG_DIR")"

# The icons keep their initial pictures while the window is open.
pictures=$(calvoro_tray_pictures "$CALVORO_LAST_SHOT")
[ "$pictures" = "tray21 tray22 tray23" ] || desktop_fail "with the window open the tray shows $pictures"

calvoro_click_corner 365 0
desktop_poll 5 eval '! calvoro_is_viewable "$CALVORO_FORM2"' || desktop_fail "the window did not close"
allowed=$(calvoro_expected_pictures "$E" "$I" "$P" yes)
_tray_shows_levels() {
  TRAY=$(calvoro_tray_pictures "$1")
  calvoro_pictures_match "$TRAY" "$allowed"
}
calvoro_poll_shot 4 4-closed _tray_shows_levels ||
  desktop_fail "after closing, the tray shows $TRAY, not $allowed"
echo "tray: $TRAY"
# The critical cycle blinks: its other picture comes up.
FIRST=$TRAY
_blinked() {
  TRAY=$(calvoro_tray_pictures "$1")
  calvoro_pictures_match "$TRAY" "$allowed" || desktop_fail "the tray shows $TRAY, not $allowed"
  [ "$TRAY" != "$FIRST" ]
}
calvoro_poll_shot 4 5-blinking _blinked || desktop_fail "the emotional icon does not blink: $TRAY"
echo "tray: $TRAY"
cmp "$expected" "$CALVORO_CONFIG" >&2 || desktop_fail "closing the window changed the file"
desktop_alive "$CALVORO_PID" || desktop_fail "calvoro ended"
echo "PASS"
