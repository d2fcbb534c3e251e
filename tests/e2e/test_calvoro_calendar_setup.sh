#!/usr/bin/env bash
# A birth date picked instead of typed: on the setup panel "Calendar" opens the date chooser,
# centred, with the content window sent behind it; a click on a day and OK put that date into
# the birth-date field (the setup's OK then saves it), and the content window stays on top
# again.
set -euo pipefail
BUILD=${1:?usage: test_calvoro_calendar_setup.sh BUILD_DIR}
source "$(dirname "$0")/lib/desktop.sh"
source "$(dirname "$0")/lib/calvoro.sh"
source "$(dirname "$0")/lib/chooser.sh"

calvoro_begin "$BUILD"
calvoro_remove_config
calvoro_start
calvoro_wait_tray_icons 3
calvoro_find_content_window
calvoro_poll_shot 5 1-setup calvoro_setup_shown || desktop_fail "no setup panel: $CALVORO_WHY"
window_above "$CALVORO_FORM2" || desktop_fail "the content window is not on top"

# "Calendar" at (26, 66) of the panel, 120 x 27.
xdotool mousemove $((CALVORO_FX + 10 + 26 + 60)) $((CALVORO_FY + 10 + 66 + 13)) click 1
chooser_find
[ "$CX $CY" = "$(((1024 - 220) / 2)) $(((768 - 188) / 2))" ] ||
  desktop_fail "the chooser opened at $CX,$CY"
calvoro_poll_shot 5 2-chooser chooser_shown || desktop_fail "the chooser does not show: $CALVORO_WHY"
! window_above "$CALVORO_FORM2" || desktop_fail "the content window stays on top of the chooser"

# The 10th of the month on display (this month: the chooser starts on today).
chooser_click_day 10
calvoro_shot 3-picked >/dev/null
chooser_click_ok
desktop_poll 5 eval '! calvoro_is_viewable "$CHOOSER"' || desktop_fail "OK did not close the chooser"
desktop_poll 2 window_above "$CALVORO_FORM2" || desktop_fail "the content window is not on top again"
PICKED="10/$(date +%m/%Y)"
calvoro_shot 4-filled >/dev/null

# The setup's OK saves what the birth-date field holds.
xdotool mousemove $((CALVORO_FX + 10 + 60 + 56)) $((CALVORO_FY + 10 + 156 + 29)) click 1
desktop_poll 5 eval '[ -s "$CALVORO_CONFIG" ]' || desktop_fail "the setup's OK wrote no file"
line3=$(sed -n 3p "$CALVORO_CONFIG" | tr -d '\r')
[ "$line3" = "$PICKED" ] || desktop_fail "the birth-date field held '$line3', not $PICKED"
desktop_alive "$CALVORO_PID" || desktop_fail "calvoro ended"
echo "PASS"
