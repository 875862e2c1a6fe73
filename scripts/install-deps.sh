#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running, testing and packaging Vindra need.
# Idempotent: when every package is already installed it only checks and returns.
set -euo pipefail

packages=(
  build-essential cmake ninja-build ccache pkg-config lld
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-svg-dev libgl-dev
  qt6-qpa-plugins libqt6multimedia6 gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  clang libclang-rt-14-dev clang-format
  fonts-liberation fontconfig
  flite sox poppler-utils
  qt6-l10n-tools qt6-translations-l10n
  dpkg-dev file lintian desktop-file-utils appstream
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
