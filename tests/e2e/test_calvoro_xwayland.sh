#!/usr/bin/env bash
# In a Wayland session that offers an X display, with no Qt platform chosen, the program runs
# on the X display: its windows are X windows of Xwayland, the splash cut to the logo's outline;
# it reaches its setup window and ends on SIGTERM.
set -euo pipefail
BUILD=${1:?usage: test_calvoro_xwayland.sh BUILD_DIR}
source "$(dirname "$0")/lib/desktop.sh"
source "$(dirname "$0")/lib/calvoro.sh"
source "$(dirname "$0")/lib/wayland.sh"

wayland_calvoro_begin "$BUILD" --xwayland
[ -n "$WAYLAND_DISPLAY" ] && [ -n "$DISPLAY" ] && [ -z "${QT_QPA_PLATFORM:-}" ] ||
  desktop_fail "not a Wayland session with an X display"
calvoro_start

desktop_poll 10 eval '[ -n "$(calvoro_window "Calvoro by Kaldo Prototyping")" ]' ||
  desktop_fail "no splash among the X windows of $DISPLAY"
SPLASH=$(calvoro_window "Calvoro by Kaldo Prototyping")
desktop_poll 5 calvoro_is_viewable "$SPLASH" || desktop_fail "the splash is not shown"
read -r _ _ width height _ <<<"$(calvoro_geometry "$SPLASH")"
[ "$width $height" = "244 188" ] || desktop_fail "splash is ${width}x$height"
extents=$(xwininfo -id "$SPLASH" -shape | sed -nE 's/^ *Window shape extents: +([0-9x+-]+).*/\1/p')
[ -n "$extents" ] || desktop_fail "the splash has no outline"
[ "$extents" != "244x188+0+0" ] || desktop_fail "the splash's outline is its whole rectangle"
echo "splash outline: $extents"

desktop_poll 10 eval '[ -n "$(calvoro_window "Calvoro by Kaldo")" ]' ||
  desktop_fail "no content window among the X windows of $DISPLAY"
desktop_poll 5 calvoro_is_viewable "$(calvoro_window "Calvoro by Kaldo")" ||
  desktop_fail "the content window is not shown"
wayland_screenshot "$CALVORO_SHOTS/xwayland.png" || echo "note: no screenshot" >&2

kill -TERM "$CALVORO_PID"
desktop_poll 10 eval '! desktop_alive "$CALVORO_PID"' || desktop_fail "calvoro did not end on SIGTERM"
rc=0
wait "$CALVORO_PID" || rc=$?
# The quit sequence answers the signal and ends with 0.
[ "$rc" = 0 ] || desktop_fail "calvoro ended with $rc on SIGTERM"
echo "PASS"
