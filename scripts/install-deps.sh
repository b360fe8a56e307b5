#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need,
# only those that are missing. Runs as root or through sudo.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-translations-l10n
  libcurl4-openssl-dev libssl-dev openssl libpng-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  fonts-crosextra-carlito fontconfig
  xvfb xauth xdotool xclip python3 python3-xlib python3-pyftpdlib
  desktop-file-utils appstream dpkg-dev file gzip
  openbox lintian
  at-spi2-core dbus-daemon python3-dbus
  poppler-utils
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
