#!/usr/bin/env bash
# What installing puts where: the launcher and the autostart entry validate and name the
# installed program and icon, the metainfo validates and names the launcher, every icon size is
# a picture of that size, and the Debian package holds the same files.
set -euo pipefail
BUILD=${1:?usage: test_install.sh BUILD_DIR}
ID=com.kaldoprototyping.Calvoro
ROOT=$(mktemp -d "${TMPDIR:-/tmp}/calvoro-install.XXXXXX")
trap 'rm -rf "$ROOT"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR="$ROOT" cmake --install "$BUILD" --prefix /usr >/dev/null
LIBDIR=$(sed -n 's/^CMAKE_INSTALL_LIBDIR:[A-Z]*=//p' "$BUILD/CMakeCache.txt")
EXPECTED="/etc/xdg/autostart/$ID.desktop
/usr/bin/calvoro
/usr/$LIBDIR/calvoro/calvoro-print.so
/usr/share/applications/$ID.desktop
/usr/share/metainfo/$ID.metainfo.xml"
for size in 16 32 48 64 128 256; do
  EXPECTED+=$'\n'"/usr/share/icons/hicolor/${size}x$size/apps/$ID.png"
done
EXPECTED=$(sort <<<"$EXPECTED")
INSTALLED=$(cd "$ROOT" && find . -type f | sed 's/^\.//' | sort)
[ "$INSTALLED" = "$EXPECTED" ] || fail "installed files:"$'\n'"$INSTALLED"

for entry in "$ROOT/usr/share/applications/$ID.desktop" "$ROOT/etc/xdg/autostart/$ID.desktop"; do
  desktop-file-validate "$entry" || fail "$entry does not validate"
  grep -qx "StartupWMClass=Calvoro" "$entry" || fail "$entry has no StartupWMClass=Calvoro"
  grep -qx "Icon=$ID" "$entry" || fail "$entry names another icon"
done
grep -qx "Exec=calvoro" "$ROOT/usr/share/applications/$ID.desktop" ||
  fail "the launcher does not start the installed program"
# The session starts it only where it is installed, and it ends at once for a user without a setup.
grep -qx "Exec=calvoro --autostart" "$ROOT/etc/xdg/autostart/$ID.desktop" &&
  grep -qx "TryExec=calvoro" "$ROOT/etc/xdg/autostart/$ID.desktop" ||
  fail "the autostart entry does not start the installed program with --autostart"
appstreamcli validate --no-net --pedantic "$ROOT/usr/share/metainfo/$ID.metainfo.xml" ||
  fail "the metainfo does not validate"
grep -q "<launchable type=\"desktop-id\">$ID.desktop</launchable>" \
  "$ROOT/usr/share/metainfo/$ID.metainfo.xml" || fail "the metainfo names another launcher"
for size in 16 32 48 64 128 256; do
  got=$(identify -format '%wx%h' "$ROOT/usr/share/icons/hicolor/${size}x$size/apps/$ID.png")
  [ "$got" = "${size}x$size" ] || fail "the ${size}px icon is $got"
done

# The package: built from the same tree, it holds the same files.
(cd "$BUILD" && cpack -G DEB -B "$ROOT/deb" >/dev/null) || fail "cpack failed"
DEB=$(ls "$ROOT"/deb/*.deb)
LISTED=$(dpkg-deb -c "$DEB" | awk '$1 !~ /^d/ {print $6}' | sed 's/^\.//' | sort)
[ "$LISTED" = "$EXPECTED" ] || fail "the package holds:"$'\n'"$LISTED"
dpkg-deb -f "$DEB" Depends | grep -q libqt6widgets6 || fail "the package does not depend on Qt"
echo "PASS"
