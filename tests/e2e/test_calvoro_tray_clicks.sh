#!/usr/bin/env bash
# The tray icons as the user works them: a click opens today's power, centred; a double click
# opens the guide, and a click while it is open changes nothing; closing the window refreshes
# the icons; a press slid off the icon does nothing; icons and a window that another client
# destroys come back; a right click opens the menu, and "Terminate Calvoro and Quit" ends the
# program with exit code 0 and takes its icons out of the tray.
set -euo pipefail
BUILD=${1:?usage: test_calvoro_tray_clicks.sh BUILD_DIR}
source "$(dirname "$0")/lib/desktop.sh"
source "$(dirname "$0")/lib/calvoro.sh"

calvoro_begin "$BUILD"
BIRTH=$(calvoro_birth_date_where 'e >= 35 && e <= 65 && i >= 55 && i <= 70 && p >= 20 && p <= 45')
read -r E I P <<<"$(calvoro_levels "$BIRTH")"
echo "birth date $BIRTH: levels $E $I $P"
calvoro_write_config Anna "$BIRTH" 1
allowed=$(calvoro_expected_pictures "$E" "$I" "$P" no)

calvoro_start
calvoro_wait_tray_icons 3
_tray_shows_levels() {
  TRAY=$(calvoro_tray_pictures "$1")
  calvoro_pictures_match "$TRAY" "$allowed"
}
calvoro_poll_shot 4 0-start _tray_shows_levels || desktop_fail "the tray shows $TRAY, not $allowed"
# The splash stays on top of everything for its 3 s.
SPLASH=$(calvoro_window "Calvoro by Kaldo Prototyping")
desktop_poll 8 eval '! calvoro_is_viewable "$SPLASH"' || desktop_fail "the splash did not go"

icon() { calvoro_tray_icons_in_order | sed -n "$1p" | cut -d' ' -f1; }
centred() { [ "$CALVORO_FX $CALVORO_FY" = "$(((1024 - 385) / 2)) $(((768 - 248) / 2))" ]; }
closed() { ! calvoro_is_viewable "$CALVORO_FORM2"; }

# A click: today's power, centred.
desktop_click "$(icon 1)"
calvoro_find_content_window
centred || desktop_fail "the click opened the window at $CALVORO_FX,$CALVORO_FY"
calvoro_poll_shot 5 1-click calvoro_power_shown "$E" "$I" "$P" ||
  desktop_fail "a click did not show today's power: $CALVORO_WHY"

calvoro_click_corner 0 228
desktop_poll 5 closed || desktop_fail "the bottom-left X did not close the window"
calvoro_wait_refresh

# A double click: the guide, centred; a click while it is open leaves it there.
desktop_double_click "$(icon 2)"
calvoro_find_content_window
calvoro_poll_shot 5 2-double-click calvoro_help_shown || desktop_fail "no guide after a double click: $CALVORO_WHY"
calvoro_find_content_window
centred || desktop_fail "the double click left the window at $CALVORO_FX,$CALVORO_FY"
desktop_click "$(icon 3)"
sleep 1
SHOT=$(calvoro_shot 3-click-while-open)
calvoro_help_shown "$SHOT" || desktop_fail "a click while the window was open changed it: $CALVORO_WHY"
calvoro_find_content_window
centred || desktop_fail "a click while the window was open moved it to $CALVORO_FX,$CALVORO_FY"
# Closing the window refreshes the icons.
calvoro_click_corner 365 228
desktop_poll 5 closed || desktop_fail "the bottom-right X did not close the window"
calvoro_wait_refresh
calvoro_poll_shot 4 4-closed _tray_shows_levels || desktop_fail "the tray shows $TRAY, not $allowed"

# Windows that another client destroys come back: the icons join the tray again, and the
# content window is made again at the next click.
OLD=$(calvoro_tray_clients | sort)
# The icons come back as soon as one is lost: the later ones may be gone already.
for window in $OLD; do xdotool windowclose "$window" 2>/dev/null || true; done
_icons_back() {
  [ "$(calvoro_tray_icons | wc -l)" -eq 3 ] && [ -z "$(comm -12 <(calvoro_tray_clients | sort) <(echo "$OLD"))" ]
}
desktop_poll 5 _icons_back || desktop_fail "the icons did not come back: $(calvoro_tray_clients | tr '\n' ' ')"
calvoro_poll_shot 4 5-icons-back _tray_shows_levels || desktop_fail "the tray shows $TRAY, not $allowed"
desktop_click "$(icon 1)"
calvoro_find_content_window
xdotool windowclose "$CALVORO_FORM2"
desktop_poll 5 eval '! xwininfo -id "$CALVORO_FORM2" >/dev/null 2>&1' || desktop_fail "the window was not destroyed"
calvoro_wait_refresh
desktop_click "$(icon 1)"
calvoro_find_content_window
calvoro_poll_shot 5 6-made-again calvoro_power_shown "$E" "$I" "$P" ||
  desktop_fail "the destroyed window did not come back: $CALVORO_WHY"
calvoro_click_corner 0 228
desktop_poll 5 closed || desktop_fail "the window made again did not close"
calvoro_wait_refresh

# A right click: the menu, a new window of the program by the icon.
KNOWN=$(xdotool search --all --onlyvisible --pid "$CALVORO_PID" 2>/dev/null || true)
read -r _ ix _ iwidth _ <<<"$(calvoro_tray_icons_in_order | sed -n 3p)"
_menu() {
  local window
  for window in $(xdotool search --all --onlyvisible --pid "$CALVORO_PID" 2>/dev/null); do
    grep -qx "$window" <<<"$KNOWN" && continue
    read -r _ _ _ height _ <<<"$(calvoro_geometry "$window")"
    ((height > 150)) || continue # not a tooltip
    MENU=$window
    return 0
  done
  return 1
}
# A press slid off the icon before it is let go is taken back: once a menu opened after it
# has closed again, everything the press led to has run, and no new window is shown.
# shellcheck disable=SC2046
xdotool mousemove $(_desktop_icon_centre "$(icon 1)") mousedown 1 mousemove 500 400 mouseup 1
desktop_right_click_menu "$(icon 3)" _menu || desktop_fail "no menu after a right click"
desktop_key Escape
desktop_poll 5 eval '! calvoro_is_viewable "$MENU"' || desktop_fail "Escape did not close the menu"
! _menu || desktop_fail "a press slid off the icon opened window $MENU"

desktop_right_click_menu "$(icon 3)" _menu || desktop_fail "no menu after a right click"
read -r x y width height _ <<<"$(calvoro_geometry "$MENU")"
((y < 100 && width > 100)) || desktop_fail "the menu is at $x,$y, ${width}x$height"
# Centred on the cursor, kept on the screen.
centre_x=$((ix + iwidth / 2 - width / 2))
((centre_x + width > 1024)) && centre_x=$((1024 - width))
((centre_x < 0)) && centre_x=0
((x >= centre_x - 1 && x <= centre_x + 1)) || desktop_fail "the menu is at x $x, not $centre_x"
# Down selects the first item: today's power, everyday power, blinking, setup, explanation, guide, about, save, quit.
desktop_key Down Down Down Down Down Down Down Down Down
calvoro_shot 7-menu-quit >/dev/null
desktop_key Return
calvoro_wait_exit "$CALVORO_PID" 5 || desktop_fail "\"Terminate Calvoro and Quit\" did not end the program"
[ "$CALVORO_RC" = 0 ] || desktop_fail "the program ended with exit code $CALVORO_RC"
calvoro_wait_tray_icons 0
calvoro_shot 8-quit >/dev/null
echo "PASS"
