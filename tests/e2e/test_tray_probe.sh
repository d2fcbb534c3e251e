#!/usr/bin/env bash
# Three tray icons of one program on a real tray: each click, double click and right click
# reaches the events and the menu of the icon under the mouse, and the icons show their own
# pictures.
set -euo pipefail
BUILD=${1:?usage: test_tray_probe.sh BUILD_DIR}
PROBE="$BUILD/tests/e2e/tray_probe"
source "$(dirname "$0")/lib/desktop.sh"
[ -x "$PROBE" ] || { echo "missing $PROBE" >&2; exit 1; }

desktop_start
desktop_run probe "$PROBE"
PROBE_PID=$DESKTOP_LAST_PID
LOG=$(desktop_output probe)
desktop_wait_for_line "$LOG" '^running$'
desktop_wait_tray_icons 3

# Which icon is which: the colour at its centre on the screen, once all three are painted
# (an icon is in the tray a moment before its picture is).
SHOT="$DESKTOP_DIR/tray.png"
declare -A ICON
_icons_painted() {
  local window x y width height r g b
  ICON=()
  desktop_screenshot "$SHOT"
  while read -r window x y width height; do
    read -r r g b <<<"$(desktop_pixel "$SHOT" $((x + width / 2)) $((y + height / 2)))"
    case "$r $g $b" in
    "255 0 0") ICON[red]=$window ;;
    "0 255 0") ICON[green]=$window ;;
    "0 0 255") ICON[blue]=$window ;;
    *) PAINT_WHY="icon $window at $x,$y shows $r $g $b" ;;
    esac
  done < <(desktop_tray_icons)
  [ -n "${ICON[red]:-}" ] && [ -n "${ICON[green]:-}" ] && [ -n "${ICON[blue]:-}" ]
}
PAINT_WHY="not three icons"
desktop_poll 5 _icons_painted || desktop_fail "$PAINT_WHY"

expected=(running)
expect() {
  expected+=("$1")
  desktop_wait_for_line "$LOG" "^$1\$"
}

for name in red green blue; do
  desktop_click "${ICON[$name]}"
  expect "click $name"
done

# A double click: the first release is a click, then the double click, then the second release.
for name in red green blue; do
  desktop_double_click "${ICON[$name]}"
  expect "click $name"
  expect "dblclick $name"
  expect "click $name"
done

# The right click opens that icon's own menu at the cursor; its event follows once the menu
# has closed, with the cursor position.
for name in red green blue; do
  desktop_right_click "${ICON[$name]}"
  expect "menu $name"
  desktop_wait_popup "$PROBE_PID"
  desktop_key Down Return
  expect "item $name"
  read -r _ x y width height <<<"$(desktop_tray_icons | awk -v w="${ICON[$name]}" '$1 == w')"
  expect "rightclick $name $((x + width / 2)) $((y + height / 2))"
done

mapfile -t got <"$LOG"
if [ "${got[*]}" != "${expected[*]}" ]; then
  printf 'expected:\n%s\n' "${expected[@]}" >&2
  desktop_fail "events in another order or to another icon"
fi

# Quitting from a menu takes all three icons out of the tray.
desktop_right_click "${ICON[green]}"
desktop_wait_for_line "$LOG" '^menu green$'
desktop_wait_popup "$PROBE_PID"
desktop_key Down Down Return
desktop_poll 10 eval '! desktop_alive '"$PROBE_PID" || desktop_fail "the probe did not quit"
desktop_wait_tray_icons 0
echo "PASS"
