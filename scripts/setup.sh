#!/usr/bin/env bash
# Installs the Debian packages the build, the tests (the print server of
# scripts/print-server.sh among them), the screenshots and the benchmarks (their
# X input, libxtst-dev) need.
# Safe to run again: packages already present are left as they are.
set -euo pipefail
packages=(
  build-essential cmake ninja-build ccache clang-format
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth openbox x11-utils imagemagick poppler-utils
  fonts-dejavu-core fonts-liberation
  cups cups-client printer-driver-cups-pdf libcups2-dev
  desktop-file-utils appstream dpkg-dev file help2man
  dbus at-spi2-core python3-pyatspi xdotool libxtst-dev
  qt6-gtk-platformtheme libgtk-3-0
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo_cmd apt-get update
  $sudo_cmd apt-get install -y --no-install-recommends "${missing[@]}"
fi
