#!/usr/bin/env bash
# In a Wayland session without an X display the program runs natively: the first run reaches
# its setup window, the splash shows its logo without the black rectangle around it (a mask
# there only steers the mouse), and the program ends on SIGTERM. Without a tray there, the program
# says so itself: Qt is not left to warn that it cannot wait for an X tray.
set -euo pipefail
BUILD=${1:?usage: test_calvoro_wayland_native.sh BUILD_DIR}
source "$(dirname "$0")/lib/desktop.sh"
source "$(dirname "$0")/lib/calvoro.sh"
source "$(dirname "$0")/lib/wayland.sh"

wayland_calvoro_begin "$BUILD"
[ -n "$WAYLAND_DISPLAY" ] && [ -z "${DISPLAY:-}" ] || desktop_fail "not a Wayland-only session"
calvoro_remove_config
# The client's side of the protocol shows which windows it makes.
WAYLAND_DEBUG=client calvoro_start

# Colours only these windows have: the setup panel's cyan, the logo's navy (about 11 000
# pixels). The compositor places each new window at a spot of its own choosing, and the later
# setup window may cover part of the splash.
setup_pixels() { wayland_count_colour "$1" '#00FFFF'; }
logo_pixels() { wayland_count_colour "$1" '#000080'; }
black_pixels() { wayland_count_colour "$1" '#000000'; }
both_shown() {
  wayland_screenshot "$CALVORO_SHOTS/splash.png" || return 1
  (($(setup_pixels "$CALVORO_SHOTS/splash.png") > 20000)) &&
    (($(logo_pixels "$CALVORO_SHOTS/splash.png") > 1500))
}
desktop_poll 10 both_shown || desktop_fail "no setup window and splash on the screen together" \
  "(see $CALVORO_SHOTS/splash.png)"
grep -q 'set_title("Calvoro by Kaldo")' "$(desktop_output calvoro)" "$DESKTOP_DIR/calvoro.err" ||
  desktop_fail "no window titled \"Calvoro by Kaldo\""
[ ! -e "$CALVORO_CONFIG" ] || desktop_fail "a first run wrote $CALVORO_CONFIG"

# The splash goes after 3 s. What it added to the screen in black must be little: outside the
# logo's outline it draws nothing.
splash_gone() {
  wayland_screenshot "$CALVORO_SHOTS/setup.png" || return 1
  (($(logo_pixels "$CALVORO_SHOTS/setup.png") == 0))
}
desktop_poll 10 splash_gone || desktop_fail "the splash did not go"
(($(setup_pixels "$CALVORO_SHOTS/setup.png") > 20000)) || desktop_fail "the setup window went with the splash"
with=$(black_pixels "$CALVORO_SHOTS/splash.png")
without=$(black_pixels "$CALVORO_SHOTS/setup.png")
echo "black pixels with the splash: $with, without: $without"
((with - without < 1500)) || desktop_fail "the splash showed $((with - without)) black pixels around its logo"

desktop_alive "$CALVORO_PID" || desktop_fail "calvoro ended"
kill -TERM "$CALVORO_PID"
desktop_poll 10 eval '! desktop_alive "$CALVORO_PID"' || desktop_fail "calvoro did not end on SIGTERM"
rc=0
wait "$CALVORO_PID" || rc=$?
# The quit sequence answers the signal and ends with 0.
[ "$rc" = 0 ] || desktop_fail "calvoro ended with $rc on SIGTERM"
if grep -q systemTrayWindowChanged "$DESKTOP_DIR/calvoro.err"; then
  desktop_fail "Qt warns about the X tray: $(grep systemTrayWindowChanged "$DESKTOP_DIR/calvoro.err")"
fi
echo "PASS"
