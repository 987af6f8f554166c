#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Tessaro needs.
# Idempotent: when everything is present it returns at once without touching apt.
set -euo pipefail

packages=(
  build-essential cmake ninja-build ccache pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite qt6-charts-dev qt6-svg-dev
  qt6-pdf-dev libqt6pdf6 qt6-l10n-tools qt6-translations-l10n
  zlib1g-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  fonts-ipaexfont-mincho fonts-ipaexfont-gothic
  poppler-utils
  xvfb xauth
  qt6-qpa-plugins libgl-dev libqt6opengl6-dev libvulkan-dev
  desktop-file-utils appstream shared-mime-info dpkg-dev
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
