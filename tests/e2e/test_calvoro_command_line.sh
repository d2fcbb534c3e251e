#!/usr/bin/env bash
# The command line: --version and --help answer without a display; an unknown option is refused
# in a line or two and exit code 2; a start without a display, or with one nobody answers, says
# so in one line and ends with 1 instead of aborting, and so does a start on a starved machine. --autostart leaves a user without a saved
# setup alone, and starts the program for one with a setup, without the missing-tray notice and
# without the "already loaded" warning when a copy runs.
set -euo pipefail
BUILD=${1:?usage: test_calvoro_command_line.sh BUILD_DIR}
source "$(dirname "$0")/lib/desktop.sh"
source "$(dirname "$0")/lib/calvoro.sh"

calvoro_begin "$BUILD"
VERSION=$(sed -nE 's/^project\(Calvoro VERSION ([0-9.]+) .*/\1/p' "$(dirname "$0")/../../CMakeLists.txt")
[ -n "$VERSION" ] || desktop_fail "no version in CMakeLists.txt"

# Runs the program to its end (bounded: a program that starts its windows instead is a
# failure, not a hang); its exit code in RC, its output in OUT and ERR.
run() {
  RC=0
  timeout -s KILL 30 "$@" >"$DESKTOP_DIR/run.out" 2>"$DESKTOP_DIR/run.err" </dev/null || RC=$?
  OUT=$(cat "$DESKTOP_DIR/run.out")
  ERR=$(cat "$DESKTOP_DIR/run.err")
}
NO_DISPLAY=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)

run "${NO_DISPLAY[@]}" "$CALVORO_BIN" --version
[ "$RC" = 0 ] && [ "$OUT" = "Calvoro $VERSION" ] || desktop_fail "--version: exit $RC, '$OUT' '$ERR'"
run "${NO_DISPLAY[@]}" "$CALVORO_BIN" --help
[ "$RC" = 0 ] && grep -q -- '--autostart' <<<"$OUT" && grep -q -- '--version' <<<"$OUT" ||
  desktop_fail "--help: exit $RC, '$OUT' '$ERR'"

run "$CALVORO_BIN" --frobnicate
[ "$RC" = 2 ] || desktop_fail "an unknown option ended with $RC"
lines=$(wc -l <"$DESKTOP_DIR/run.err")
((lines >= 1 && lines <= 2)) && grep -q frobnicate <<<"$ERR" && grep -q -- --help <<<"$ERR" ||
  desktop_fail "an unknown option says: '$ERR'"

# No display at all, and a display nobody answers (a number with no server in this namespace).
free=99
while [ -e "/tmp/.X11-unix/X$free" ] || [ -e "/tmp/.X$free-lock" ]; do free=$((free + 1)); done
for display in "" ":$free"; do
  if [ -z "$display" ]; then run "${NO_DISPLAY[@]}" "$CALVORO_BIN"; else
    run env -u WAYLAND_DISPLAY DISPLAY="$display" "$CALVORO_BIN"
  fi
  [ "$RC" = 1 ] || desktop_fail "no display '$display': exit code $RC (134 is an abort)"
  [ "$(wc -l <"$DESKTOP_DIR/run.err")" = 1 ] && grep -q '^calvoro: cannot open the display' <<<"$ERR" ||
    desktop_fail "no display '$display': the program says '$ERR'"
done

# A starved machine: too few file descriptors, too little address space. Said in one line, exit 1,
# not a signal from inside the toolkit.
for limit in "-n 6" "-v 100000"; do
  run bash -c "ulimit $limit && exec \"\$0\"" "$CALVORO_BIN"
  [ "$RC" = 1 ] && [ "$(wc -l <"$DESKTOP_DIR/run.err")" = 1 ] &&
    grep -q '^calvoro: cannot start: ' <<<"$ERR" || desktop_fail "ulimit $limit: exit $RC, '$ERR'"
done

# --autostart without a setup: ends at once and quietly, and writes nothing.
calvoro_remove_config
calvoro_start calvoro --autostart
calvoro_wait_exit "$CALVORO_PID" 10 || desktop_fail "--autostart without a setup keeps running"
[ "$CALVORO_RC" = 0 ] || desktop_fail "--autostart without a setup ended with $CALVORO_RC"
[ ! -s "$(desktop_output calvoro)" ] && [ ! -e "$CALVORO_CONFIG" ] ||
  desktop_fail "--autostart without a setup wrote something"

# --autostart with a setup on a desktop whose tray comes late: no notice, the icons come.
desktop_stop_tray
calvoro_write_config Anna 01/02/1990 1
calvoro_start calvoro --autostart
desktop_poll 10 eval '[ -n "$(calvoro_window "Calvoro by Kaldo Prototyping")" ]' ||
  desktop_fail "--autostart with a setup shows no splash"
# The notice would come 5 s after the start.
if desktop_poll 3 eval '[ -n "$(calvoro_window Information)" ]'; then
  calvoro_shot notice >/dev/null
  desktop_fail "--autostart shows the missing-tray notice"
fi
desktop_start_tray
calvoro_wait_tray_icons 3
calvoro_shot icons >/dev/null
# A second start by the session while this copy runs ends quietly (a warning box would wait
# for its OK).
FIRST=$CALVORO_PID
calvoro_start second --autostart
calvoro_wait_exit "$CALVORO_PID" 10 || desktop_fail "a second --autostart keeps running"
[ "$CALVORO_RC" = 0 ] && desktop_alive "$FIRST" || desktop_fail "a second --autostart ended with $CALVORO_RC"
echo "PASS"
