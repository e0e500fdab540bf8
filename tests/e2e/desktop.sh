#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Plumbrule developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs the end-to-end tier: the built program on a private desktop of its own,
# driven through the X server as a user drives it.
#   tests/e2e/desktop.sh PROGRAM [--driver FILE] [unittest options...]
# The driver is drive.py unless another of this folder is named (layouts.py);
# each scenario is a test case, chosen by unittest's options (-k plain).
#
# The desktop (scripts/private-desktop.sh): Xvfb on a free display, a private
# D-Bus session bus, the accessibility bus (at-spi2-core) and the openbox
# window manager, with their own HOME and XDG folders. Nothing of the user's
# display, buses or settings is touched, and everything started here is ended
# here, by PID.
# Exit status: 0 passed, 1 failed, 77 skipped (no X server could start).
set -uo pipefail

program=${1:?usage: desktop.sh PROGRAM [--driver FILE] [unittest options...]}
shift
driver=drive.py
if [ "${1:-}" = --driver ]; then
    driver=${2:?--driver needs a file name}
    shift 2
fi
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=../../scripts/private-desktop.sh
. "$here/../../scripts/private-desktop.sh"
desktop_work plumbrule-e2e
desktop_require Xvfb xdotool openbox dbus-daemon dbus-send xclip xprop xwininfo setxkbmap
desktop_x_session

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
