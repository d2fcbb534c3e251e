#!/usr/bin/env bash
# Draws every picture with the generator and compares the result with the
# pictures committed in resources/pictures: the same set of files, the same
# pixels in every PNG (decoded, so a different PNG encoder passes), the same
# bytes in every other file.
#   scripts/picgen-check.sh [BUILD_DIR]   (built with -DCALVORO_TOOLS=ON)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
picgen="$build/tools/picgen/picgen"
committed=resources/pictures

if [ ! -x "$picgen" ]; then
  echo "picgen-check: $picgen is missing; configure with -DCALVORO_TOOLS=ON and build the picgen target" >&2
  exit 1
fi

out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
QT_QPA_PLATFORM=offscreen "$picgen" --out "$out" >/dev/null

status=0
# Both listings, sorted: a picture dropped or added on one side only.
if ! diff <(cd "$committed" && ls -1) <(cd "$out" && ls -1) >"$out.list" 2>&1; then
  echo "picgen-check: the drawn set differs from $committed (< committed, > drawn):" >&2
  cat "$out.list" >&2
  status=1
fi
rm -f "$out.list"

same_bytes=0
same_pixels=0
for drawn in "$out"/*; do
  name="$(basename "$drawn")"
  kept="$committed/$name"
  [ -f "$kept" ] || continue
  if cmp -s "$drawn" "$kept"; then
    same_bytes=$((same_bytes + 1))
    continue
  fi
  case "$name" in
  *.png)
    # Absolute error: the number of pixels that differ in any channel, alpha included.
    if diffs="$(compare -metric AE "$kept" "$drawn" null: 2>&1)" && [ "$diffs" = "0" ]; then
      same_pixels=$((same_pixels + 1))
    else
      echo "picgen-check: $name: pixels differ from the committed picture ($diffs)" >&2
      status=1
    fi
    ;;
  *)
    echo "picgen-check: $name differs from the committed file" >&2
    status=1
    ;;
  esac
done

if [ "$status" -ne 0 ]; then
  echo "picgen-check: redraw with 'cmake --build $build --target pictures' and commit, or mend the drawing" >&2
  exit 1
fi
echo "picgen-check: $((same_bytes + same_pixels)) files match ($same_bytes byte for byte, $same_pixels by pixels)"
