# SPDX-FileCopyrightText: 2026 The Plumbrule developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# A private X desktop for scripts that run the real program: sourced by
# tests/e2e/desktop.sh and scripts/screenshot.sh. Nothing of the user's
# display, buses or settings is touched, and every process started here is
# ended by desktop_end, by PID, with the processes it started itself.
#
#   desktop_home WORK          HOME and the XDG folders below WORK
#   desktop_xvfb WORK SCREEN   Xvfb on a free display; exports DISPLAY
#   desktop_session_bus WORK   a private session bus; exports its address
#   desktop_accessibility WORK the accessibility bus (at-spi2-core), switched on
#   desktop_python             prints a python3 that has the AT-SPI bindings
#   desktop_end                ends everything started here
# and, for the end-to-end tier's scripts:
#   desktop_work NAME          a work folder in $work, removed at exit with
#                              everything started here
#   desktop_require TOOL...    fails (exit 1) naming what is missing; sets $python
#   desktop_x_session          Xvfb, the buses and openbox (exit 77 without Xvfb)

desktop_pids=()
desktop_config=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/private-session-bus.conf

desktop_end_tree() {
    local pid=$1 child
    for child in $(ps -o pid= --ppid "$pid" 2>/dev/null); do desktop_end_tree "$child"; done
    kill "$pid" 2>/dev/null || true
}

desktop_end() {
    local i
    for ((i = ${#desktop_pids[@]} - 1; i >= 0; i--)); do desktop_end_tree "${desktop_pids[i]}"; done
    for i in "${desktop_pids[@]}"; do
        for _ in $(seq 50); do kill -0 "$i" 2>/dev/null || break; sleep 0.1; done
        kill -9 "$i" 2>/dev/null || true
    done
    desktop_pids=()
}

desktop_home() {
    local work=$1
    mkdir -p "$work/home" "$work/config" "$work/data" "$work/cache" "$work/run"
    chmod 700 "$work/run"
    export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
    export XDG_CACHE_HOME=$work/cache XDG_RUNTIME_DIR=$work/run
    unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS QT_QPA_PLATFORM QT_ACCESSIBILITY \
        QT_LINUX_ACCESSIBILITY_ALWAYS_ON SESSION_MANAGER XDG_SESSION_TYPE WAYLAND_DISPLAY
}

# Xvfb names the display it found free on the descriptor given. Fails (status
# 1, its log on stderr) when no X server can start.
desktop_xvfb() {
    local work=$1 screen=$2 xvfb
    Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset 3>"$work/display" \
        >"$work/xvfb.log" 2>&1 &
    xvfb=$!
    desktop_pids+=("$xvfb")
    for _ in $(seq 100); do
        [ -s "$work/display" ] && break
        kill -0 "$xvfb" 2>/dev/null || break
        sleep 0.1
    done
    if [ ! -s "$work/display" ]; then
        cat "$work/xvfb.log" >&2
        return 1
    fi
    export DISPLAY=:$(head -n1 "$work/display")
}

# A session bus that starts no service on demand: every process on it is one
# started here.
desktop_session_bus() {
    local work=$1
    dbus-daemon --config-file="$desktop_config" --nofork --nopidfile --print-address=3 \
        3>"$work/bus" 2>"$work/dbus.log" &
    desktop_pids+=($!)
    for _ in $(seq 100); do [ -s "$work/bus" ] && break; sleep 0.1; done
    DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$work/bus")
    export DBUS_SESSION_BUS_ADDRESS
}

# The accessibility bus as a desktop session starts it, switched on
# (org.a11y.Status IsEnabled) as the user's settings would.
desktop_accessibility() {
    local work=$1 launcher=
    for candidate in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
        [ -x "$candidate" ] && launcher=$candidate && break
    done
    [ -n "$launcher" ] || { echo "no at-spi-bus-launcher (scripts/setup.sh installs it)" >&2; return 1; }
    GSETTINGS_BACKEND=memory "$launcher" --launch-immediately >"$work/at-spi.log" 2>&1 &
    desktop_pids+=($!)
    for _ in $(seq 100); do
        dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
            org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null |
            grep -q 'boolean true' && break
        sleep 0.1
    done
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled \
        variant:boolean:true >/dev/null
}

desktop_python() {
    local candidate
    for candidate in python3 /usr/bin/python3; do
        if "$candidate" -c "import gi; gi.require_version('Atspi', '2.0')" 2>/dev/null; then
            echo "$candidate"
            return 0
        fi
    done
    echo "no python3 with gir1.2-atspi-2.0 (scripts/setup.sh installs it)" >&2
    return 1
}

desktop_work() {
    work=$(mktemp -d "${TMPDIR:-/tmp}/$1.XXXXXX")
    trap 'desktop_end; rm -rf "$work"' EXIT
    trap 'exit 1' INT TERM
}

desktop_require() {
    local missing=() tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || missing+=("$tool")
    done
    python=$(desktop_python) || missing+=("python3 with gir1.2-atspi-2.0")
    if [ ${#missing[@]} -gt 0 ]; then
        echo "FAIL: missing ${missing[*]} (scripts/setup.sh installs them)" >&2
        exit 1
    fi
}

# The desktop of the X11 tier in $work: its own HOME and XDG folders, Xvfb,
# the session and accessibility buses and openbox, up and managing windows.
desktop_x_session() {
    desktop_home "$work"
    if ! desktop_xvfb "$work" 1280x1024x24; then
        echo "SKIP: Xvfb could not start" >&2
        exit 77
    fi
    desktop_session_bus "$work"
    desktop_accessibility "$work" || exit 1
    openbox >"$work/openbox.log" 2>&1 &
    desktop_pids+=($!)
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.1
    done
}
