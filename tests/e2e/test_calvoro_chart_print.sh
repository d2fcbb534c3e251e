#!/usr/bin/env bash
# Printing the chart on a real print queue: without a default printer " Print" shows the error
# box and leaves the window in silver with its buttons; with a PDF queue as the default printer
# it prints one page with the window's image at its size on screen, on white, at the top left
# of the printable area.
set -euo pipefail
BUILD=${1:?usage: test_calvoro_chart_print.sh BUILD_DIR}
source "$(dirname "$0")/lib/desktop.sh"
source "$(dirname "$0")/lib/calvoro.sh"
source "$(dirname "$0")/lib/chart.sh"
source "$(dirname "$0")/lib/printer.sh"

calvoro_begin "$BUILD"
trap 'printer_stop; desktop_stop' EXIT
printer_start
calvoro_write_config Anna 25/05/2001 1
calvoro_start_past_splash

chart_open_projection
chart_show_me 01/06/2001
SHOWN=$CALVORO_LAST_SHOT

# No default printer: the error box, and the window as it was.
chart_button print
_error_box() {
  local window
  for window in $(xdotool search --all --onlyvisible --pid "$CALVORO_PID" --name '^Calvoro by KALDO Prototyping$' 2>/dev/null); do
    [ "$window" = "$SPLASH" ] && continue
    BOX=$window
    return 0
  done
  return 1
}
desktop_poll 5 _error_box || desktop_fail "no error box (see $(calvoro_shot no-box))"
_restored() {
  chart_shown "$1" || return 1
  calvoro_colour_near "$(calvoro_window_pixel "$1" 45 62)" "$CALVORO_SILVER" 4 ||
    _calvoro_why "the chart is not on silver" || return 1
  # The button row as before the print.
  PRIOR_DIFF=$(compare -metric AE "$(chart_crop "$SHOWN" 15 391 601 29)" "$(chart_crop "$1" 15 391 601 29)" null: 2>&1 || true)
  ((PRIOR_DIFF < 20)) || _calvoro_why "the button row differs in $PRIOR_DIFF pixels"
}
calvoro_poll_shot 5 1-no-printer _restored || desktop_fail "after the failed print: $CALVORO_WHY"
# The box is in front of the chart window, which stays on top of other windows.
read -r bx by bw bh _ <<<"$(calvoro_geometry "$BOX")"
_box_in_front() {
  convert "$SHOWN" -crop "${bw}x$bh+$bx+$by" +repage "$DESKTOP_DIR/box-before.png"
  convert "$1" -crop "${bw}x$bh+$bx+$by" +repage "$DESKTOP_DIR/box-now.png"
  BOX_DIFF=$(compare -metric AE "$DESKTOP_DIR/box-before.png" "$DESKTOP_DIR/box-now.png" null: 2>&1 || true)
  ((BOX_DIFF > bw * bh / 4))
}
calvoro_poll_shot 5 1-error-box _box_in_front ||
  desktop_fail "the error box is hidden behind the chart: $BOX_DIFF pixels differ"
xdotool windowactivate --sync "$BOX" key Return 2>/dev/null || xdotool key Return
desktop_poll 5 eval '! _error_box' || desktop_fail "the error box did not close"
[ -z "$(printer_pdfs)" ] || desktop_fail "something was printed without a printer"

# A PDF queue as the default printer.
printer_add_default
chart_button print
desktop_poll 15 eval '[ -n "$(printer_pdfs)" ]' || desktop_fail "nothing printed: $(printer_log)"
printer_wait_idle 15 || desktop_fail "the print job does not end: $(printer_log)"
PDF=$(printer_pdfs | head -n 1)
[ "$(printer_pdfs | wc -l)" -eq 1 ] || desktop_fail "more than one document: $(printer_pdfs)"
pages=$(pdfinfo "$PDF" | awk '/^Pages:/ {print $2}')
[ "$pages" = 1 ] || desktop_fail "the document has $pages pages"
PAGE="$CALVORO_SHOTS/2-page"
pdftoppm -r 96 -png -singlefile "$PDF" "$PAGE"
PAGE="$PAGE.png"
# The window's image: its frame strips bound it, 634 x 440 at 96 dpi, near the top left corner.
read -r w h x y <<<"$(convert "$PAGE" -fuzz 3% -trim -format '%w %h %X %Y' info: | tr -d '+')"
echo "printed ${w}x$h at $x,$y"
((w >= 632 && w <= 636 && h >= 438 && h <= 442)) || desktop_fail "the printed window is ${w}x$h"
# The queue prints the whole page: the window starts at its corner.
((x <= 1 && y <= 1)) || desktop_fail "the printed window is at $x,$y, not at the top left corner"
page_pixel() { desktop_pixel "$PAGE" $((x + $1)) $((y + $2)); }
calvoro_colour_near "$(page_pixel 45 62)" "255 255 255" 12 || desktop_fail "the chart is not on white: $(page_pixel 45 62)"
calvoro_colour_near "$(page_pixel 40 75)" "0 0 0" 64 || desktop_fail "no black grid line: $(page_pixel 40 75)"
calvoro_colour_near "$(page_pixel 72 405)" "255 255 255" 12 || desktop_fail "the button row is printed"
for colour in "255 0 0" "255 255 0" "0 255 0"; do
  count=$(convert "$PAGE" -crop "580x256+$((x + 30))+$((y + 47))" +repage -fuzz 10% -fill black \
    +opaque "rgb(${colour// /,})" -fill white -opaque "rgb(${colour// /,})" \
    -format '%[fx:int(mean*w*h+0.5)]' info:)
  ((count > 29 * 20 * 3)) || desktop_fail "only $count pixels of the $colour curve on the page"
done

# The window is back in silver with its buttons.
calvoro_poll_shot 5 3-after-print _restored || desktop_fail "after printing: $CALVORO_WHY"
desktop_alive "$CALVORO_PID" || desktop_fail "calvoro ended"
echo "PASS"
