#!/usr/bin/env bash
# Natively on Wayland there is no X tray: the three icons reach the desktop as StatusNotifierItems
# on the session bus (here a private one, with a watcher and a host).
set -euo pipefail
BUILD=${1:?usage: test_calvoro_wayland_tray.sh BUILD_DIR}
source "$(dirname "$0")/lib/desktop.sh"
source "$(dirname "$0")/lib/calvoro.sh"
source "$(dirname "$0")/lib/wayland.sh"
for tool in dbus-daemon gdbus status-notifier-watcher gtk-sni-tray-standalone; do
  command -v "$tool" >/dev/null || desktop_fail "$tool is missing (scripts/setup.sh)"
done

wayland_calvoro_begin "$BUILD"
wayland_bus_start
# The distribution's host draws its panel through X only: it gets an X display of its own,
# which the program never sees.
_desktop_start_display || desktop_fail "no free display for the tray host"
HOST_DISPLAY=$DISPLAY
unset DISPLAY
desktop_run watcher status-notifier-watcher
desktop_poll "$DESKTOP_TIMEOUT" wayland_watcher_up || desktop_fail "the watcher did not start"
desktop_run host env -u WAYLAND_DISPLAY DISPLAY="$HOST_DISPLAY" gtk-sni-tray-standalone
desktop_poll "$DESKTOP_TIMEOUT" wayland_host_registered || desktop_fail "the host did not register"

calvoro_write_config Anna 01/02/1990 0
calvoro_start
_three_items() { [ "$(wayland_sni_items | wc -l)" -eq 3 ]; }
desktop_poll 10 _three_items || desktop_fail "registered items: $(wayland_sni_items | tr '\n' ' ')"
desktop_alive "$CALVORO_PID" || desktop_fail "calvoro ended"
echo "PASS"
