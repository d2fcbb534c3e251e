#!/usr/bin/env bash
# Installs every Debian package that building, testing and running Calvoro needs.
# Idempotent and quick when everything is present already.
set -euo pipefail

PACKAGES=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev libpng-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth x11-utils x11-xserver-utils xdotool imagemagick
  openbox trayer
  fonts-liberation fonts-urw-base35 fonts-dejavu-core
  locales libxcb1-dev
  # the format check and clang-tidy (with run-clang-tidy) in CI
  clang-format clang-tidy
  libxcb-res0-dev # the soak run counts its X resources
  clang libclang-rt-14-dev # the fuzz targets (libFuzzer)
  # Printing the chart for real in the e2e tests: a private print server with a PDF queue,
  # and the tools that read the printed page back.
  cups
  cups-client
  printer-driver-cups-pdf
  poppler-utils
  # validators of the launcher and metainfo, and the Debian package tools for `make package`
  desktop-file-utils appstream dpkg-dev
  # the package's checks: lintian, the scalable icon drawn (rsvg-convert), the manual page read
  lintian librsvg2-bin man-db file
  # a StatusNotifierItem watcher and host for the tray tests on a private session bus
  dbus-daemon libglib2.0-bin haskell-status-notifier-item-utils haskell-gtk-sni-tray-utils
  weston xwayland qt6-wayland # the Wayland session tests: a headless compositor, its X server, Qt on Wayland
  python3-pyatspi # reads the program's accessibility tree in the screen-reader test
  xfce4-session # a real session manager for the session test's checkpoint and logout
  iproute2 # each e2e test in a network namespace of its own, loopback up (tests/e2e/lib/own_network.sh)
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "setup: installing ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
