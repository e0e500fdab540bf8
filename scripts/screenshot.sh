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
# shellcheck source=private-desktop.sh
. "$here/scripts/private-desktop.sh"
work=$(mktemp -d)
app_pid=
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    desktop_end
    rm -rf "$work"
}
trap cleanup EXIT

# The screen has room for the window at 200 %. The keys are found by their
# objectName in the running window's accessible tree.
desktop_home "$work"
mkdir -p "$XDG_CONFIG_HOME/Plumbrite"
desktop_xvfb "$work" 1280x960x24
desktop_session_bus "$work"
python=$(desktop_python)
desktop_accessibility "$work"

# 5'3-1/2" + 2'8", by the keys' objectNames
sum=(cmdNum_5 cmdFeet cmdNum_3 cmdFraction cmdNum_1 cmdDivide cmdNum_2 cmdAdd cmdNum_2 cmdFeet
    cmdNum_8 cmdInches)

# PLUMBRULE_SCREENSHOT_SCALE=2 takes the pictures at 200 % (Qt's
# QT_SCALE_FACTOR for the calculator; the points to click follow the window).
scale=${PLUMBRULE_SCREENSHOT_SCALE:-1}

shot() {  # shot SHOW_OPTIONS FILE [CONTROLS TO CLICK...]
    printf '[General]\nTop=600\nLeft=600\nShowOptions=%s\n' "$1" >"$XDG_CONFIG_HOME/Plumbrite/Plumbrule.conf"
    QT_SCALE_FACTOR=$scale PLUMBRULE_ACCESSIBLE_IDS=1 "$app" &
    app_pid=$!
    local clicks=()
    if [ $# -gt 2 ]; then
        mapfile -t clicks < <(PYTHONDONTWRITEBYTECODE=1 "$python" "$here/scripts/screenshot-points.py" \
            "$app_pid" Plumbrule "${@:3}")
        [ ${#clicks[@]} -eq $(($# - 2)) ] || { echo "controls not found" >&2; exit 1; }
    fi
    env -u QT_SCALE_FACTOR "$grab" Plumbrule "$2" "${clicks[@]}"
    kill "$app_pid"
    wait "$app_pid" 2>/dev/null || true
    app_pid=
    echo "saved $2"
}
shot True "$out/plumbrule-options-shown.png" "${sum[@]}"
shot False "$out/plumbrule-options-folded.png" "${sum[@]}" cmdEquals
