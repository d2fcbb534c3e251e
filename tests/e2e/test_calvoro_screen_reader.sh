#!/usr/bin/env bash
# What a screen reader learns through the accessibility bus (started here, on the test's own
# session bus): in the power panel and in chart mode no control of the other mode is reported
# showing, each caption drawn with a shadow is there once, the gauges are progress bars with
# no action, an "X" corner is a button whose Press hides the window, the chart says its
# period and its last day's three levels, the window shown by "Show me" is active with the focus
# on "Prior Month", names carry no placing blanks, the chooser's grid says its date and its
# fields are spin buttons with their numbers, and the About window is told where it is.
set -euo pipefail
BUILD=${1:?usage: test_calvoro_screen_reader.sh BUILD_DIR}
source "$(dirname "$0")/lib/desktop.sh"
source "$(dirname "$0")/lib/calvoro.sh"
source "$(dirname "$0")/lib/chart.sh"
source "$(dirname "$0")/lib/sni.sh"
TREE="/usr/bin/python3 $(dirname "$0")/access_tree.py"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || {
  echo "SKIP: python3-pyatspi is not installed"
  exit 77
}

calvoro_begin "$BUILD"
sni_bus_start
desktop_run a11y-bus /usr/libexec/at-spi-bus-launcher --launch-immediately
A11Y=$DESKTOP_LAST_PID
# Asked by owner only: a call would have the session bus start a launcher of its own.
_a11y_up() {
  gdbus call --session -d org.freedesktop.DBus -o /org/freedesktop/DBus \
    -m org.freedesktop.DBus.NameHasOwner org.a11y.Bus 2>/dev/null | grep -q true
}
# The launcher's bus daemon, and the registry that daemon starts on the first question, are
# stopped by their PIDs too (the newest first, so each parent is there to reap its child).
_track_children() {
  local child
  for child in $(pgrep -P "$1" || true); do
    [[ " ${DESKTOP_PIDS[*]} " == *" $child "* ]] && continue
    _desktop_track "$child" "child-of-$1"
    _track_children "$child"
  done
}
desktop_poll 5 _a11y_up || desktop_fail "no accessibility bus"
_track_children "$A11Y"

BIRTH=25/05/2001
calvoro_write_config Anna "$BIRTH" 0
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
calvoro_start_past_splash
ICON=$(calvoro_tray_icons_in_order | sed -n 1p | cut -d' ' -f1)

DUMP="$CALVORO_SHOTS/tree.txt"
# Dumps the showing objects into DUMP (and a copy named $1) and checks them with the rest.
_tree_has() {
  local name=$1
  shift
  $TREE "$CALVORO_PID" dump >"$DUMP" 2>"$DUMP.err" || return 1
  _track_children "$A11Y"
  cp "$DUMP" "$CALVORO_SHOTS/tree-$name.txt"
  "$@"
}
_lines() { awk -F'\t' -v r="$1" -v n="$2" '$1 ~ r && $2 ~ n' "$DUMP"; }
_count() { _lines "$1" "$2" | wc -l; }

# The power panel, from a click on an icon.
desktop_click "$ICON"
calvoro_find_content_window
_power_ready() { (($(_count 'progress bar' 'power today') == 3)); }
desktop_poll 10 _tree_has power _power_ready || desktop_fail "no gauges on the bus: $(cat "$DUMP" "$DUMP.err")"
CHART_NAMES='^(Prior Month|Next Month| ?Print| ?Refresh|Close|Critical .* Days|Best :.*|Worst :.*|%|[0-9]+|Biorhythm chart|Hello, here is .*)$'
[ "$(_count . "$CHART_NAMES")" -eq 0 ] || desktop_fail "chart controls read in the power panel: $(_lines . "$CHART_NAMES")"
[ "$(_count . '^(First name|Birth date|First day of the projection|Show me)$')" -eq 0 ] ||
  desktop_fail "controls of hidden panels read: $(_lines . '^(First name|Birth date|First day of the projection)$')"
for title in Emotional Intellectual Physical; do
  [ "$(_count . "^$title *\$")" -eq 1 ] || desktop_fail "\"$title\" read $(_count . "^$title *\$") times"
done
_lines 'progress bar' 'power today' | awk -F'\t' '$4 != "" {exit 1}' ||
  desktop_fail "the gauges offer actions: $(_lines 'progress bar' 'power today')"
[ "$(_lines 'push button' '^Hide the window$' | awk -F'\t' '$4 ~ /(^|,)Press(,|$)/' | wc -l)" -eq 4 ] ||
  desktop_fail "not four corners to press: $(_lines . '^Hide the window$')"
$TREE "$CALVORO_PID" do "Hide the window" Press || desktop_fail "the corner could not be pressed"
desktop_poll 5 eval '! calvoro_is_viewable "$CALVORO_FORM2"' || desktop_fail "Press did not hide the window"

# Chart mode: June 2001, whose last day the description speaks of.
chart_open_projection
chart_show_me 01/06/2001
DAYS=$((($(date -u -d 2001-06-30 +%s) - $(date -u -d 2001-05-25 +%s)) / 86400))
read -r E I P <<<"$(awk -v n="$DAYS" "$_CALVORO_LEVELS_AWK"'BEGIN {print level(n, 28), level(n, 33), level(n, 23)}')"
WORDS="Emotional $E %, Intellectual $I %, Physical $P %"
_chart_ready() { _lines '^chart$' '^Biorhythm chart$' | grep -qF "$WORDS"; }
desktop_poll 10 _tree_has chart _chart_ready ||
  desktop_fail "the chart does not say \"$WORDS\": $(_lines . 'chart')"
_lines '^chart$' . | grep -q '01/06/2001.*30/06/2001' || desktop_fail "no period: $(_lines '^chart$' .)"
PANEL_NAMES='^(First name|Birth date|First day of the projection|Show me|Emotional power today|Emotional)$'
[ "$(_count . "$PANEL_NAMES")" -eq 0 ] || desktop_fail "panel controls read in chart mode: $(_lines . "$PANEL_NAMES")"
for heading in Emotional Intellectual Physical; do
  [ "$(_count . "^Critical $heading Days\$")" -eq 1 ] || desktop_fail "\"Critical $heading Days\" read $(_count . "^Critical $heading Days\$") times"
  [ "$(_lines . '^(Best|Worst) :' | grep -c "Critical $heading Days")" -eq 2 ] ||
    desktop_fail "the $heading lists are not told their heading: $(_lines . '^(Best|Worst) :')"
done
# What a reader meets in each view, from the tray menu: role, name, then regular expressions for
# description, value, states and place. After "Show me" the window is active, with the focus on
# "Prior Month", so that focus moves are told.
EXPECTED="chart|frame|Calvoro by Kaldo|||active
chart|push button|Prior Month|||focused
chart|push button|Print
chart|push button|Refresh
setup|push button|OK
chooser|table|Day of the month| $(date +%-d)[ ,.].*$(date +%Y)||focused
chooser|spin button|Month||^$(date +%-m)\$
chooser|spin button|Year||^$(date +%Y)\$
explanation|text|What is Biorythm ?"
_view() {
  while IFS='|' read -r _ role name d v s p; do
    awk -F'\t' -v r="$role" -v n="$name" -v d="$d" -v v="$v" -v s="$s" -v p="$p" \
      '$1 == r && $2 == n && $3 ~ d && $5 ~ v && $6 ~ s && $7 ~ p {f = 1} END {exit !f}' "$DUMP" ||
      { _calvoro_why "no $role \"$name\" ($d|$v|$s|$p)"; return 1; }
  done < <(grep "^$1|" <<<"$EXPECTED")
}
_check_view() { desktop_poll 5 _tree_has "$1" _view "$1" || desktop_fail "$1: $CALVORO_WHY: $(cat "$DUMP")"; }
_hide_content() {
  $TREE "$CALVORO_PID" do "Hide the window" Press || desktop_fail "the corner could not be pressed"
  desktop_poll 5 eval '! calvoro_is_viewable "$CALVORO_FORM2"' || desktop_fail "the window stays"
  desktop_right_click "$ICON" # then the menu's item $1
  desktop_poll 3 _chart_menu_window || desktop_fail "no tray menu (see $(calvoro_shot no-menu))"
  desktop_key $(printf 'Down %.0s' $(seq "$1")) Return
}
_check_view chart
_hide_content 4
calvoro_find_content_window
_check_view setup
$TREE "$CALVORO_PID" do Calendar Press || desktop_fail "Calendar could not be pressed"
_check_view chooser
$TREE "$CALVORO_PID" do Cancel Press || desktop_fail "Cancel could not be pressed"
_hide_content 5
_check_view explanation
# The About window is told where it is from its first opening on.
_hide_content 7
desktop_poll 5 eval '[ -n "$(calvoro_window "About Calvoro by KALDO")" ]' || desktop_fail "no About window"
read -r AX AY _ <<<"$(calvoro_geometry "$(calvoro_window "About Calvoro by KALDO")")"
EXPECTED="about|frame|About Calvoro by KALDO||||^$AX,$AY\$"
_check_view about
desktop_alive "$CALVORO_PID" || desktop_fail "calvoro ended"
echo "PASS"
