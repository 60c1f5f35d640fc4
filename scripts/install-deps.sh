#!/usr/bin/env bash
# The one list of Debian packages this project needs to build, test and run.
# Quick no-op when everything is already there.
set -euo pipefail

PACKAGES=(
  build-essential cmake pkg-config ninja-build
  qt6-base-dev qt6-base-dev-tools qt6-webengine-dev qt6-webengine-dev-tools qt6-webchannel-dev
  libqt6opengl6-dev libgl-dev libvulkan-dev
  qt6-image-formats-plugins qt6-qpa-plugins libqt6svg6
  adwaita-icon-theme hicolor-icon-theme shared-mime-info
  fonts-dejavu-core fonts-liberation2
  libglib2.0-dev libxcb1-dev
  xdg-utils libglib2.0-bin desktop-file-utils
  xvfb xauth openbox imagemagick ccache
  libyaml-cpp-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  dpkg-dev file lintian appstream librsvg2-bin
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
