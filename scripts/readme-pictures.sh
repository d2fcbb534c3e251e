#!/usr/bin/env bash
# The README's pictures, cut from the screenshots the end-to-end tests leave in
# BUILD/tests/e2e/output (run `make test` first).
#   scripts/readme-pictures.sh [BUILD]
set -euo pipefail
cd "$(dirname "$0")/.."
OUT=${1:-build}/tests/e2e/output
DEST=docs/pictures
mkdir -p "$DEST"

# A window on the desktop: everything below the tray strip, trimmed to what differs from the
# desktop's colour.
window() { convert "$OUT/$1" -crop 1024x728+0+40 +repage -fuzz 3% -trim +repage "$DEST/$2"; }
# The top right corner, where the tray and its menu and tooltips are.
corner() { convert "$OUT/$1" -crop "$2" +repage "$DEST/$3"; }

window test_calvoro_configured_start/1-splash.png splash.png
corner test_calvoro_configured_start/tooltip-1.png 420x90+604+0 tray-tooltip.png
corner test_calvoro_tray_menu_banner/2-highlighted.png 250x270+774+0 tray-menu.png
window test_calvoro_first_run/setup.png setup.png
window test_calvoro_balloon_hint/2-balloon.png power-balloon.png
window test_calvoro_chart/2-next-month.png chart.png
window test_calvoro_calendar_setup/2-chooser.png chooser.png
window test_calvoro_about/1-about.png about.png
ls "$DEST"
