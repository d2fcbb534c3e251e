#!/usr/bin/env bash
# Runs clang-tidy with the repository's .clang-tidy over every source file of
# the project listed in the build's compile_commands.json (the generated moc
# files and everything outside the project's folders are left out); fails on
# any finding.
#   scripts/tidy.sh [BUILD_DIR] [FILE_REGEX]
set -euo pipefail
cd "$(dirname "$0")/.."
root="$(pwd -P)"
build="${1:-build}"
folders='app|bench|chart|components|controls|core|dialogs|platform|resources|state|tests|tools'
files="${2:-^$root/($folders)/}"

if [ ! -f "$build/compile_commands.json" ]; then
  echo "tidy: $build/compile_commands.json is missing; configure and build first" >&2
  exit 1
fi
# The project's headers are checked through the files that include them.
if ! run-clang-tidy -p "$build" -quiet -j "$(nproc)" \
  -header-filter="^$root/($folders)/" "$files" 2>&1 |
  sed 's/\x1b\[[0-9;]*m//g' >"$build/tidy.log"; then
  grep -E '(warning|error):' "$build/tidy.log" | sort -u >&2 || cat "$build/tidy.log" >&2
  echo "tidy: findings above (whole output in $build/tidy.log)" >&2
  exit 1
fi
echo "tidy: no findings"
