#!/usr/bin/env bash
# Runs the soak driver on a fresh virtual desktop and checks that nothing grows.
#   tests/soak/run.sh BUILD_DIR HOURS CYCLES_PER_HOUR [REPORT_FILE]
# Open files, X resources and running timers must be no more at the last simulated hour than
# at the first (measured when no animation runs), the icons must follow each new day at the hourly refresh, and no error may be
# shown. Resident memory is reported (first, last, growth) for the benchmark notes.
set -euo pipefail
BUILD=$(cd "$1" && pwd)
HOURS=${2:-48}
CYCLES=${3:-6}
REPORT=${4:-}
# shellcheck source=/dev/null
source "$(dirname "$0")/../e2e/lib/desktop.sh"
desktop_start
out="$DESKTOP_DIR/soak.out"
start=$(date +%s)
"$BUILD/tests/soak/calvoro_soak" "$HOURS" "$CYCLES" >"$out" 2>"$DESKTOP_DIR/soak.err" ||
  desktop_fail "the soak driver failed (exit $?)"
elapsed=$(($(date +%s) - start))
[ -n "$REPORT" ] && cp "$out" "$REPORT"
python3 - "$out" "$HOURS" "$CYCLES" "$elapsed" <<'PY' || desktop_fail "the soak found growth"
import sys
rows = []
for line in open(sys.argv[1]):
    f = line.split()
    rows.append(dict(zip(f[0::2], f[1::2])))
hours, cycles, elapsed = int(sys.argv[2]), int(sys.argv[3]), sys.argv[4]
if len(rows) != hours:
    sys.exit(f"soak: {len(rows)} of {hours} hours reported")
first, last = rows[0], rows[-1]
bad = [k for k in ("fds", "xres", "timers") if int(last[k]) > int(first[k])]
days = {r["today"] for r in rows}
ok = not bad and all(r["follows"] == "1" for r in rows) and last["errors"] == "0"
rss0, rss1 = int(first["rss_kB"]), int(last["rss_kB"])
print(f"soak: {hours} simulated hours over {len(days)} days, {cycles * 4} window openings an hour,"
      f" {elapsed} s; rss {rss0} -> {rss1} kB ({rss1 - rss0:+d}); fds {first['fds']} -> {last['fds']};"
      f" X resources {first['xres']} -> {last['xres']}; timers {first['timers']} -> {last['timers']}")
if not ok:
    print("soak: grew or failed:", bad, [r for r in rows if r["follows"] != "1"][:3], last["errors"])
    sys.exit(1)
PY
