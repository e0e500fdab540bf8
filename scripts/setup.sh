#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Plumbrule developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian packages Plumbrule needs, only those that are missing.
# Safe to run any number of times.
#   scripts/setup.sh run    what building and running the calculator needs
#   scripts/setup.sh test   that, plus what the test suite, the package check,
#                           the benchmarks and the fuzz target need (default)
#   scripts/setup.sh package  what building the Debian package needs: the
#                           Debian tools and debian/control's Build-Depends
# The test and package sets also install the Build-Depends that are missing
# (apt-get build-dep on this source tree).
# The run set comes without recommended packages (no GTK, systemd or Vulkan
# drivers for a calculator); the test set brings the recommendations along
# (fonts, the platform theme), as on a desktop, which is what the tests are
# measured on.
set -euo pipefail

mode=${1:-test}

run_packages=(
  cmake ninja-build g++ qt6-base-dev libgl-dev
  fonts-dejavu-core fonts-liberation2
)
test_packages=(
  pkg-config libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth libx11-dev qt6-base-private-dev
  # The compiler's runtimes (libFuzzer) under the name that follows the
  # release's default LLVM.
  clang libclang-rt-dev
  desktop-file-utils appstream dpkg-dev debhelper file lintian reuse clang-format
  librsvg2-bin
  # The printed history tape, read back from Qt's PDF output.
  poppler-utils
  # The end-to-end tier: a window manager, a session bus and the
  # accessibility stack on a private X server, driven from Python.
  xdotool openbox dbus dbus-x11 at-spi2-core python3-gi gir1.2-atspi-2.0
  x11-utils xclip
  # Other keyboard layouts (setxkbmap), and a headless Wayland session
  # (sway) typed on by a virtual keyboard (wtype), for Qt's Wayland platform.
  x11-xkb-utils sway wtype qt6-wayland
  # The screen reader the end-to-end tier listens with (speech and braille
  # switched off, what it says written to a file).
  orca
  # What the run set leaves out: the test machine has the recommendations.
  qt6-gtk-platformtheme qt6-translations-l10n make
)
package_packages=(dpkg-dev debhelper lintian)

case $mode in
  run)
    packages=("${run_packages[@]}")
    recommends=(--no-install-recommends)
    ;;
  test)
    packages=("${run_packages[@]}" "${test_packages[@]}")
    recommends=()
    ;;
  package)
    packages=("${package_packages[@]}")
    recommends=(--no-install-recommends)
    ;;
  *)
    echo "usage: scripts/setup.sh [run|test|package]" >&2
    exit 2
    ;;
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

# The Build-Depends, asked of dpkg-checkbuilddeps once dpkg-dev is there.
here=$(cd "$(dirname "$0")/.." && pwd)
build_depends=false
if [ "$mode" != run ]; then
  command -v dpkg-checkbuilddeps >/dev/null &&
    dpkg-checkbuilddeps "$here/debian/control" >/dev/null 2>&1 || build_depends=true
fi

if [ ${#missing[@]} -eq 0 ] && ! $build_depends; then
  exit 0
fi

sudo=()
if [ "$(id -u)" -ne 0 ]; then
  sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
# Another apt-get running on the machine is waited for, not a failure.
lock=(-o DPkg::Lock::Timeout=600)
"${sudo[@]}" apt-get "${lock[@]}" update -qq
if [ ${#missing[@]} -ne 0 ]; then
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get "${lock[@]}" install -y -qq "${recommends[@]}" "${missing[@]}"
fi
if $build_depends; then
  echo "Installing the Build-Depends of debian/control"
  "${sudo[@]}" apt-get "${lock[@]}" build-dep -y -qq --no-install-recommends "$here"
fi
