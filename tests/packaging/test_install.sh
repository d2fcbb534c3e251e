#!/usr/bin/env bash
# What installing puts where: the launcher and the autostart entry validate and name the
# installed program and icon, the metainfo validates and names the launcher, every icon size is
# a picture of that size and the scalable one looks like them, the manual page reads cleanly.
# With `deb`, the Debian packages that `make package` left in BUILD/package: the package holds
# the same files and its copyright and changelog, the debug symbols of its binaries are in the
# -dbgsym package, and it installs and removes with dpkg keeping the administrator's autostart
# entry. Without those packages this part is skipped.
set -euo pipefail
BUILD=${1:?usage: test_install.sh BUILD_DIR [deb]}
ID=com.kaldoprototyping.Calvoro
ROOT=$(mktemp -d "${TMPDIR:-/tmp}/calvoro-install.XXXXXX")
trap 'rm -rf "$ROOT"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# The print module in a private folder of the architecture's library folder, out of ldconfig's way.
TRIPLET=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
AUTOSTART=/etc/xdg/autostart/$ID.desktop
EXPECTED="$AUTOSTART
/usr/bin/calvoro
/usr/lib/$TRIPLET/calvoro/calvoro-print.so
/usr/share/applications/$ID.desktop
/usr/share/metainfo/$ID.metainfo.xml
/usr/share/icons/hicolor/scalable/apps/$ID.svg
/usr/share/man/man1/calvoro.1"
for size in 16 32 48 64 128 256; do
  EXPECTED+=$'\n'"/usr/share/icons/hicolor/${size}x$size/apps/$ID.png"
done
# The tray pictures as theme icons of the program's own, every drawn size, for hosts that read
# an item's picture by name.
TRAY_THEME=/usr/share/icons/hicolor
TRAY_PICTURES=(happy attenti tray21 tray22 tray23)
for level in {0..10}; do
  TRAY_PICTURES+=("emotio$level" "intel$level" "physiq$level")
done
for picture in "${TRAY_PICTURES[@]}"; do
  for size in 16 22 24 32 48 64; do
    EXPECTED+=$'\n'"$TRAY_THEME/${size}x$size/apps/calvoro-$picture.png"
  done
done
EXPECTED=$(sort <<<"$EXPECTED")

check_package() {
  # The packages of `make package`, from the same sources.
  ls "$BUILD"/package/calvoro_*.changes >/dev/null 2>&1 || {
    echo "SKIP: no package in $BUILD/package (make package builds it)"
    exit 77
  }
  DEB=$(ls "$BUILD"/package/calvoro_*.deb)
  DDEB=$(ls "$BUILD"/package/calvoro-dbgsym_*.deb) || fail "no -dbgsym package"
  EXPECTED=$(sed 's|^/usr/share/man/man1/calvoro.1$|&.gz|' <<<"$EXPECTED"
    printf '/usr/share/doc/calvoro/%s\n' copyright changelog.gz
    echo /usr/share/lintian/overrides/calvoro)
  LISTED=$(dpkg-deb -c "$DEB" | awk '$1 !~ /^d/ {print $6}' | sed 's/^\.//' | sort)
  [ "$LISTED" = "$(sort <<<"$EXPECTED")" ] ||
    fail "the package holds (make package builds it again):"$'\n'"$LISTED"
  dpkg-deb -f "$DEB" Depends | grep -q libqt6widgets6 || fail "the package does not depend on Qt"
  VERSION=$(dpkg-deb -f "$DEB" Version)
  [ "$("$BUILD/app/calvoro" --version)" = "Calvoro $VERSION" ] ||
    fail "the package's version $VERSION is not the program's: $("$BUILD/app/calvoro" --version)"
  # ldconfig is none of the print module's business in its private folder.
  if dpkg-deb -I "$DEB" triggers 2>/dev/null | grep -q ldconfig; then
    fail "the package triggers ldconfig"
  fi

  # Stripped binaries, each with its debug file, found by its build id, in the -dbgsym package.
  dpkg-deb -x "$DEB" "$ROOT/pkg"
  dpkg-deb -x "$DDEB" "$ROOT/dbg"
  for bin in usr/bin/calvoro "usr/lib/$TRIPLET/calvoro/calvoro-print.so"; do
    file -b "$ROOT/pkg/$bin" | grep -q ', stripped' || fail "$bin is not stripped"
    id=$(readelf -n "$ROOT/pkg/$bin" | sed -n 's/.*Build ID: \([0-9a-f]*\).*/\1/p')
    debug="$ROOT/dbg/usr/lib/debug/.build-id/${id:0:2}/${id:2}.debug"
    [ -n "$id" ] && readelf -S "$debug" 2>/dev/null | grep -q '\.debug_info' ||
      fail "$bin has no debug file in the -dbgsym package"
  done

  # Installing and removing with dpkg, in a root of its own: the autostart entry is a conffile, so
  # removing keeps it (with an administrator's change) and purging takes it away.
  DPKG=(dpkg --root="$ROOT/sys" --force-not-root --force-depends --force-script-chrootless
    --log=/dev/null)
  mkdir -p "$ROOT/sys/var/lib/dpkg/info" "$ROOT/sys/var/lib/dpkg/updates"
  touch "$ROOT/sys/var/lib/dpkg/status"
  # The private root has none of the dependencies: dpkg's complaints about them are only shown on
  # a failure.
  out=$("${DPKG[@]}" -i "$DEB" "$DDEB" 2>&1) || fail "dpkg cannot install the packages: $out"
  dpkg-query --root="$ROOT/sys" --control-show calvoro conffiles | grep -qx "$AUTOSTART" ||
    fail "the autostart entry is not a conffile"
  [ -x "$ROOT/sys/usr/bin/calvoro" ] || fail "dpkg did not install the program"
  echo "Hidden=true" >>"$ROOT/sys$AUTOSTART"
  out=$("${DPKG[@]}" -r calvoro-dbgsym calvoro 2>&1) || fail "dpkg cannot remove the packages: $out"
  [ ! -e "$ROOT/sys/usr/bin/calvoro" ] || fail "removing left the program"
  grep -qx "Hidden=true" "$ROOT/sys$AUTOSTART" || fail "removing lost the changed autostart entry"
  out=$("${DPKG[@]}" -P calvoro 2>&1) || fail "dpkg cannot purge the package: $out"
  [ ! -e "$ROOT/sys$AUTOSTART" ] || fail "purging left the autostart entry"
}
if [ "${2:-}" = deb ]; then
  check_package
  echo "PASS"
  exit 0
fi

DESTDIR="$ROOT" cmake --install "$BUILD" --prefix /usr >/dev/null
INSTALLED=$(cd "$ROOT" && find . -type f | sed 's/^\.//' | sort)
[ "$INSTALLED" = "$EXPECTED" ] || fail "installed files:"$'\n'"$INSTALLED"

for entry in "$ROOT/usr/share/applications/$ID.desktop" "$ROOT/etc/xdg/autostart/$ID.desktop"; do
  desktop-file-validate "$entry" || fail "$entry does not validate"
  grep -qx "StartupWMClass=Calvoro" "$entry" || fail "$entry has no StartupWMClass=Calvoro"
  grep -qx "Icon=$ID" "$entry" || fail "$entry names another icon"
  # Shown, or started by the session, only where the program is installed.
  grep -qx "TryExec=calvoro" "$entry" || fail "$entry has no TryExec=calvoro"
done
grep -qx "Exec=calvoro" "$ROOT/usr/share/applications/$ID.desktop" ||
  fail "the launcher does not start the installed program"
# It ends at once for a user without a setup.
grep -qx "Exec=calvoro --autostart" "$ROOT/etc/xdg/autostart/$ID.desktop" ||
  fail "the autostart entry does not start the installed program with --autostart"
appstreamcli validate --no-net --pedantic "$ROOT/usr/share/metainfo/$ID.metainfo.xml" ||
  fail "the metainfo does not validate"
grep -q "<launchable type=\"desktop-id\">$ID.desktop</launchable>" \
  "$ROOT/usr/share/metainfo/$ID.metainfo.xml" || fail "the metainfo names another launcher"
for size in 16 32 48 64 128 256; do
  got=$(identify -format '%wx%h' "$ROOT/usr/share/icons/hicolor/${size}x$size/apps/$ID.png")
  [ "$got" = "${size}x$size" ] || fail "the ${size}px icon is $got"
done

# The program looks for its print module by a path from its own folder (UTF-16 in the binary).
rel=$(strings -el "$ROOT/usr/bin/calvoro" | grep -m1 '^\.\./.*/calvoro$') || true
[ -n "$rel" ] && [ -f "$ROOT/usr/bin/$rel/calvoro-print.so" ] ||
  fail "the program looks for its print module in '$rel'"

# Each tray picture in its size's folder, and the program looks for them where they are.
identify -format '%d %wx%h\n' "$ROOT$TRAY_THEME"/*/apps/calvoro-*.png |
  awk '{ n = split($1, dir, "/"); if (dir[n - 1] != $2) { print; bad = 1 } } END { exit bad }' ||
  fail "tray pictures in the folder of another size"
# (A string may follow another without a break: the path is taken from where it starts.)
rel=$(strings -el "$ROOT/usr/bin/calvoro" | grep -m1 -o '\.\./[^ ]*/icons$') || true
[ -n "$rel" ] && [ -f "$ROOT/usr/bin/$rel/hicolor/22x22/apps/calvoro-happy.png" ] ||
  fail "the program looks for its tray pictures in '$rel'"

# The scalable icon is the same design: drawn at 256 pixels it nearly matches the 256 pixel one.
rsvg-convert -w 256 -h 256 "$ROOT/usr/share/icons/hicolor/scalable/apps/$ID.svg" -o "$ROOT/svg.png" ||
  fail "the scalable icon does not render"
rmse=$(compare -metric RMSE "$ROOT/usr/share/icons/hicolor/256x256/apps/$ID.png" "$ROOT/svg.png" \
  null: 2>&1 | sed 's/.*(\(.*\))/\1/') || true
awk -v e="$rmse" 'BEGIN { exit !(e != "" && e < 0.03) }' ||
  fail "the scalable icon drawn at 256 pixels differs from the 256 pixel icon (RMSE $rmse)"
warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z \
  "$ROOT/usr/share/man/man1/calvoro.1" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "the manual page: $warnings"
echo "PASS"
