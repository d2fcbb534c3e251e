#!/usr/bin/env bash
# First run, the setup window closed without OK: within a second or so the icons show today's
# levels for the field's design date 01/01/0001, blinking where a cycle is critical, the
# tooltips greet "First Name", and no file is written.
set -euo pipefail
BUILD=${1:?usage: test_calvoro_close_refreshes_icons.sh BUILD_DIR}
source "$(dirname "$0")/lib/desktop.sh"
source "$(dirname "$0")/lib/calvoro.sh"

calvoro_begin "$BUILD"
calvoro_remove_config
read -r E I P <<<"$(calvoro_levels 01/01/0001)"
echo "levels for 01/01/0001: $E $I $P"
allowed=$(calvoro_expected_pictures "$E" "$I" "$P" yes)

calvoro_start
calvoro_wait_tray_icons 3
calvoro_find_content_window
calvoro_poll_shot 5 1-setup calvoro_setup_shown || desktop_fail "no setup panel: $CALVORO_WHY"
pictures=$(calvoro_tray_pictures "$CALVORO_LAST_SHOT")
[ "$pictures" = "tray21 tray22 tray23" ] || desktop_fail "before closing the tray shows $pictures"

calvoro_click_corner 0 0
desktop_poll 5 eval '! calvoro_is_viewable "$CALVORO_FORM2"' || desktop_fail "the top-left X did not close the window"
_tray_shows_levels() {
  TRAY=$(calvoro_tray_pictures "$1")
  calvoro_pictures_match "$TRAY" "$allowed"
}
calvoro_poll_shot 4 2-closed _tray_shows_levels || desktop_fail "after closing the tray shows $TRAY, not $allowed"
echo "tray: $TRAY"
# The tooltips greet the field's design text.
calvoro_check_tooltip 2 "Hello First Name, you have $I % of your intellectual power"
calvoro_wait_tray_icons 3
[ ! -e "$CALVORO_CONFIG" ] || desktop_fail "closing the setup window wrote $CALVORO_CONFIG"
desktop_alive "$CALVORO_PID" || desktop_fail "calvoro ended"
echo "PASS"
