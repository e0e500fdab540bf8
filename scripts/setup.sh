#!/usr/bin/env bash
# Installs the Debian packages Plumbrule needs to build, test and run, only
# those that are missing. Safe to run any number of times. Recommended
# packages come along (fonts, the platform theme), as on a desktop.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth libx11-dev
  fonts-dejavu-core fonts-liberation2
  clang libclang-rt-14-dev
  desktop-file-utils appstream dpkg-dev file
  librsvg2-bin qt6-base-private-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
  sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq "${missing[@]}"
