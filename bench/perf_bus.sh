#!/usr/bin/env bash
# The session bus while the icons blink under a StatusNotifierItem host: the test's host and
# watcher on a private bus, Calvoro on a day with a high and a low level (two icons blink),
# then on a day with all three levels critical, and every message on the bus (dbus-monitor
# --pcap, the host's questions and the answers alike) counted in bytes.
#   bench/perf_bus.sh BUILD_DIR RESULTS_FILE    (run by bench/perf.sh)
# PERF_BUS_RUNS (3) windows of PERF_BUS_SECONDS (20) each.
set -euo pipefail
BUILD=$(cd "${1:-build}" && pwd)
RESULTS=${2:?usage: perf_bus.sh BUILD_DIR RESULTS_FILE}
RUNS=${PERF_BUS_RUNS:-3}
SECONDS_EACH=${PERF_BUS_SECONDS:-20}
LIB="$(cd "$(dirname "$0")/.." && pwd)/tests/e2e/lib"
# shellcheck source=/dev/null
source "$LIB/desktop.sh"
# shellcheck source=/dev/null
source "$LIB/calvoro.sh"
# shellcheck source=/dev/null
source "$LIB/sni.sh"
command -v gtk-sni-tray-standalone >/dev/null || {
  echo "perf: gtk-sni-tray-standalone is missing (scripts/setup.sh)" >&2
  exit 1
}

calvoro_begin "$BUILD"
# As installed: the tray pictures in a data folder's hicolor theme, where the host looks itself.
export XDG_DATA_DIRS="$BUILD/app/share:${XDG_DATA_DIRS:-/usr/local/share:/usr/share}"
sni_bus_start
sni_host_start
_three_items() { [ "$(sni_items | wc -l)" -eq 3 ]; }

# One day's blinking: CONDITION on the levels (calvoro_birth_date_where), SUFFIX of the rows.
measure_day() {
  local condition=$1 suffix=$2 run capture monitor
  calvoro_write_config Perf "$(calvoro_birth_date_where "$condition")" 0
  calvoro_start
  desktop_poll 20 _three_items || { echo "perf: the items did not register" >&2; exit 1; }
  sleep 5 # the host reads each item and its menu once, after it registered
  for ((run = 1; run <= RUNS; run++)); do
    capture="$DESKTOP_DIR/bus.$suffix.$run.pcap"
    dbus-monitor --session --pcap >"$capture" 2>/dev/null &
    monitor=$!
    sleep "$SECONDS_EACH"
    kill "$monitor"
    wait "$monitor" 2>/dev/null || true
    python3 - "$capture" "$SECONDS_EACH" "$suffix" >>"$RESULTS" <<'PY'
import struct, sys
data, seconds, suffix = open(sys.argv[1], 'rb').read(), float(sys.argv[2]), sys.argv[3]
offset, total, changes = 24, 0, 0  # past the file's header; then a record header per message
while offset + 16 <= len(data):
    _, _, kept, length = struct.unpack_from('<IIII', data, offset)
    message = data[offset + 16:offset + 16 + kept]
    offset += 16 + kept
    total += length
    changes += b'NewIcon\0' in message
print(f"calvoro bus_bytes_per_s_blinking{suffix} {total / seconds:.0f}")
print(f"calvoro bus_icon_changes_per_s{suffix} {changes / seconds:.1f}")
PY
  done
  kill -TERM "$CALVORO_PID"
  wait "$CALVORO_PID" 2>/dev/null || true
  # Its items leave the watcher before the next copy registers its own.
  desktop_poll 20 eval '[ -z "$(sni_items)" ]' || { echo "perf: the items stayed" >&2; exit 1; }
}

# Emotional high, intellectual low: two icons change at every blink.
measure_day 'e > 95 && i < 15' ""
# All three critical: three changes a blink.
measure_day '(e >= 80 || e <= 20) && (i >= 80 || i <= 20) && (p >= 80 || p <= 20)' _three
