#!/usr/bin/env bash
# The date chooser under a month-first regional format, driven from the keyboard: Escape closes
# it as Cancel does (the content window back on top), Return on the focused OK puts the picked
# day into the birth-date field month first, and the setup's OK saves it as the same day.
set -euo pipefail
BUILD=${1:?usage: test_calvoro_chooser_keys_month_first.sh BUILD_DIR}
source "$(dirname "$0")/lib/desktop.sh"
source "$(dirname "$0")/lib/calvoro.sh"
source "$(dirname "$0")/lib/chooser.sh"

calvoro_begin "$BUILD"
# en_US writes dates M/d/yy; built into the test's own folder.
mkdir -p "$DESKTOP_DIR/locales"
localedef -i en_US -f UTF-8 "$DESKTOP_DIR/locales/en_US.UTF-8" >/dev/null 2>&1 ||
  [ -d "$DESKTOP_DIR/locales/en_US.UTF-8" ] || { echo "SKIP: localedef cannot build en_US"; exit 77; }
export LOCPATH="$DESKTOP_DIR/locales"
export LC_ALL=en_US.UTF-8 2>/dev/null

calvoro_remove_config
calvoro_start
calvoro_wait_tray_icons 3
calvoro_find_content_window
calvoro_poll_shot 5 1-setup calvoro_setup_shown || desktop_fail "no setup panel: $CALVORO_WHY"

open_chooser() {
  # "Calendar" at (26, 66) of the panel, 120 x 27.
  xdotool mousemove $((CALVORO_FX + 10 + 26 + 60)) $((CALVORO_FY + 10 + 66 + 13)) click 1
  chooser_find
  ! window_above "$CALVORO_FORM2" || desktop_fail "the content window stays on top of the chooser"
}
closed_as_cancel() {
  desktop_poll 5 eval '! calvoro_is_viewable "$CHOOSER"' || desktop_fail "$1 did not close the chooser"
  desktop_poll 2 window_above "$CALVORO_FORM2" || desktop_fail "the content window is not on top after $1"
}

open_chooser
calvoro_poll_shot 5 2-chooser chooser_shown || desktop_fail "the chooser does not show: $CALVORO_WHY"
xdotool key Escape
closed_as_cancel Escape

open_chooser
calvoro_poll_shot 5 3-again chooser_shown || desktop_fail "the chooser does not show again: $CALVORO_WHY"
# The 10th of this month, then Tab from the grid to OK.
chooser_click_day 10
xdotool key Tab
calvoro_shot 4-ok-focused >/dev/null
xdotool key Return
closed_as_cancel "Return on OK"
PICKED="$(date +%m)/10/$(date +%Y)"
calvoro_shot 5-filled >/dev/null

# The setup's OK saves what the birth-date field holds: it read the day picked.
xdotool mousemove $((CALVORO_FX + 10 + 60 + 56)) $((CALVORO_FY + 10 + 156 + 29)) click 1
desktop_poll 5 eval '[ -s "$CALVORO_CONFIG" ]' || desktop_fail "the setup's OK wrote no file"
line3=$(sed -n 3p "$CALVORO_CONFIG" | tr -d '\r')
[ "$line3" = "$PICKED" ] || desktop_fail "the birth-date field held '$line3', not $PICKED"
desktop_alive "$CALVORO_PID" || desktop_fail "calvoro ended"
echo "PASS"
