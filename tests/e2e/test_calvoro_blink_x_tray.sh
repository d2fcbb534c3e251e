#!/usr/bin/env bash
# Blinking in the X tray: the high icon alternates between its level picture and "happy", the
# low one between its level picture and "attenti", the steady one keeps its picture; and a blink
# only sends the new pictures to the X server: the program's X reader thread, which wakes for
# each answer of the server, sleeps through the blinks (a repaint that waited for a round trip
# woke it for every icon).
set -euo pipefail
BUILD=${1:?usage: test_calvoro_blink_x_tray.sh BUILD_DIR}
source "$(dirname "$0")/lib/desktop.sh"
source "$(dirname "$0")/lib/calvoro.sh"

calvoro_begin "$BUILD"
BIRTH=$(calvoro_birth_date_where 'e > 85 && i < 15 && p > 35 && p < 65')
read -r E I P <<<"$(calvoro_levels "$BIRTH")"
calvoro_write_config Anna "$BIRTH" 0
calvoro_start
calvoro_wait_tray_icons 3
SPLASH=$(calvoro_window "Calvoro by Kaldo Prototyping")
desktop_poll 8 eval '! calvoro_is_viewable "$SPLASH"' || desktop_fail "the splash did not go"

reader=""
for task in /proc/"$CALVORO_PID"/task/*; do
  [ "$(cat "$task/comm")" = QXcbEventQueue ] && reader=$task
done
[ -n "$reader" ] || desktop_fail "no X reader thread in $(cat /proc/"$CALVORO_PID"/task/*/comm | tr '\n' ' ')"
reader_switches() { awk '/_ctxt_switches:/ {s += $2} END {print s}' "$reader/status"; }

E_INDEX=$(calvoro_icon_index "$E") I_INDEX=$(calvoro_icon_index "$I") P_INDEX=$(calvoro_icon_index "$P")
LEVELS="emotio$E_INDEX intel$I_INDEX physiq$P_INDEX"
SIGNS="happy attenti physiq$P_INDEX"
_tray_is() {
  TRAY=$(calvoro_tray_pictures "$2")
  [ "$TRAY" = "$1" ]
}
before=$(reader_switches)
step=0
for want in "$SIGNS" "$LEVELS" "$SIGNS" "$LEVELS"; do
  step=$((step + 1))
  calvoro_poll_shot 5 "$step-blink" _tray_is "$want" || desktop_fail "blink $step: the tray shows $TRAY, not $want"
done
woken=$(($(reader_switches) - before))
# Three blinks at least, six pictures sent; a stray event may wake it once.
echo "X reader thread woken: $woken"
((woken <= 1)) || desktop_fail "the X reader thread woke $woken times in three blinks"
echo "PASS"
