#!/usr/bin/env bash
# SIGTERM (as a session's end or a service manager sends it) runs the quit sequence: the program
# ends with exit code 0 and its icons leave the tray.
set -euo pipefail
BUILD=${1:?usage: test_calvoro_signals.sh BUILD_DIR}
source "$(dirname "$0")/lib/desktop.sh"
source "$(dirname "$0")/lib/calvoro.sh"

calvoro_begin "$BUILD"
calvoro_write_config Anna 01/02/1990 1
calvoro_start
calvoro_wait_tray_icons 3
kill -TERM "$CALVORO_PID"
calvoro_wait_exit "$CALVORO_PID" 5 || desktop_fail "SIGTERM did not end the program"
[ "$CALVORO_RC" = 0 ] || desktop_fail "the program ended with exit code $CALVORO_RC after SIGTERM"
calvoro_wait_tray_icons 0 3
echo "PASS"
