#!/usr/bin/env bash
# A desktop without a notification area: a few seconds after start the user is told, in a box,
# that Calvoro runs and will show its icons; a tray that starts while the box is up receives
# them, and the box closes by itself.
set -euo pipefail
BUILD=${1:?usage: test_calvoro_no_tray.sh BUILD_DIR}
source "$(dirname "$0")/lib/desktop.sh"
source "$(dirname "$0")/lib/calvoro.sh"
source "$(dirname "$0")/lib/boxes.sh"

calvoro_begin "$BUILD"
# calvoro_begin brought up a tray: take it away before the program starts.
desktop_stop_tray
calvoro_write_config Anna 01/02/1990 1
calvoro_start
desktop_poll 12 eval '[ -n "$(calvoro_window Information)" ]' || desktop_fail "no box about the missing tray"
BOX=$(calvoro_window Information)
desktop_poll 3 calvoro_is_viewable "$BOX" || desktop_fail "the box is not shown"
calvoro_shot 0-notice >/dev/null
boxes_check_dialog
desktop_start_tray
calvoro_wait_tray_icons 3
desktop_poll 5 eval '[ -z "$(calvoro_window Information)" ]' || desktop_fail "the box stays with the tray there"
calvoro_shot 1-late-tray >/dev/null
echo "PASS"
