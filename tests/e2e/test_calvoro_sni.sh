#!/usr/bin/env bash
# A StatusNotifierItem host that starts ten seconds after the program, on a private session
# bus: the icons leave the X tray and register as three items with their own ids in the order
# emotional, intellectual, physical (the watcher's listing is newest first), each by its
# connection's own bus name; each exports the menu with its items and the check mark of
# "Blinking Icons", and answers at once for a property it lacks; a menu command sent over the bus
# opens the program's window, and the host's secondary activation the guide; while the host and
# its watcher are gone the X tray shows the icons, and after a restart of the host the items are
# back.
set -euo pipefail
BUILD=${1:?usage: test_calvoro_sni.sh BUILD_DIR}
source "$(dirname "$0")/lib/desktop.sh"
source "$(dirname "$0")/lib/calvoro.sh"
source "$(dirname "$0")/lib/sni.sh"
command -v gtk-sni-tray-standalone >/dev/null || desktop_fail "gtk-sni-tray-standalone is missing (scripts/setup.sh)"

calvoro_begin "$BUILD"
sni_bus_start
calvoro_write_config Anna 01/02/1990 0
calvoro_start
calvoro_wait_tray_icons 3
sleep 10
sni_host_start

_three_items() { [ "$(sni_items | wc -l)" -eq 3 ]; }
desktop_poll 10 _three_items || desktop_fail "registered items: $(sni_items | tr '\n' ' ')"
calvoro_wait_tray_icons 0 5

# By the connection's own name (":1.N"), the sender of the item's signals, so that the host
# needs no questions to tell which item changed.
[ -z "$(sni_items | grep -v '^:')" ] || desktop_fail "items not by their own names: $(sni_items | tr '\n' ' ')"
# The watcher lists the newest first; the items' connections are numbered in the order made.
_items_in_order() { sni_items | sort -t. -k2,2n; }
ids=()
for item in $(_items_in_order); do
  ids+=("$(sni_item_property "$item" Id | grep -oE "'[^']*'" | tr -d "'")")
done
[ "${ids[*]}" = "calvoro-emotional calvoro-intellectual calvoro-physical" ] ||
  desktop_fail "item ids: ${ids[*]}"
FIRST=$(_items_in_order | head -n 1)
sni_item_property "$FIRST" ToolTip | grep -q "Dear Anna, you have" ||
  desktop_fail "tooltip: $(sni_item_property "$FIRST" ToolTip)"

LAYOUT=$(sni_menu_layout "$FIRST" || true)
for label in "Your power today" "Blinking Icons" "Setup" "Save your configuration" \
  "Terminate Calvoro and Quit" "OK, close the menu..."; do
  grep -qF "'label': <'$label'>" <<<"$LAYOUT" || desktop_fail "no \"$label\" in the menu: $LAYOUT"
done
[ "$(grep -o "'type': <'separator'>" <<<"$LAYOUT" | wc -l)" -eq 4 ] ||
  desktop_fail "the menu has not 4 separators: $LAYOUT"
blink=$(grep -oE "\([0-9]+, \{[^}]*'Blinking Icons'[^}]*\}" <<<"$LAYOUT")
grep -q "'toggle-state': <1>" <<<"$blink" || desktop_fail "blinking is not checked: $blink"

MENU_PATH=$(sni_menu_path "$FIRST")
# An item or a property that does not exist is an error at once, not a wait for the time-out.
for args in "1 nope" "6 toggle-type" "99999 label"; do
  # shellcheck disable=SC2086
  out=$(gdbus call --session --timeout 5 -d "$FIRST" -o "$MENU_PATH" \
    -m com.canonical.dbusmenu.GetProperty $args 2>&1) && desktop_fail "GetProperty $args: $out"
  grep -q InvalidArgs <<<"$out" || desktop_fail "GetProperty $args: $out"
done

# "Your power today" is the first entry.
gdbus call --session -d "$FIRST" -o "$MENU_PATH" -m com.canonical.dbusmenu.Event 1 clicked \
  '<0>' 0 >/dev/null || desktop_fail "the menu did not take the click"
calvoro_find_content_window
calvoro_poll_shot 5 1-power-from-bus calvoro_power_shown $(calvoro_levels 01/02/1990) ||
  desktop_fail "the command did not open today's power: $CALVORO_WHY"

# The host's secondary activation (its middle click) opens the guide, as a double click does.
gdbus call --session -d "$(_items_in_order | tail -n 1)" -o /StatusNotifierItem \
  -m org.kde.StatusNotifierItem.SecondaryActivate 0 0 >/dev/null
calvoro_poll_shot 5 2-guide-from-bus calvoro_help_shown || desktop_fail "no guide: $CALVORO_WHY"

# "Blinking Icons" switches off, and the menu says so.
gdbus call --session -d "$FIRST" -o "$MENU_PATH" -m com.canonical.dbusmenu.Event 4 clicked \
  '<0>' 0 >/dev/null
_unchecked() { sni_menu_layout "$FIRST" | grep -oE "\([0-9]+, \{[^}]*'Blinking Icons'[^}]*\}" | grep -q "'toggle-state': <0>"; }
desktop_poll 5 _unchecked || desktop_fail "blinking still checked after the click"
calvoro_shot 3-host >/dev/null

# The host and its watcher restart (a panel restart): the items register with the new one.
for i in "${!DESKTOP_NAMES[@]}"; do
  case "${DESKTOP_NAMES[$i]}" in
  watcher | host) kill -TERM "${DESKTOP_PIDS[$i]}" && wait "${DESKTOP_PIDS[$i]}" 2>/dev/null || true ;;
  esac
done
desktop_poll 5 eval '! _sni_watcher_up' || desktop_fail "the watcher did not stop"
# Meanwhile the X tray shows them.
calvoro_wait_tray_icons 3
sni_host_start
desktop_poll 10 _three_items || desktop_fail "after the restart: $(sni_items | tr '\n' ' ')"
calvoro_wait_tray_icons 0 5
echo "PASS"
