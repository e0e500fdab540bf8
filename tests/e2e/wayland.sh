#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Plumbrule developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs the Wayland part of the end-to-end tier: the built program on Qt's
# Wayland platform in a headless sway session of its own, typed on by a
# virtual keyboard (wtype) and read back through the accessibility bus.
#   tests/e2e/wayland.sh PROGRAM
#
# sway refuses to run as root: as root it runs as the user nobody, in a
# runtime folder of its own; the program and the tools reach its socket by
# its full path. The session bus, the accessibility bus, HOME and the XDG
# folders are private (scripts/private-desktop.sh), and everything started
# here is ended here, by PID.
# Exit status: 0 passed, 1 failed, 77 skipped (sway could not start).
set -uo pipefail

program=${1:?usage: wayland.sh PROGRAM}
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=../../scripts/private-desktop.sh
. "$here/../../scripts/private-desktop.sh"
desktop_work plumbrule-wayland
desktop_require sway swaymsg wtype dbus-daemon dbus-send setpriv
if ! find /usr/lib -path '*qt6/plugins/platforms/libqwayland-generic.so' 2>/dev/null | grep -q .; then
    echo "FAIL: missing Qt's Wayland platform, qt6-wayland (scripts/setup.sh installs it)" >&2
    exit 1
fi

desktop_home "$work"
# The compositor's own folder, owned by whoever runs it.
as_user=()
mkdir -p "$work/sway-run" "$work/sway-home"
chmod 700 "$work/sway-run"
if [ "$(id -u)" -eq 0 ]; then
    chmod 711 "$work"
    chown nobody "$work/sway-run" "$work/sway-home"
    as_user=(setpriv --reuid=nobody --regid="$(id -g nobody)" --clear-groups)
fi
printf 'output HEADLESS-1 resolution 1280x1024\nxwayland disable\n' >"$work/sway.conf"
chmod 644 "$work/sway.conf"
env -i PATH="$PATH" HOME="$work/sway-home" XDG_RUNTIME_DIR="$work/sway-run" \
    WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 \
    "${as_user[@]}" sway -c "$work/sway.conf" >"$work/sway.log" 2>&1 &
desktop_pids+=($!)
socket=
for _ in $(seq 100); do
    socket=$(find "$work/sway-run" -maxdepth 1 -type s -name 'wayland-*' 2>/dev/null | head -n1)
    ipc=$(find "$work/sway-run" -maxdepth 1 -type s -name 'sway-ipc.*' 2>/dev/null | head -n1)
    [ -n "$socket" ] && [ -n "$ipc" ] && break
    kill -0 "${desktop_pids[-1]}" 2>/dev/null || break
    sleep 0.1
done
if [ -z "$socket" ] || [ -z "$ipc" ]; then
    cat "$work/sway.log" >&2
    echo "SKIP: sway could not start" >&2
    exit 77
fi
export WAYLAND_DISPLAY=$socket SWAYSOCK=$ipc XDG_SESSION_TYPE=wayland

desktop_session_bus "$work"
desktop_accessibility "$work" || exit 1

PYTHONDONTWRITEBYTECODE=1 "$python" "$here/wayland.py" --program "$program" --work "$work"
status=$?
if [ $status -ne 0 ]; then
    for log in "$work"/*.log; do
        [ -s "$log" ] && { echo "--- $(basename "$log")"; tail -n 20 "$log"; }
    done >&2
fi
exit $status
