#!/usr/bin/env bash
# Memory after the content window was opened and closed, by mapping: what make perf's
# "60 s after the last closing" rows are made of.
#   bench/perf_closing.sh BUILD_DIR [OUT_DIR]
# Settings: CLOSING_CYCLES openings from a tray icon (10), CLOSING_SETTLE seconds after the last
# closing (60), CLOSING_HEAP=1 to follow the heap from the start's reading on with heaptrack
# (attached; OUT_DIR/heap.zst holds what is still allocated at the end), CLOSING_GDB a gdb
# command run in the program before the last reading, then malloc_trim (an experiment: what a
# release would be worth, e.g. 'call (void)_ZN5QFont7cleanupEv()'). Writes OUT_DIR/start.smaps
# (the program past its splash) and OUT_DIR/closed.smaps, prints both summed by mapping
# (bench/smaps_diff.py) and the times from each click to its opening's first frame.
set -Eeuo pipefail
trap 'echo "closing: failed at line $LINENO" >&2' ERR
BUILD=$(cd "${1:-build}" && pwd)
ROOT=$(cd "$(dirname "$0")/.." && pwd)
if [ -z "${PERF_OWN_NETWORK:-}" ]; then
  PERF_OWN_NETWORK=1 exec bash "$ROOT/tests/e2e/lib/own_network.sh" bash "$0" "$@"
fi
OUT=$(mkdir -p "${2:-$BUILD/bench/closing}" && cd "${2:-$BUILD/bench/closing}" && pwd)
CYCLES=${CLOSING_CYCLES:-10}
SETTLE=${CLOSING_SETTLE:-60}
# shellcheck source=/dev/null
source "$ROOT/tests/e2e/lib/desktop.sh"
# shellcheck source=/dev/null
source "$ROOT/tests/e2e/lib/calvoro.sh"
CALVORO_TODAY=$(date +%Y-%m-%d)
desktop_start
config="$XDG_CONFIG_HOME/Calvoro by KALDO Prototyping/Calvoro.ini"
mkdir -p "$(dirname "$config")"
printf '\r\nPerf\r\n%s\r\n0\r\n' \
  "$(calvoro_birth_date_where 'e > 35 && e < 65 && i > 35 && i < 65 && p > 35 && p < 65')" >"$config"

"$BUILD/app/calvoro" >"$OUT/calvoro.out" 2>&1 &
pid=$!
desktop_poll 10 _calvoro_icon_count_is 3 || { echo "closing: calvoro's icons did not arrive" >&2; exit 1; }
sleep 6 # the splash, and its release
cat "/proc/$pid/smaps" >"$OUT/start.smaps"
if [ -n "${CLOSING_HEAP:-}" ]; then
  rm -f "$OUT/heap.zst"
  heaptrack -o "$OUT/heap" -p "$pid" >"$OUT/heaptrack.out" 2>&1 &
  heaptrack_pid=$!
  desktop_poll 20 grep -q 'injection finished' "$OUT/heaptrack.out"
fi
icon=$(desktop_tray_icons | head -n 1 | cut -d' ' -f1)
# shellcheck source=/dev/null
source "$ROOT/bench/content_cycle.sh"
: >"$OUT/open_ms"
for ((i = 1; i <= CYCLES; i++)); do
  content_open_and_close "$BUILD" "$icon" >>"$OUT/open_ms"
done
sleep "$SETTLE"
if [ -n "${CLOSING_GDB:-}" ]; then # an experiment: calls into the program before the reading
  grep -E '^(VmRSS|RssAnon)' "/proc/$pid/status" | tr '\n' ' '; echo "(before the calls)"
  gdb -p "$pid" -batch -ex "$CLOSING_GDB" -ex 'call (int)malloc_trim(0)' >"$OUT/gdb.out" 2>&1 || true
fi
cat "/proc/$pid/smaps" >"$OUT/closed.smaps"
grep -E '^(VmRSS|RssAnon|RssFile|RssShmem)' "/proc/$pid/status" | tee "$OUT/closed.status"
echo "click to first frame, ms: $(tr '\n' ' ' <"$OUT/open_ms")"
# Killed under heaptrack, which keeps what was still allocated then.
if [ -n "${CLOSING_HEAP:-}" ]; then kill -KILL "$pid"; wait "$heaptrack_pid" || true; else kill -TERM "$pid"; fi
wait "$pid" 2>/dev/null || true
python3 "$ROOT/bench/smaps_diff.py" "$OUT/start.smaps" "$OUT/closed.smaps"
