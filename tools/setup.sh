#!/usr/bin/env bash
# Installs what building, playing and testing Vantix need on Debian 12 (run as root).
set -euo pipefail
packages=(build-essential cmake pkg-config qt6-base-dev qt6-multimedia-dev libgl1-mesa-dev
          libgtest-dev googletest fonts-liberation fonts-dejavu-core fonts-wine xvfb xauth
          clang libclang-rt-14-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
