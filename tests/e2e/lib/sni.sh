# A StatusNotifierItem desktop on a private session bus: the watcher and a real host from the
# distribution. Source desktop.sh first, then this file.
#
#   sni_bus_start                 a private session bus for this test (stopped at the end)
#   sni_host_start                the watcher and the standalone host
#   sni_items                     the registered items' bus names, one a line
#   sni_item_property NAME PROP   a property of an item, as gdbus prints it
#   sni_menu_layout NAME          the layout of an item's exported menu, as gdbus prints it

sni_bus_start() {
  local out="$DESKTOP_DIR/bus.address"
  dbus-daemon --session --nofork --print-address=3 3>"$out" >"$DESKTOP_DIR/bus.out" \
    2>"$DESKTOP_DIR/bus.err" </dev/null &
  _desktop_track $! dbus-daemon
  desktop_poll "$DESKTOP_TIMEOUT" test -s "$out" || desktop_fail "no session bus"
  DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$out")
  export DBUS_SESSION_BUS_ADDRESS
}

_sni_watcher_up() {
  gdbus call --session -d org.freedesktop.DBus -o /org/freedesktop/DBus \
    -m org.freedesktop.DBus.NameHasOwner org.kde.StatusNotifierWatcher 2>/dev/null | grep -q true
}

sni_host_start() {
  desktop_run watcher status-notifier-watcher
  desktop_poll "$DESKTOP_TIMEOUT" _sni_watcher_up || desktop_fail "the watcher did not start"
  desktop_run host gtk-sni-tray-standalone
}

sni_items() {
  gdbus call --session -d org.kde.StatusNotifierWatcher -o /StatusNotifierWatcher \
    -m org.freedesktop.DBus.Properties.Get org.kde.StatusNotifierWatcher \
    RegisteredStatusNotifierItems 2>/dev/null | grep -oE "'[^']+'" | tr -d "'"
}

# An item is registered as "service" or "service/path"; the path is /StatusNotifierItem then.
_sni_service() { echo "${1%%/*}"; }

sni_item_property() {
  gdbus call --session -d "$(_sni_service "$1")" -o /StatusNotifierItem \
    -m org.freedesktop.DBus.Properties.Get org.kde.StatusNotifierItem "$2" 2>/dev/null
}

sni_menu_path() { sni_item_property "$1" Menu | grep -oE "'/[^']*'" | tr -d "'"; }

sni_menu_layout() {
  gdbus call --session -d "$(_sni_service "$1")" -o "$(sni_menu_path "$1")" \
    -m com.canonical.dbusmenu.GetLayout -- 0 -1 '[]' 2>/dev/null
}
