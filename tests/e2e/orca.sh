#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Plumbrule developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The screen-reader part of the end-to-end tier: the built program on a
# private desktop with Orca listening, speech and braille switched off and
# every utterance written to a file, driven by real key presses.
#   tests/e2e/orca.sh PROGRAM [unittest options, e.g. -k entry]
# Exit status: 0 passed, 1 failed, 77 skipped (no X server could start).
# A missing Orca is a failure: scripts/setup.sh installs it.
set -uo pipefail

program=${1:?usage: orca.sh PROGRAM}
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=../../scripts/private-desktop.sh
. "$here/../../scripts/private-desktop.sh"
desktop_work plumbrule-orca
desktop_require Xvfb xdotool openbox dbus-daemon dbus-send dbus-monitor xclip xprop orca
desktop_x_session

# What Orca would say is what its debug output calls "SPEECH OUTPUT"; Orca's whole
# debug log (--debug-file) describes every event it handles, asking the
# program for each object's details, which slows it down until keys wait
# for it. So Orca runs as a user runs it, without the log, under a wrapper
# that writes only its SPEECH OUTPUT lines (and the line that says it is up)
# to a file, each as soon as it is said.
mkdir -p "$work/orca-prefs"
speech_only='
import runpy, sys
from datetime import datetime
utterances = open(sys.argv[1], "a", encoding="utf-8")
import orca.debug as debug
inside = []
def keeping_speech(original):
    def print_text(level, text="", *args, **kwargs):
        if not inside and ("SPEECH OUTPUT" in text or "ORCA: Starting" in text):
            utterances.write(datetime.now().strftime("%H:%M:%S.%f") + " - " + text + "\n")
            utterances.flush()
        inside.append(True)
        try:
            return original(level, text, *args, **kwargs)
        finally:
            inside.pop()
    return print_text
# Orca 43 logs through println, later releases through print_message.
for name in ("println", "printMessage", "print_message"):
    if hasattr(debug, name):
        setattr(debug, name, keeping_speech(getattr(debug, name)))
sys.argv = [sys.argv[2]] + sys.argv[3:]
runpy.run_path(sys.argv[0], run_name="__main__")
'
# orca.py starts Orca with it, afresh for each scenario.
printf '%s\n' "$speech_only" >"$work/speech-only.py"

PYTHONDONTWRITEBYTECODE=1 "$python" "$here/${PLUMBRULE_ORCA_DRIVER:-orca.py}" --program "$program" --work "$work" \
    --speech "$work/orca-speech.out" "${@:2}"
status=$?
if [ $status -ne 0 ]; then
    for log in "$work"/*.log; do
        [ -s "$log" ] && { echo "--- $(basename "$log")"; tail -n 20 "$log"; }
    done >&2
fi
if [ -n "${PLUMBRULE_ORCA_KEEP:-}" ]; then
    cp "$work/orca-speech.out" "$PLUMBRULE_ORCA_KEEP" 2>/dev/null || true
fi
exit $status
