#!/usr/bin/env bash
# The windows with the keyboard alone once the tray menu is open: "Your power everyday", a first
# day typed into the projection field and Return for the chart, Right for the next month, Tab to
# " Print" and Return for a page on the test's print queue, Escape back to the projection panel;
# then a birth date left incomplete, the message, and the keys back in the field without a
# frame left on "Calendar"; then the setup's "Calendar" reached by Tab, the chooser's OK pressed by Return, and the day
# picked in the birth-date field, which Return saves.
set -euo pipefail
BUILD=${1:?usage: test_calvoro_keyboard_only.sh BUILD_DIR}
source "$(dirname "$0")/lib/desktop.sh"
source "$(dirname "$0")/lib/calvoro.sh"
source "$(dirname "$0")/lib/chart.sh"
source "$(dirname "$0")/lib/chooser.sh"
source "$(dirname "$0")/lib/printer.sh"
source "$(dirname "$0")/lib/boxes.sh"

calvoro_begin "$BUILD"
trap 'printer_stop; desktop_stop' EXIT
printer_start
printer_add_default
calvoro_write_config Anna 25/05/2001 1
calvoro_start_past_splash

_dmy() { date -d "$1" +%d/%m/%Y; }
_headline() { echo "Anna (25/05/2001) here is your power from $(_dmy "$1") to $(_dmy "$1 +29 days")"; }
_window_is() { [ "$(calvoro_geometry "$CALVORO_FORM2" | cut -d" " -f3,4,5)" = "$1 IsViewable" ]; }

chart_open_projection
# The field has the focus: no click into it.
xdotool type --delay 30 01062001
desktop_key Return
desktop_poll 5 _window_is "634 440" || desktop_fail "Return did not show the chart (see $(calvoro_shot no-chart))"
read -r CALVORO_FX CALVORO_FY _ <<<"$(calvoro_geometry "$CALVORO_FORM2")"
_june() { chart_shown "$1" && chart_headline_is "$1" "$(_headline 2001-06-01)"; }
calvoro_poll_shot 5 1-june _june || desktop_fail "no June chart: $CALVORO_WHY"

desktop_key Right
_july() { chart_shown "$1" && chart_headline_is "$1" "$(_headline 2001-07-01)"; }
calvoro_poll_shot 5 2-july _july || desktop_fail "Right did not step a month: $CALVORO_WHY"

# Prior Month has the keys and shows it, then " Print": a dotted frame 3 pixels inside the
# button's edge, where the row is silver without it.
_frame_top() { calvoro_window_mean "$1" $((15 + $2 + 10)) $((390 + 1 + 3)) 80 1 | cut -d' ' -f1; }
[ "$(_frame_top "$CALVORO_LAST_SHOT" 123)" -gt 180 ] || desktop_fail "a frame on Print before any Tab"
[ "$(_frame_top "$CALVORO_LAST_SHOT" 3)" -lt 150 ] || desktop_fail "no frame on Prior Month after Return"
_print_focused() {
  local top
  top=$(_frame_top "$1" 123)
  ((top < 150)) || _calvoro_why "no focus frame on Print (mean $top)"
}
desktop_key Tab
calvoro_poll_shot 5 3-print-focused _print_focused || desktop_fail "$CALVORO_WHY"
[ -z "$(printer_pdfs)" ] || desktop_fail "something was printed before Return"
desktop_key Return
desktop_poll 15 eval '[ -n "$(printer_pdfs)" ]' || desktop_fail "nothing printed: $(printer_log)"
printer_wait_idle 15 || desktop_fail "the print job does not end: $(printer_log)"
pages=$(pdfinfo "$(printer_pdfs | head -n 1)" | awk '/^Pages:/ {print $2}')
[ "$pages" = 1 ] || desktop_fail "the document has $pages pages"
calvoro_poll_shot 5 4-after-print _july || desktop_fail "after printing: $CALVORO_WHY"

desktop_key Escape
desktop_poll 5 _window_is "385 248" || desktop_fail "Escape did not go back to the projection panel"
calvoro_find_content_window
calvoro_poll_shot 5 5-projection chart_projection_shown || desktop_fail "no projection panel: $CALVORO_WHY"

# The tray menu's "Setup": the first name has the focus; Tab to the birth date, Tab to "Calendar".
desktop_key Escape
desktop_poll 5 eval '! calvoro_is_viewable "$CALVORO_FORM2"' || desktop_fail "Escape did not hide the window"
icon=$(calvoro_tray_icons_in_order | sed -n 1p | cut -d' ' -f1)
desktop_right_click "$icon"
desktop_poll 3 _chart_menu_window || desktop_fail "no tray menu (see $(calvoro_shot no-menu))"
desktop_key Down Down Down Down Return
calvoro_find_content_window
_setup_panel() { calvoro_frame_shown "$1" && calvoro_panel_patch_is setupbg 2 150 40 70 "$1"; }
calvoro_poll_shot 5 6-setup _setup_panel || desktop_fail "no setup panel: $CALVORO_WHY"
# "Calendar" at (26, 66) of the panel: its frame's top edge dark where the face is light.
# (red, or green where the flat button shows the panel's cyan through)
_calendar_top() { calvoro_window_mean "$1" $((10 + 26 + 10)) $((10 + 66 + 3)) 90 1 | cut -d' ' -f"${2:-1}"; }
_calendar_focused() {
  local top
  top=$(_calendar_top "$1")
  ((top < 150)) || _calvoro_why "no focus frame on Calendar (mean $top)"
}
# A birth date left incomplete by Tab: after the message the keys are back in the field, and
# "Calendar" shows no frame; Escape there abandons the change.
desktop_key Tab 1 Tab
boxes_wait_box "Calvoro by KALDO Prototyping"
boxes_close
_calendar_plain() { (($(_calendar_top "$1" 2) > 180)) || _calvoro_why "a frame on Calendar"; }
calvoro_poll_shot 5 6-after-message _calendar_plain || desktop_fail "$CALVORO_WHY"
desktop_key Escape Tab
calvoro_poll_shot 5 7-calendar-focused _calendar_focused || desktop_fail "$CALVORO_WHY"
desktop_key Return
chooser_find
calvoro_poll_shot 5 8-chooser chooser_shown || desktop_fail "Return on Calendar: no chooser: $CALVORO_WHY"
# The chooser opens on today in its grid; Tab goes on to OK.
desktop_key Tab
calvoro_shot 9-ok-focused >/dev/null
desktop_key Return
desktop_poll 5 eval '! calvoro_is_viewable "$CHOOSER"' || desktop_fail "Return did not press OK"
# Back on "Calendar": Shift+Tab to the birth date, whose Return is the setup's OK; the file holds
# the day picked.
desktop_key shift+Tab Return
desktop_poll 5 eval '[ "$(sed -n 3p "$CALVORO_CONFIG" | tr -d "\r")" = "$(date +%d/%m/%Y)" ]' ||
  desktop_fail "the birth date saved is '$(sed -n 3p "$CALVORO_CONFIG" | tr -d '\r')', not today"
desktop_alive "$CALVORO_PID" || desktop_fail "calvoro ended"
echo "PASS"
