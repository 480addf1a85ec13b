#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need,
# only those that are missing. Uses sudo when not run as root.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libqscintilla2-qt6-dev
  libgtest-dev libgmock-dev libbenchmark-dev libx11-dev
  python3 python3-tk
  xvfb xauth xdotool xclip x11-utils
  fonts-noto-cjk
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
