#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ovatron Project
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that building, running and testing Ovatron need, skipping
# those already there. Runs apt-get as root, through sudo when needed.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config clang libclang-rt-14-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  qt6-multimedia-dev libebur128-dev libqt6sql6-sqlite
  libqt6svg6
  libgtest-dev libbenchmark-dev
  fonts-dejavu-core fonts-comic-neue
  xvfb xauth openbox xdotool imagemagick x11-utils x11-xserver-utils dbus-daemon
  libx11-dev libxdamage-dev libxfixes-dev
  weston qt6-wayland
  pulseaudio pulseaudio-utils sox
  qt6-websockets-dev libboost-dev libqrencode-dev libfontconfig-dev chromium python3-websocket
  liblo-dev liblo-tools curl
  tesseract-ocr
  desktop-file-utils appstream reuse dpkg-dev file
)

missing=()
# The production desk's module runs on Node.js; a machine that has node and npm from elsewhere
# keeps them.
command -v node >/dev/null || missing+=(nodejs)
command -v npm >/dev/null || missing+=(npm)
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
if [ "$(id -u)" -ne 0 ]; then
  as_root=(sudo)
fi
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
