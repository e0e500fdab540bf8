#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Plumbrule developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Starts the calculator on a private Xvfb (no window manager) and saves PNG
# screenshots of its window with the options panel shown and folded.
#   scripts/screenshot.sh [OUT_DIR]      (default: docs)
# Needs a build (scripts/build.sh) and the packages of scripts/setup.sh.
# Writes its settings only into a temporary folder.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-"$here/docs"}
app="$here/build/src/app/plumbrule"
grab="$here/build/screenshot-grab"
[ -x "$app" ] || "$here/scripts/build.sh" "$here/build"
if [ ! -x "$grab" ] || [ "$here/scripts/screenshot-grab.cpp" -nt "$grab" ]; then
    g++ -std=c++17 -O1 -fPIC "$here/scripts/screenshot-grab.cpp" -o "$grab" \
        $(pkg-config --cflags --libs Qt6Gui x11)
fi
mkdir -p "$out"
work=$(mktemp -d)
xvfb_pid=
app_pid=
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display and writes its number to fd 3.
# The screen has room for the window at 200 %.
Xvfb -displayfd 3 -screen 0 1280x960x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(cat "$work/display")"
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$HOME" "$XDG_CONFIG_HOME/Plumbrite" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM

# Centres of the keys, in window pixels (the designed twips divided by 15).
k5=41,66 k3=65,45 k1=17,45 k2=41,45 k8=41,87
feet=119,45 inch=119,66 fraction=119,87 divide=92,45 add=92,108 equals=119,108
# 5'3-1/2" + 2'8"
sum=("$k5" "$feet" "$k3" "$fraction" "$k1" "$divide" "$k2" "$add" "$k2" "$feet" "$k8" "$inch")

# PLUMBRULE_SCREENSHOT_SCALE=2 takes the pictures at 200 % (Qt's
# QT_SCALE_FACTOR for the calculator; the clicks are scaled to match).
scale=${PLUMBRULE_SCREENSHOT_SCALE:-1}

shot() {  # shot SHOW_OPTIONS FILE [CLICKS...]
    printf '[General]\nTop=600\nLeft=600\nShowOptions=%s\n' "$1" >"$XDG_CONFIG_HOME/Plumbrite/Plumbrule.conf"
    QT_SCALE_FACTOR=$scale "$app" &
    app_pid=$!
    local clicks=() point
    for point in "${@:3}"; do
        clicks+=("$((${point%,*} * scale)),$((${point#*,} * scale))")
    done
    env -u QT_SCALE_FACTOR "$grab" Plumbrule "$2" "${clicks[@]}"
    kill "$app_pid"
    wait "$app_pid" 2>/dev/null || true
    app_pid=
    echo "saved $2"
}
shot True "$out/plumbrule-options-shown.png" "${sum[@]}"
shot False "$out/plumbrule-options-folded.png" "${sum[@]}" "$equals"
