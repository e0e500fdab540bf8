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
pids=()
app_pid=
# Ends a process and every process it started (the accessibility bus starts
# its registry).
end_tree() {
    local pid=$1 child
    for child in $(ps -o pid= --ppid "$pid" 2>/dev/null); do end_tree "$child"; done
    kill "$pid" 2>/dev/null || true
}
cleanup() {
    local i
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do end_tree "${pids[i]}"; done
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display and writes its number to fd 3.
# The screen has room for the window at 200 %.
Xvfb -displayfd 3 -screen 0 1280x960x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(cat "$work/display")"
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$HOME" "$XDG_CONFIG_HOME/Plumbrite" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS QT_ACCESSIBILITY \
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON

# The keys are found by their objectName in the running window's accessible
# tree: a private session bus, the accessibility bus on it, switched on.
dbus-daemon --config-file="$here/tests/e2e/session-bus.conf" --nofork --nopidfile \
    --print-address=3 3>"$work/bus" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/bus" ] && break; sleep 0.05; done
export DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$work/bus")
launcher=
for candidate in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
    [ -x "$candidate" ] && launcher=$candidate && break
done
[ -n "$launcher" ] || { echo "no at-spi-bus-launcher (scripts/setup.sh installs it)" >&2; exit 1; }
python=
for candidate in python3 /usr/bin/python3; do
    if "$candidate" -c "import gi; gi.require_version('Atspi', '2.0')" 2>/dev/null; then
        python=$candidate
        break
    fi
done
[ -n "$python" ] || { echo "no python3 with gir1.2-atspi-2.0 (scripts/setup.sh installs it)" >&2; exit 1; }
GSETTINGS_BACKEND=memory "$launcher" --launch-immediately >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null |
        grep -q 'boolean true' && break
    sleep 0.05
done
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled \
    variant:boolean:true >/dev/null

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
