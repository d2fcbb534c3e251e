#!/usr/bin/env bash
# `make run` without a desktop: Calvoro comes up on a virtual display; a second `make run`
# says that it runs already and returns at once; Ctrl+C (SIGINT to make's process group) stops
# everything without an error from make.
set -euo pipefail
BUILD=$(cd "${1:?usage: test_make_run.sh BUILD_DIR}" && pwd)
SRC=$(cd "$(dirname "$0")/../.." && pwd)
WORK=$(mktemp -d "${TMPDIR:-/tmp}/calvoro-run.XXXXXX")
MAKE_PID=""
finish() {
  [ -n "$MAKE_PID" ] && kill -TERM -- "-$MAKE_PID" 2>/dev/null || true
  rm -rf "$WORK"
}
trap finish EXIT
fail() {
  echo "FAIL: $*" >&2
  cat "$WORK"/*.out >&2 2>/dev/null || true
  exit 1
}

# Only the run target of the Makefile, so that nothing is set up or rebuilt here.
sed -n '/^run:/,$p' "$SRC/Makefile" | sed '1s/:.*/:/' >"$WORK/Makefile"
export XDG_RUNTIME_DIR="$WORK/runtime" DISPLAY=
mkdir -m 700 "$XDG_RUNTIME_DIR"
printf 'exec make --no-print-directory -C %q -f %q run BUILD=%q\n' "$SRC" "$WORK/Makefile" "$BUILD" \
  >"$WORK/make-run.sh"

# Job control: the job gets a process group of its own, and SIGINT is not ignored in it as it
# is in background commands of a script otherwise.
set -m
bash "$WORK/make-run.sh" >"$WORK/first.out" 2>&1 &
MAKE_PID=$!
for _ in $(seq 200); do
  grep -q "screenshot of the screen" "$WORK/first.out" && break
  sleep 0.05
done
grep -q "Calvoro runs on the virtual display" "$WORK/first.out" || fail "the first run did not start"
# The program runs in a session of its own; it is the one with this test's runtime folder.
APP=""
for pid in $(pgrep -x calvoro || true); do
  if tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "XDG_RUNTIME_DIR=$XDG_RUNTIME_DIR"; then
    APP=$pid
  fi
done
[ -n "$APP" ] || fail "no Calvoro of the first run"

timeout 10 bash "$WORK/make-run.sh" >"$WORK/second.out" 2>&1 ||
  fail "the second run did not return at once"
grep -q "Calvoro already runs" "$WORK/second.out" || fail "the second run said: $(cat "$WORK/second.out")"

kill -INT -- "-$MAKE_PID"
for _ in $(seq 100); do kill -0 "$MAKE_PID" 2>/dev/null || break; sleep 0.05; done
kill -0 "$MAKE_PID" 2>/dev/null && fail "make still runs after Ctrl+C"
MAKE_PID=""
if grep -q "make: \*\*\*" "$WORK/first.out"; then fail "make reported an error"; fi
for _ in $(seq 60); do kill -0 "$APP" 2>/dev/null || break; sleep 0.05; done
kill -0 "$APP" 2>/dev/null && fail "Calvoro still runs after Ctrl+C"
echo "PASS"
