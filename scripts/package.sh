#!/usr/bin/env bash
# Builds the Debian packages from debian/ with dpkg-buildpackage, from a copy of the sources in
# BUILD/package: dpkg-buildpackage writes its results beside the source folder, so they land in
# BUILD/package too, and its own files stay out of the checkout. The tests are left out
# (`make test` runs them) unless DEB_BUILD_OPTIONS says otherwise.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${1:-build}
OUT="$BUILD/package"
SRC="$OUT/calvoro"

rm -rf "$OUT"
mkdir -p "$SRC"
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  # What the checkout holds now, changes not yet committed among it.
  git ls-files -z --cached --others --exclude-standard | xargs -0 -r sh -c \
    'for f; do [ -e "$f" ] && printf "%s\0" "$f"; done' sh |
    tar --null -T - -cf - | tar -xf - -C "$SRC"
else
  tar --exclude="./$BUILD" --exclude='./build*' -cf - . | tar -xf - -C "$SRC"
fi

if [ -z "${DEB_BUILD_OPTIONS+set}" ]; then
  export DEB_BUILD_OPTIONS=nocheck DEB_BUILD_PROFILES=nocheck
fi
export DEB_BUILD_OPTIONS="$DEB_BUILD_OPTIONS parallel=${JOBS:-$(nproc)}"
(cd "$SRC" && dpkg-buildpackage -b -us -uc >../dpkg-buildpackage.log 2>&1) || {
  tail -40 "$OUT/dpkg-buildpackage.log" >&2
  echo "package: dpkg-buildpackage failed; its whole output is in $OUT/dpkg-buildpackage.log" >&2
  exit 1
}
rm -rf "$SRC"
ls "$OUT"/*.deb "$OUT"/*.changes
