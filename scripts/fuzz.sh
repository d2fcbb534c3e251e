#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each over its committed corpus.
#   scripts/fuzz.sh ci         a short fixed number of runs per target (CI)
#   scripts/fuzz.sh SECONDS    each target for SECONDS, new inputs kept in build-fuzz/corpus
set -euo pipefail
cd "$(dirname "$0")/.."
mode=${1:-ci}
BUILD=build-fuzz
CXX=clang++ cmake -S tests/fuzz -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD" -j "$(nproc)" >/dev/null

# Runs per target in CI: about a minute in all on two cores.
declare -A CI_RUNS=([date_text]=400000 [region_data]=20000 [config_file]=100000 [chart_data]=20000)
# Longest input per target: the configuration file's inputs go past the longest line a save writes
# (4096 characters, 16384 bytes at most) and past a Windows-1252 line that grows beyond it in UTF-8.
declare -A MAX_LEN=([config_file]=20000)

status=0
for exe in "$BUILD"/fuzz_*; do
  [ -f "$exe" ] && [ -x "$exe" ] || continue
  name=$(basename "$exe"); name=${name#fuzz_}
  seeds="tests/fuzz/corpus/$name"
  mkdir -p "$seeds" "$BUILD/corpus/$name" "$BUILD/crashes/$name"
  if [ "$mode" = ci ]; then
    args=(-runs="${CI_RUNS[$name]:-50000}" -seed=1)
  else
    args=(-max_total_time="$mode")
  fi
  start=$(date +%s)
  if "$exe" "${args[@]}" -max_len="${MAX_LEN[$name]:-512}" -print_final_stats=0 \
      -artifact_prefix="$BUILD/crashes/$name/" "$BUILD/corpus/$name" "$seeds" \
      >"$BUILD/$name.log" 2>&1; then
    echo "fuzz $name: ok ($(grep -o 'Done [0-9]* runs' "$BUILD/$name.log" | tail -1), $(( $(date +%s) - start )) s)"
  else
    echo "fuzz $name: FAILED; input kept in $BUILD/crashes/$name/ — last lines:"
    tail -20 "$BUILD/$name.log"
    status=1
  fi
done
exit $status
