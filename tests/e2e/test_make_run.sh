#!/usr/bin/env bash
# `make run` without a desktop: it installs what building and running need and none of the test
# tools; Calvoro comes up on a virtual display; a second `make run` says that it runs already and
# returns at once; Ctrl+C on the terminal stops everything and make ends with exit code 0.
set -euo pipefail
BUILD=$(cd "${1:?usage: test_make_run.sh BUILD_DIR}" && pwd)
SRC=$(cd "$(dirname "$0")/../.." && pwd)
WORK=$(mktemp -d "${TMPDIR:-/tmp}/calvoro-run.XXXXXX")
TERM_PID=""
finish() {
  [ -n "$TERM_PID" ] && kill -TERM -- "-$TERM_PID" 2>/dev/null || true
  rm -rf "$WORK"
}
trap finish EXIT
fail() {
  echo "FAIL: $*" >&2
  cat "$WORK"/*.out >&2 2>/dev/null || true
  exit 1
}
# Runs the check until it holds or the seconds have passed; its last answer is the result.
wait_until() {
  local end=$((SECONDS + $1))
  shift
  until "$@"; do
    ((SECONDS < end)) || return 1
    sleep 0.05
  done
}
gone() { ! kill -0 "$1" 2>/dev/null; }

# Nothing is installed or built here: the package tools and CMake are stand-ins, the package
# tools finding nothing installed and noting what would be.
mkdir "$WORK/bin"
printf '#!/bin/sh\nexit 1\n' >"$WORK/bin/dpkg-query"
printf '#!/bin/sh\necho "$@" >>%q\n' "$WORK/apt-get.log" >"$WORK/bin/apt-get"
printf '#!/bin/sh\nexec "$@"\n' >"$WORK/bin/sudo"
printf '#!/bin/sh\nexit 0\n' >"$WORK/bin/cmake"
chmod +x "$WORK"/bin/*
export PATH="$WORK/bin:$PATH" XDG_RUNTIME_DIR="$WORK/runtime" DISPLAY=
mkdir -m 700 "$XDG_RUNTIME_DIR"
printf 'exec make --no-print-directory -C %q run BUILD=%q\n' "$SRC" "$BUILD" >"$WORK/make-run.sh"

# On a terminal of its own, typed to through a pipe. Job control: SIGINT is not ignored in the
# job as it is in background commands of a script otherwise.
set -m
mkfifo "$WORK/keys"
exec 3<>"$WORK/keys"
script -qefc "bash $WORK/make-run.sh" /dev/null <"$WORK/keys" >"$WORK/first.out" 2>&1 &
TERM_PID=$!
APP=""
first_run_up() {
  # The program runs in a session of its own; it is the one with this test's runtime folder.
  for pid in $(pgrep -x calvoro || true); do
    if tr '\0' '\n' 2>/dev/null <"/proc/$pid/environ" | grep -qx "XDG_RUNTIME_DIR=$XDG_RUNTIME_DIR"; then
      APP=$pid
    fi
  done
  [ -n "$APP" ] && grep -q "Calvoro runs on the virtual display" "$WORK/first.out"
}
wait_until 30 first_run_up || true
[ -n "$APP" ] || fail "no Calvoro of the first run"

installed=$(sed -n 's/^install .*-qq --no-install-recommends //p' "$WORK/apt-get.log" | tr ' ' '\n' | sort)
[ "$installed" = "$(bash "$SRC/scripts/setup.sh" --list run | sort)" ] ||
  fail "make run installs:"$'\n'"$installed"
for tool in $(bash "$SRC/scripts/setup.sh" --list test) lintian clang weston cups xfce4-session; do
  if grep -qx "$tool" <<<"$installed"; then fail "make run installs the test tool $tool"; fi
done

timeout 10 bash "$WORK/make-run.sh" >"$WORK/second.out" 2>&1 </dev/null ||
  fail "the second run did not return at once"
grep -q "Calvoro already runs" "$WORK/second.out" || fail "the second run said: $(cat "$WORK/second.out")"

printf '\003' >&3
rc=0
wait_until 30 gone "$TERM_PID" || fail "make still runs after Ctrl+C"
wait "$TERM_PID" || rc=$?
TERM_PID=""
[ "$rc" = 0 ] || fail "make ended with exit code $rc after Ctrl+C"
wait_until 30 gone "$APP" || fail "Calvoro still runs after Ctrl+C"
echo "PASS"
