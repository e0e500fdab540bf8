#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 The Plumbrule developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Types on the real Plumbrule through other keyboard layouts, as their users do.

The X server's layout is switched with setxkbmap while the program runs, and
each text is typed by xdotool through that layout's own keys and Shift states
(the French AZERTY digits with Shift, the Canadian French ' on Shift+comma);
on US International the apostrophe and quotation mark are dead keys, pressed
and followed by Space. Every layout must give what US English gives.
desktop.sh starts the desktop and runs this with --driver layouts.py.
"""

import argparse
import shutil
import subprocess
import sys

from drive import Failure, Program, log, press, settle, set_accessibility, wait_for, \
    write_settings, xdo

# What US English shows for the texts below (fractional feet and inches to
# 1/16 inch); "\n" is Enter.
EXPECTED = {
    "1234567890": "1234567890",
    "5'3F1/2\"+2'8\"\n": "7'11-1/2\"",
    "3f1/2*2\n": "0'7\"",
    "12-3.5/2\n": "0'4-1/4\"",
    "5N=": "-5",
    "5n": "-5",
}

# Layout, variant, and the characters typed there as dead key then Space.
LAYOUTS = [
    ("gb", "", {}),
    ("ca", "", {}),
    ("ca", "multix", {}),
    ("de", "", {}),
    ("fr", "", {}),
    ("us", "intl", {"'": "dead_acute", '"': "dead_diaeresis"}),
    ("us", "dvorak", {}),
]


def set_layout(layout, variant):
    command = ["setxkbmap", "-layout", layout]
    if variant:
        command += ["-variant", variant]
    result = subprocess.run(command, capture_output=True, text=True, check=False)
    if result.returncode != 0:
        raise Failure(f"{' '.join(command)}: {result.stderr.strip()}")
    # No wait: setxkbmap has ended, so the server sent the program the new
    # keymap's notice before any key that xdotool sends from now on.


def type_text(text, dead):
    """Types `text` as a user of the layout does: each run of ordinary
    characters by their keys, a dead key then Space, "\\n" as Enter."""
    run = ""
    for character in text + "\0":
        if character in dead or character in "\n\0":
            if run:
                xdo("type", "--delay", "40", run)
                run = ""
            if character in dead:
                press(dead[character], "space")
            elif character == "\n":
                press("Return")
        else:
            run += character


def typed(p, text, dead, expected):
    """The display after `text` typed from a cleared display: what is
    expected as soon as it shows, else what it shows once it has settled."""
    press("Delete", "Delete")
    try:
        wait_for(p.display, "0", "display cleared")
        type_text(text, dead)
        try:
            # A program slowed by a busy machine passes through the entry's
            # steps; only the expected text, or a timeout, ends the wait.
            return wait_for(p.display, expected, f"display after {text!r}")
        except Failure:
            return settle(p.display, f"display after {text!r}")
    except Failure as failure:
        return f"<{failure}>"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--work", required=True)
    args = parser.parse_args()
    if not shutil.which("setxkbmap"):
        log("FAIL: missing setxkbmap (scripts/setup.sh installs x11-xkb-utils)")
        return 1
    set_accessibility(True)
    write_settings({})
    failures = []
    p = Program(args, accessible=True)
    try:
        p.activate()
        set_layout("us", "")
        for text, expected in EXPECTED.items():
            got = typed(p, text, {}, expected)
            if got != expected:
                failures.append(f"us: {text!r} gave {got!r}, expected {expected!r}")
        for layout, variant, dead in LAYOUTS:
            name = f"{layout} {variant}".strip()
            set_layout(layout, variant)
            wrong = []
            for text, expected in EXPECTED.items():
                got = typed(p, text, dead, expected)
                if got != expected:
                    wrong.append(f"{name}: {text!r} gave {got!r}, US gives {expected!r}")
            failures += wrong
            log(f"{'ok  ' if not wrong else 'FAIL'} {name} types as US English")
        # Closed on the last layout: the window manager grabs Alt+F4 anew
        # after a layout switch, so a switch back just before the close
        # could let the key reach the program instead. The desktop is ours.
        p.close()
    except Failure as failure:
        failures.append(str(failure))
    finally:
        p.kill()
    for failure in failures:
        log(f"FAIL {failure}")
    if failures:
        return 1
    log("layouts: every layout typed as US English")
    return 0


if __name__ == "__main__":
    sys.exit(main())
