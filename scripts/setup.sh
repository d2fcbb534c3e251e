#!/usr/bin/env bash
# Installs every Debian package that building, testing and running Calvoro needs.
# Idempotent and quick when everything is present already.
set -euo pipefail

PACKAGES=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth x11-utils x11-xserver-utils xdotool imagemagick
  openbox trayer
  fonts-liberation fonts-urw-base35 fonts-dejavu-core
  locales libxcb1-dev
  # the format check and clang-tidy (with run-clang-tidy) in CI
  clang-format clang-tidy
  clang libclang-rt-14-dev # the fuzz targets (libFuzzer)
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
