#!/usr/bin/env bash
# First run, without a configuration file: the shaped splash comes up centred and goes after
# 3 s; the content window opens centred on its setup panel; the three tray icons show their
# initial pictures while the window is open; nothing is written.
set -euo pipefail
BUILD=${1:?usage: test_calvoro_first_run.sh BUILD_DIR}
source "$(dirname "$0")/lib/desktop.sh"
source "$(dirname "$0")/lib/calvoro.sh"

calvoro_begin "$BUILD"
calvoro_remove_config
calvoro_start

# The splash: 244 x 188, centred, cut to the logo's outline.
desktop_poll 5 eval '[ -n "$(calvoro_window "Calvoro by Kaldo Prototyping")" ]' ||
  desktop_fail "no splash window"
SPLASH=$(calvoro_window "Calvoro by Kaldo Prototyping")
desktop_poll 5 calvoro_is_viewable "$SPLASH" || desktop_fail "the splash is not shown"
read -r x y width height _ <<<"$(calvoro_geometry "$SPLASH")"
[ "$width $height" = "244 188" ] || desktop_fail "splash is ${width}x$height"
[ "$x $y" = "$(((1024 - 244) / 2)) $(((768 - 188) / 2))" ] || desktop_fail "splash at $x,$y, not centred"
extents=$(xwininfo -id "$SPLASH" -shape | sed -nE 's/^ *Window shape extents: +([0-9x+-]+).*/\1/p')
[ -n "$extents" ] || desktop_fail "the splash has no outline"
[ "$extents" != "244x188+0+0" ] || desktop_fail "the splash's outline is its whole rectangle"

calvoro_wait_tray_icons 3
calvoro_find_content_window
[ "$CALVORO_FW $CALVORO_FH" = "385 248" ] || desktop_fail "content window is ${CALVORO_FW}x$CALVORO_FH"
[ "$CALVORO_FX $CALVORO_FY" = "$(((1024 - 385) / 2)) $(((768 - 248) / 2))" ] ||
  desktop_fail "content window at $CALVORO_FX,$CALVORO_FY, not centred"
calvoro_poll_shot 5 setup calvoro_setup_shown ||
  desktop_fail "no setup panel: $CALVORO_WHY (see $CALVORO_LAST_SHOT)"
calvoro_is_viewable "$SPLASH" || echo "note: the splash had gone before the setup panel was seen" >&2

pictures=$(calvoro_tray_pictures "$CALVORO_LAST_SHOT")
[ "$pictures" = "tray21 tray22 tray23" ] || desktop_fail "the tray shows $pictures, not the initial icons"

# The splash goes after 3 s; the window and the initial icons stay.
desktop_poll 8 eval '! calvoro_is_viewable "$SPLASH"' || desktop_fail "the splash did not go"
calvoro_is_viewable "$CALVORO_FORM2" || desktop_fail "the content window went with the splash"
SHOT=$(calvoro_shot after-splash)
calvoro_setup_shown "$SHOT" || desktop_fail "setup panel after the splash: $CALVORO_WHY"
pictures=$(calvoro_tray_pictures "$SHOT")
[ "$pictures" = "tray21 tray22 tray23" ] || desktop_fail "with the window open the tray shows $pictures"
calvoro_wait_tray_icons 3
desktop_alive "$CALVORO_PID" || desktop_fail "calvoro ended"
[ ! -e "$CALVORO_CONFIG" ] || desktop_fail "a first run wrote $CALVORO_CONFIG"
echo "PASS"
