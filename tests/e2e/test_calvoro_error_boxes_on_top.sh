#!/usr/bin/env bash
# Every error box opens on top of the program's own windows, focused, and can be seen: a stored
# birth date that is not a date, at start-up over the splash; the same date refused by the
# setup's OK over the stay-on-top content window; and the birth-date field left with a year
# digit missing. Return closes each box, so each one had the keyboard. The box is a dialog of
# the program, without minimise and maximise.
set -euo pipefail
BUILD=${1:?usage: test_calvoro_error_boxes_on_top.sh BUILD_DIR}
source "$(dirname "$0")/lib/desktop.sh"
source "$(dirname "$0")/lib/calvoro.sh"
source "$(dirname "$0")/lib/boxes.sh"

TITLE="Calvoro by KALDO Prototyping"
calvoro_begin "$BUILD"
calvoro_write_config Anna 31/02/1990 0

calvoro_start
boxes_wait_box "$TITLE" 5
SHOT=$(calvoro_shot 1-at-start)
boxes_check_visible "$SHOT"
boxes_check_dialog
SPLASH=$(calvoro_window "Calvoro by Kaldo Prototyping")
if [ -n "$SPLASH" ] && calvoro_is_viewable "$SPLASH"; then
  echo "the box opened while the splash was up"
fi
boxes_close

# The way back: the setup panel, holding the stored date.
calvoro_find_content_window
calvoro_poll_shot 5 2-setup calvoro_setup_shown || desktop_fail "no setup panel: $CALVORO_WHY"

# OK at (60, 156) of the panel, 113 x 59: the date is refused over the stay-on-top window.
xdotool mousemove $((CALVORO_FX + 10 + 60 + 56)) $((CALVORO_FY + 10 + 156 + 29)) click 1
boxes_wait_box "$TITLE"
SHOT=$(calvoro_shot 3-setup-ok)
boxes_check_visible "$SHOT"
boxes_close

# A year digit taken out, then a click on the first-name field.
xdotool mousemove $((CALVORO_FX + 10 + 187 + 140)) $((CALVORO_FY + 10 + 137 + 20)) click 1
desktop_key End BackSpace
xdotool mousemove $((CALVORO_FX + 10 + 159 + 100)) $((CALVORO_FY + 10 + 42 + 15)) click 1
boxes_wait_box "$TITLE"
SHOT=$(calvoro_shot 4-field)
boxes_check_visible "$SHOT"
boxes_close

desktop_alive "$CALVORO_PID" || desktop_fail "calvoro ended"
echo "PASS"
