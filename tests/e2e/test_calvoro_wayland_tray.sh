#!/usr/bin/env bash
# Natively on Wayland the only tray is StatusNotifierItem: with a watcher but no host on the
# (private) session bus, the user is told once that the icons will come; the three items wait
# at the watcher, where a host that starts afterwards finds them; SIGTERM takes them away.
set -euo pipefail
BUILD=${1:?usage: test_calvoro_wayland_tray.sh BUILD_DIR}
source "$(dirname "$0")/lib/desktop.sh"
source "$(dirname "$0")/lib/calvoro.sh"
source "$(dirname "$0")/lib/sni.sh"
source "$(dirname "$0")/lib/wayland.sh"
for tool in dbus-daemon gdbus status-notifier-watcher gtk-sni-tray-standalone; do
  command -v "$tool" >/dev/null || desktop_fail "$tool is missing (scripts/setup.sh)"
done

wayland_calvoro_begin "$BUILD"
sni_bus_start
desktop_run watcher status-notifier-watcher
desktop_poll "$DESKTOP_TIMEOUT" _sni_watcher_up || desktop_fail "the watcher did not start"

calvoro_write_config Anna 01/02/1990 0
# The client's side of the protocol shows which windows it makes.
WAYLAND_DEBUG=client calvoro_start
desktop_poll 12 grep -q 'set_title("Information")' "$DESKTOP_DIR/calvoro.err" ||
  desktop_fail "no box about the missing tray"

# The distribution's host draws its panel through X only: it gets an X display of its own,
# which the program never sees.
_desktop_start_display || desktop_fail "no free display for the tray host"
HOST_DISPLAY=$DISPLAY
unset DISPLAY
desktop_run host env -u WAYLAND_DISPLAY DISPLAY="$HOST_DISPLAY" gtk-sni-tray-standalone
_host_registered() {
  gdbus call --session -d org.kde.StatusNotifierWatcher -o /StatusNotifierWatcher \
    -m org.freedesktop.DBus.Properties.Get org.kde.StatusNotifierWatcher \
    IsStatusNotifierHostRegistered 2>/dev/null | grep -q true
}
desktop_poll 10 _host_registered || desktop_fail "the host did not register"
_three_items() { [ "$(sni_items | wc -l)" -eq 3 ]; }
desktop_poll 10 _three_items || desktop_fail "registered items: $(sni_items | tr '\n' ' ')"
[ "$(grep -c 'set_title("Information")' "$DESKTOP_DIR/calvoro.err")" -eq 1 ] ||
  desktop_fail "the box about the missing tray came more than once"

kill -TERM "$CALVORO_PID"
desktop_poll 10 eval '! desktop_alive "$CALVORO_PID"' || desktop_fail "calvoro did not end on SIGTERM"
rc=0
wait "$CALVORO_PID" || rc=$?
[ "$rc" = 0 ] || desktop_fail "calvoro ended with $rc on SIGTERM"
_no_items() { [ -z "$(sni_items)" ]; }
desktop_poll 5 _no_items || desktop_fail "items left after the end: $(sni_items | tr '\n' ' ')"
echo "PASS"
