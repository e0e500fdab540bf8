#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Plumbrule developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs the end-to-end tier: the built program on a private desktop of its own,
# driven through the X server as a user drives it.
#   tests/e2e/desktop.sh PROGRAM [driver options...]
#
# The desktop: Xvfb on a free display, a private D-Bus session bus, the
# accessibility bus (at-spi2-core) and the openbox window manager, with their
# own HOME and XDG folders. Nothing of the user's display, buses or settings
# is touched, and everything started here is ended here, by PID.
# Exit status: 0 passed, 1 failed, 77 skipped (no X server could start).
set -uo pipefail

program=${1:?usage: desktop.sh PROGRAM [driver options...]}
shift
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/plumbrule-e2e.XXXXXX")
pids=()

# Ends a process and every process it started.
end_tree() {
    local pid=$1 child
    for child in $(ps -o pid= --ppid "$pid" 2>/dev/null); do end_tree "$child"; done
    kill "$pid" 2>/dev/null
}

cleanup() {
    local i
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do end_tree "${pids[i]}"; done
    for i in "${pids[@]}"; do
        for _ in $(seq 50); do kill -0 "$i" 2>/dev/null || break; sleep 0.1; done
        kill -9 "$i" 2>/dev/null
    done
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

missing=()
for tool in Xvfb xdotool openbox dbus-daemon dbus-send xclip xprop; do
    command -v "$tool" >/dev/null || missing+=("$tool")
done
launcher=
for candidate in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
    [ -x "$candidate" ] && launcher=$candidate && break
done
[ -n "$launcher" ] || missing+=(at-spi-bus-launcher)
python=
for candidate in python3 /usr/bin/python3; do
    if "$candidate" -c "import gi; gi.require_version('Atspi', '2.0')" 2>/dev/null; then
        python=$candidate
        break
    fi
done
[ -n "$python" ] || missing+=("python3 with gir1.2-atspi-2.0")
if [ ${#missing[@]} -gt 0 ]; then
    echo "FAIL: missing ${missing[*]} (scripts/setup.sh installs them)" >&2
    exit 1
fi

mkdir -p "$work/home" "$work/config" "$work/data" "$work/cache" "$work/run"
chmod 700 "$work/run"
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
export XDG_CACHE_HOME=$work/cache XDG_RUNTIME_DIR=$work/run
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS QT_QPA_PLATFORM QT_ACCESSIBILITY \
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON SESSION_MANAGER XDG_SESSION_TYPE WAYLAND_DISPLAY

# Xvfb names the display it found free on the descriptor given.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" \
    >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    kill -0 "${pids[0]}" 2>/dev/null || break
    sleep 0.1
done
if [ ! -s "$work/display" ]; then
    echo "SKIP: Xvfb could not start" >&2
    cat "$work/xvfb.log" >&2
    exit 77
fi
export DISPLAY=:$(head -n1 "$work/display")

dbus-daemon --config-file="$here/session-bus.conf" --nofork --nopidfile --print-address=3 3>"$work/bus" 2>"$work/dbus.log" &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/bus" ] && break; sleep 0.1; done
DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$work/bus")
export DBUS_SESSION_BUS_ADDRESS

# The accessibility bus, as a desktop session starts it; the driver switches
# it on and off (org.a11y.Status IsEnabled) as the user's settings would.
GSETTINGS_BACKEND=memory "$launcher" --launch-immediately >"$work/at-spi.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null |
        grep -q 'boolean true' && break
    sleep 0.1
done

openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done

if [ -n "${PLUMBRULE_E2E_HOLD:-}" ]; then
    # For working on the tier: keep the desktop up and say how to reach it.
    env | grep -E '^(DISPLAY|DBUS_SESSION_BUS_ADDRESS|HOME|XDG_[A-Z_]+)=' |
        sed 's/^/export /' >"$PLUMBRULE_E2E_HOLD"
    sleep 3600 &
    pids+=($!)
    wait $!
fi
PYTHONDONTWRITEBYTECODE=1 "$python" "$here/drive.py" --program "$program" --work "$work" "$@"
status=$?
if [ $status -ne 0 ]; then
    for log in "$work"/*.log; do
        [ -s "$log" ] && { echo "--- $(basename "$log")"; tail -n 20 "$log"; }
    done >&2
fi
exit $status
