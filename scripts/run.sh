#!/usr/bin/env bash
# Starts Calvoro. When no desktop is running, brings up a virtual one with a
# window manager and a tray, and saves a screenshot a few seconds after start. Ctrl+C stops
# what it started and ends it normally, so that make reports no error.
# Calvoro keeps its settings in the user's own configuration folder, so
# nothing needs preparing.
set -euo pipefail
BUILD=${1:-build}
BIN="$BUILD/app/calvoro"
SHOT="$BUILD/run-screenshot.png"

[ -x "$BIN" ] || { echo "run: $BIN is missing; build first" >&2; exit 1; }

# One Calvoro per user: a second one would only show its warning box, on a virtual display
# no one sees. The program listens on the abstract socket @Calvoro/<uid> while it runs
# (platform/instance_lock.cpp).
if python3 -c 'import os, socket; socket.socket(socket.AF_UNIX).connect("\0Calvoro/%d" % os.geteuid())' \
  2>/dev/null; then
  echo "run: Calvoro already runs for this user; its icons are in the tray"
  exit 0
fi

# Ctrl+C on a terminal reaches its whole foreground process group, make among it, and make then
# ends as interrupted whatever this script does. So, as a shell does for a job, the rest runs in
# a process group of its own that holds the terminal, and the terminal goes back at the end.
if [ -z "${CALVORO_RUN_OWN_GROUP:-}" ] && [ -t 0 ]; then
  export CALVORO_RUN_OWN_GROUP=1
  exec python3 -c '
import os, signal, sys
again = ["bash"] + sys.argv[1:]
try:
    fg = os.tcgetpgrp(0)
except OSError:
    fg = -1
if fg != os.getpgrp():
    os.execvp("bash", again)
signal.signal(signal.SIGTTOU, signal.SIG_IGN)
pid = os.fork()
if pid == 0:
    os.setpgid(0, 0)
    os.tcsetpgrp(0, os.getpgrp())
    signal.signal(signal.SIGTTOU, signal.SIG_DFL)
    os.execvp("bash", again)
for step in (lambda: os.setpgid(pid, pid), lambda: os.tcsetpgrp(0, pid)):
    try:
        step()
    except OSError:
        pass
while True:
    _, status = os.waitpid(pid, os.WUNTRACED)
    if not os.WIFSTOPPED(status):
        break
    # Ctrl+Z: make stops too, as its shell expects, and both go on together.
    os.tcsetpgrp(0, fg)
    os.kill(0, signal.SIGSTOP)
    if os.tcgetpgrp(0) == os.getpgrp():
        os.tcsetpgrp(0, pid)
    os.killpg(pid, signal.SIGCONT)
os.tcsetpgrp(0, fg)
code = os.waitstatus_to_exitcode(status)
sys.exit(code if code >= 0 else 128 - code)
' "$0" "$@"
fi

# An X desktop, or a Wayland one (with or without Xwayland).
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$BIN"
fi

# No desktop: a virtual one on a free display number. Its processes run in
# their own sessions, so that Ctrl+C reaches only this script, which stops
# them in order and ends normally, so make reports no error.
pids=()
cleanup() {
  # Newest first, each waited for: Calvoro quits on SIGTERM and still needs its display.
  for (( i=${#pids[@]}-1; i>=0; i-- )); do
    kill "${pids[$i]}" 2>/dev/null && wait "${pids[$i]}" 2>/dev/null || true
  done
}
trap cleanup EXIT
trap 'echo; echo "run: stopping Calvoro and the virtual display"; exit 0' INT TERM

n=90
while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
export DISPLAY=":$n"
setsid Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done
setsid openbox >/dev/null 2>&1 &
pids+=($!)
setsid trayer --edge top --align right --widthtype request --height 32 --transparent false \
  --tint 0x303030 >/dev/null 2>&1 &
pids+=($!)
sleep 0.5
export DBUS_SESSION_BUS_ADDRESS=disabled:
setsid "$BIN" &
app=$!
pids+=($app)
echo "run: Calvoro runs on the virtual display $DISPLAY (Ctrl+C to stop)"
sleep 2
# ImageMagick comes with the test tools (scripts/setup.sh).
if command -v import >/dev/null && import -window root "$SHOT" 2>/dev/null; then
  echo "run: screenshot of the screen 2 s after start: $SHOT"
fi
wait "$app" || true
