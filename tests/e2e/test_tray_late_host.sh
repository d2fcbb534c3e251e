#!/usr/bin/env bash
# A tray that starts after the program (as at the start of a session): the icons move into it
# by themselves, with their pictures, and answer clicks.
set -euo pipefail
BUILD=${1:?usage: test_tray_late_host.sh BUILD_DIR}
PROBE="$BUILD/tests/e2e/tray_probe"
source "$(dirname "$0")/lib/desktop.sh"
[ -x "$PROBE" ] || { echo "missing $PROBE" >&2; exit 1; }

desktop_start --no-tray
desktop_run probe "$PROBE"
LOG=$(desktop_output probe)
desktop_wait_for_line "$LOG" '^running$'
desktop_start_tray
desktop_wait_tray_icons 3

SHOT="$DESKTOP_DIR/tray.png"
desktop_screenshot "$SHOT"
colours=()
while read -r window x y width height; do
  colours+=("$(desktop_pixel "$SHOT" $((x + width / 2)) $((y + height / 2)))")
  last=$window
done < <(desktop_tray_icons)
sorted=$(printf '%s\n' "${colours[@]}" | sort | tr '\n' ',')
[ "$sorted" = "0 0 255,0 255 0,255 0 0," ] || desktop_fail "tray shows: $sorted"

desktop_click "$last"
desktop_wait_for_line "$LOG" '^click (red|green|blue)$'
echo "PASS"
