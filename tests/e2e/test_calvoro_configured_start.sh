#!/usr/bin/env bash
# A start with a configuration file: only the splash shows, cut to the logo's outline so that
# the desktop shows around it, and goes after 3 s; no window opens; the icons show today's
# levels of the stored birth date, steady because the file switches blinking off; resting the
# mouse on an icon shows its greeting.
set -euo pipefail
BUILD=${1:?usage: test_calvoro_configured_start.sh BUILD_DIR}
source "$(dirname "$0")/lib/desktop.sh"
source "$(dirname "$0")/lib/calvoro.sh"

calvoro_begin "$BUILD"
# A physical low, which would blink if blinking were on.
BIRTH=$(calvoro_birth_date_where 'e >= 35 && e <= 65 && i >= 35 && i <= 65 && p <= 15')
read -r E I P <<<"$(calvoro_levels "$BIRTH")"
echo "birth date $BIRTH: levels $E $I $P"
calvoro_write_config "  Anna  " "$BIRTH" 1
cp "$CALVORO_CONFIG" "$DESKTOP_DIR/before.ini"

calvoro_start
desktop_poll 5 eval '[ -n "$(calvoro_window "Calvoro by Kaldo Prototyping")" ]' ||
  desktop_fail "no splash window"
SPLASH=$(calvoro_window "Calvoro by Kaldo Prototyping")
desktop_poll 5 calvoro_is_viewable "$SPLASH" || desktop_fail "the splash is not shown"
read -r SX SY SW SH _ <<<"$(calvoro_geometry "$SPLASH")"
[ "$SW $SH" = "244 188" ] || desktop_fail "splash is ${SW}x$SH"

# The logo's picture where it is not black, the desktop elsewhere in the window's rectangle.
_splash_is_logo() {
  local shot=$1 expected="$DESKTOP_DIR/splash-expected.png" seen="$DESKTOP_DIR/splash-seen.png"
  calvoro_is_viewable "$SPLASH" || return 1
  convert -size 244x188 xc:'#336699' \( "$CALVORO_PICTURES/logo.png" -transparent black \) \
    -geometry -2+50 -composite "$expected"
  convert "$shot" -crop "244x188+$SX+$SY" +repage "$seen"
  SPLASH_DIFF=$(compare -metric AE -fuzz 6% "$seen" "$expected" null: 2>&1 || true)
  ((SPLASH_DIFF <= 244 * 188 / 50))
}
calvoro_poll_shot 2 1-splash _splash_is_logo ||
  desktop_fail "the splash is not the shaped logo: $SPLASH_DIFF pixels differ"
calvoro_colour_near "$(desktop_pixel "$CALVORO_LAST_SHOT" $((SX + 2)) $((SY + 2)))" "51 102 153" 2 ||
  desktop_fail "the splash's corner hides the desktop"
FORM2=$(calvoro_window "Calvoro by Kaldo")
[ -z "$FORM2" ] || ! calvoro_is_viewable "$FORM2" || desktop_fail "a configured start opened the content window"

allowed=$(calvoro_expected_pictures "$E" "$I" "$P" no)
_tray_shows_levels() {
  TRAY=$(calvoro_tray_pictures "$1")
  calvoro_pictures_match "$TRAY" "$allowed"
}
calvoro_wait_tray_icons 3
calvoro_poll_shot 4 2-icons _tray_shows_levels || desktop_fail "the tray shows $TRAY, not $allowed"

desktop_poll 8 eval '! calvoro_is_viewable "$SPLASH"' || desktop_fail "the splash did not go"
FORM2=$(calvoro_window "Calvoro by Kaldo")
[ -z "$FORM2" ] || ! calvoro_is_viewable "$FORM2" || desktop_fail "the content window opened"
# Still steady more than a second later: no blinking.
SHOT=$(calvoro_shot 3-steady)
_tray_shows_levels "$SHOT" || desktop_fail "after the splash the tray shows $TRAY, not $allowed"
sleep 1.2
SHOT=$(calvoro_shot 4-steady)
_tray_shows_levels "$SHOT" || desktop_fail "with blinking off the tray shows $TRAY, not $allowed"

# Resting the mouse on an icon shows its greeting, with the stored name trimmed (the blanks
# around it would make the tooltip some 16 pixels wider).
calvoro_check_tooltip 1 "Dear Anna, you have $E % of your emotional power"
calvoro_check_tooltip 3 "Well Anna, you have $P % of your physical power"

cmp "$DESKTOP_DIR/before.ini" "$CALVORO_CONFIG" >&2 || desktop_fail "the start changed the file"
desktop_alive "$CALVORO_PID" || desktop_fail "calvoro ended"
echo "PASS"
