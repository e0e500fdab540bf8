#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Plumbrule developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs the end-to-end tier: the built program on a private desktop of its own,
# driven through the X server as a user drives it.
#   tests/e2e/desktop.sh PROGRAM [--driver FILE] [driver options...]
# The driver is drive.py unless another of this folder is named (layouts.py).
#
# The desktop (scripts/private-desktop.sh): Xvfb on a free display, a private
# D-Bus session bus, the accessibility bus (at-spi2-core) and the openbox
# window manager, with their own HOME and XDG folders. Nothing of the user's
# display, buses or settings is touched, and everything started here is ended
# here, by PID.
# Exit status: 0 passed, 1 failed, 77 skipped (no X server could start).
set -uo pipefail

program=${1:?usage: desktop.sh PROGRAM [--driver FILE] [driver options...]}
shift
driver=drive.py
if [ "${1:-}" = --driver ]; then
    driver=${2:?--driver needs a file name}
    shift 2
fi
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=../../scripts/private-desktop.sh
. "$here/../../scripts/private-desktop.sh"
work=$(mktemp -d "${TMPDIR:-/tmp}/plumbrule-e2e.XXXXXX")

cleanup() {
    desktop_end
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

missing=()
for tool in Xvfb xdotool openbox dbus-daemon dbus-send xclip xprop xwininfo setxkbmap; do
    command -v "$tool" >/dev/null || missing+=("$tool")
done
python=$(desktop_python) || missing+=("python3 with gir1.2-atspi-2.0")
if [ ${#missing[@]} -gt 0 ]; then
    echo "FAIL: missing ${missing[*]} (scripts/setup.sh installs them)" >&2
    exit 1
fi

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

if [ -n "${PLUMBRULE_E2E_HOLD:-}" ]; then
    # For working on the tier: keep the desktop up and say how to reach it.
    env | grep -E '^(DISPLAY|DBUS_SESSION_BUS_ADDRESS|HOME|XDG_[A-Z_]+)=' |
        sed 's/^/export /' >"$PLUMBRULE_E2E_HOLD"
    sleep 3600 &
    desktop_pids+=($!)
    wait $!
fi
PYTHONDONTWRITEBYTECODE=1 "$python" "$here/$driver" --program "$program" --work "$work" "$@"
status=$?
if [ $status -ne 0 ]; then
    for log in "$work"/*.log; do
        [ -s "$log" ] && { echo "--- $(basename "$log")"; tail -n 20 "$log"; }
    done >&2
fi
exit $status
