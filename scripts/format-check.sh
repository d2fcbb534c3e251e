#!/usr/bin/env bash
# Fails when a .cpp or .h file of the project differs from what
# clang-format makes of it with the repository's .clang-format.
#   scripts/format-check.sh          check every file
#   scripts/format-check.sh --fix    rewrite them in place
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t files < <(git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h')
if [ ${#files[@]} -eq 0 ]; then
  echo "format-check: no sources found" >&2
  exit 1
fi
if [ "${1:-}" = "--fix" ]; then
  clang-format -i "${files[@]}"
  exit 0
fi
if ! clang-format --dry-run -Werror "${files[@]}"; then
  echo "format-check: run scripts/format-check.sh --fix (clang-format -i) on the files above" >&2
  exit 1
fi
echo "format-check: ${#files[@]} files formatted"
