#!/usr/bin/env bash
# Installs the Debian packages Calvoro needs, with sudo when not root.
#   scripts/setup.sh run          what building and running need (make run)
#   scripts/setup.sh              that, and what the tests, CI and packaging add (make test)
#   scripts/setup.sh --list LIST  prints the packages of LIST (run or test), one a line
# Idempotent and quick when everything is present already.
set -euo pipefail

RUN=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev libpng-dev libxcb1-dev
  qt6-wayland # Qt on a Wayland desktop without Xwayland
  fonts-liberation fonts-urw-base35 fonts-dejavu-core # the fonts the windows ask for
  # A virtual display with a window manager and a tray, for a machine without a desktop.
  xvfb xauth x11-utils openbox trayer
  python3 # make run looks for a copy that runs already
)

TEST=(
  libgtest-dev libgmock-dev libbenchmark-dev
  x11-xserver-utils xdotool imagemagick
  locales
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
  desktop-file-utils appstream dpkg-dev debhelper
  # the package's checks: lintian, the scalable icon drawn (rsvg-convert), the manual page read
  lintian librsvg2-bin man-db file
  # a StatusNotifierItem watcher and host for the tray tests on a private session bus
  dbus-daemon libglib2.0-bin haskell-status-notifier-item-utils haskell-gtk-sni-tray-utils
  weston xwayland # the Wayland session tests: a headless compositor and its X server
  python3-pyatspi # reads the program's accessibility tree in the screen-reader test
  xfce4-session # a real session manager for the session test's checkpoint and logout
  iproute2 # each e2e test in a network namespace of its own, loopback up (tests/e2e/lib/own_network.sh)
)

case "${1:-all}" in
  run) PACKAGES=("${RUN[@]}") ;;
  all) PACKAGES=("${RUN[@]}" "${TEST[@]}") ;;
  --list)
    case "${2:-}" in
      run) printf '%s\n' "${RUN[@]}" ;;
      test) printf '%s\n' "${TEST[@]}" ;;
      *) echo "usage: setup.sh --list run|test" >&2; exit 2 ;;
    esac
    exit 0
    ;;
  *) echo "usage: setup.sh [run|all|--list run|test]" >&2; exit 2 ;;
esac

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
