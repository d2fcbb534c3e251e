#!/usr/bin/env bash
# A second start on the same desktop (same user, here without a runtime folder) shows the warning
# "Calvoro is already loaded...", adds no tray icon and leaves the first instance as it was;
# closing the warning ends it with exit code 0.
set -euo pipefail
BUILD=${1:?usage: test_calvoro_second_instance.sh BUILD_DIR}
source "$(dirname "$0")/lib/desktop.sh"
source "$(dirname "$0")/lib/calvoro.sh"

calvoro_begin "$BUILD"
# No critical cycle, so that the icons stay still.
BIRTH=$(calvoro_birth_date_where 'e >= 35 && e <= 65 && i >= 35 && i <= 65 && p >= 35 && p <= 65')
read -r E I P <<<"$(calvoro_levels "$BIRTH")"
calvoro_write_config Anna "$BIRTH" 0
allowed=$(calvoro_expected_pictures "$E" "$I" "$P" yes)

calvoro_start
FIRST=$CALVORO_PID
calvoro_wait_tray_icons 3
_tray_shows_levels() {
  TRAY=$(calvoro_tray_pictures "$1")
  calvoro_pictures_match "$TRAY" "$allowed"
}
calvoro_poll_shot 4 1-first _tray_shows_levels || desktop_fail "the tray shows $TRAY, not $allowed"
ICONS=$(calvoro_tray_icons_in_order)
BEFORE="$DESKTOP_DIR/tray-before.png"
read -r _ x y _ <<<"$(echo "$ICONS" | tail -n 1)"
convert "$CALVORO_LAST_SHOT" -crop "$((1024 - x))x32+$x+0" +repage "$BEFORE"

# Without a runtime folder: the lock is the user's, whatever the environment says.
XDG_RUNTIME_DIR= calvoro_start second
SECOND=$CALVORO_PID
desktop_poll 5 eval '[ -n "$(calvoro_window Warning "$SECOND")" ]' || desktop_fail "no warning window"
WARNING=$(calvoro_window Warning "$SECOND")
desktop_poll 5 calvoro_is_viewable "$WARNING" || desktop_fail "the warning is not shown"
SHOT=$(calvoro_shot 2-warning)
# No window of the second process joins the tray.
[ "$(calvoro_tray_icons_in_order)" = "$ICONS" ] || desktop_fail "the tray changed: $(calvoro_tray_icons)"
for window in $(calvoro_tray_clients); do
  [ "$(xdotool getwindowpid "$window" 2>/dev/null)" = "$FIRST" ] ||
    desktop_fail "tray icon $window belongs to another process"
done
desktop_alive "$SECOND" || desktop_fail "the second start ended before the warning was closed"

desktop_wait_active "$WARNING"
desktop_key Return
calvoro_wait_exit "$SECOND" 5 || desktop_fail "closing the warning did not end the second start"
[ "$CALVORO_RC" = 0 ] || desktop_fail "the second start ended with exit code $CALVORO_RC"

# The first instance goes on as before: same icons, same pictures.
desktop_alive "$FIRST" || desktop_fail "the first instance ended"
SHOT=$(calvoro_shot 3-after)
[ "$(calvoro_tray_icons_in_order)" = "$ICONS" ] || desktop_fail "the tray changed: $(calvoro_tray_icons)"
convert "$SHOT" -crop "$((1024 - x))x32+$x+0" +repage "$DESKTOP_DIR/tray-after.png"
differ=$(compare -metric AE "$BEFORE" "$DESKTOP_DIR/tray-after.png" null: 2>&1 || true)
[ "$differ" = 0 ] || desktop_fail "the first instance's icons changed ($differ pixels)"
echo "PASS"
