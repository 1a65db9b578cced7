#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Vellorin needs; skips what is installed.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config python3
  qt6-base-dev qt6-base-dev-tools qt6-pdf-dev qt6-svg-dev qt6-multimedia-dev libgl-dev
  qt6-qpa-plugins
  librtmidi-dev libavahi-client-dev
  libgstreamer1.0-dev libgstreamer-plugins-base1.0-dev gstreamer1.0-plugins-good
  gstreamer1.0-plugins-bad gstreamer1.0-libav
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core
  qt6-tools-dev qt6-l10n-tools
  desktop-file-utils libxml2-utils shared-mime-info libglib2.0-bin file dpkg-dev
  clang-16 libclang-rt-16-dev llvm-16
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
