#!/usr/bin/env bash
# Under a file-size limit (prlimit --fsize=10) the setup's OK cannot save: the error box shows
# the write's error over the program's windows, no temporary file is left, and the program
# lives on.
set -euo pipefail
BUILD=${1:?usage: test_calvoro_save_under_file_limit.sh BUILD_DIR}
source "$(dirname "$0")/lib/desktop.sh"
source "$(dirname "$0")/lib/calvoro.sh"
source "$(dirname "$0")/lib/boxes.sh"

calvoro_begin "$BUILD"
calvoro_remove_config
mkdir -p -m 700 "$CALVORO_CONFIG_DIR"
desktop_run calvoro prlimit --fsize=10 "$CALVORO_BIN"
CALVORO_PID=$DESKTOP_LAST_PID
calvoro_wait_tray_icons 3
calvoro_find_content_window
calvoro_poll_shot 5 1-setup calvoro_setup_shown || desktop_fail "no setup panel: $CALVORO_WHY"

desktop_wait_active "$CALVORO_FORM2"
xdotool mousemove $((CALVORO_FX + 10 + 187 + 6)) $((CALVORO_FY + 10 + 137 + 20)) click 1
desktop_key Home
xdotool type --delay 30 12051970
xdotool mousemove $((CALVORO_FX + 10 + 60 + 56)) $((CALVORO_FY + 10 + 156 + 29)) click 1

# The box's title differs from the splash's only by case: find it by its exact title.
boxes_wait_box "Calvoro by KALDO Prototyping" 5
boxes_check_visible "$(calvoro_shot 2-error)"
desktop_alive "$CALVORO_PID" || desktop_fail "calvoro ended"
[ -z "$(ls -A "$CALVORO_CONFIG_DIR")" ] ||
  desktop_fail "the failed save left: $(ls -A "$CALVORO_CONFIG_DIR")"

boxes_close
# The program goes on: its window takes the focus back.
desktop_wait_active "$CALVORO_FORM2"
desktop_alive "$CALVORO_PID" || desktop_fail "calvoro ended after the error"
echo "PASS"
