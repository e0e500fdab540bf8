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
desktop.sh starts the desktop and runs this with --driver layouts.py; each
layout is a scenario of its own, on a program started under US English.
"""

import sys

from desktop_kit import Failure, Scenario, press, run, run_tool, set_accessibility, settle, \
    type_text, wait_for

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

# US International's dead keys, typed as the key then Space.
DEAD_KEYS = {"'": "dead_acute", '"': "dead_diaeresis"}


def set_layout(layout, variant=""):
    # No wait after it: setxkbmap has ended, so the server sent the program
    # the new keymap's notice before any key that xdotool sends from now on.
    run_tool("setxkbmap", "-layout", layout, *(["-variant", variant] if variant else []))


def type_as_user(text, dead):
    """Each run of ordinary characters by their keys, a dead key then Space,
    "\\n" as Enter."""
    run_ = ""
    for character in text + "\0":
        if character in dead or character in "\n\0":
            if run_:
                type_text(run_)
                run_ = ""
            if character in dead:
                press(dead[character], "space")
            elif character == "\n":
                press("Return")
        else:
            run_ += character


class Layouts(Scenario):
    @classmethod
    def setUpClass(cls):
        set_accessibility(True)

    def typed_as_us(self, layout, variant="", dead=None):
        set_layout("us")
        self.addCleanup(set_layout, "us")
        p = self.start({})
        p.activate()
        set_layout(layout, variant)
        for text, expected in EXPECTED.items():
            with self.subTest(text=text):
                press("Delete", "Delete")
                wait_for(p.display, "0", "display cleared")
                type_as_user(text, dead or {})
                try:
                    # A program slowed by a busy machine passes through the
                    # entry's steps; only the expected text, or a timeout,
                    # ends the wait.
                    wait_for(p.display, expected, f"display after {text!r}")
                except Failure:
                    got = settle(p.display, f"display after {text!r}")
                    self.fail(f"{text!r} gave {got!r}, US English gives {expected!r}")
        # Closed on this layout: the window manager grabs Alt+F4 anew after a
        # layout switch, so a switch back just before the close could let the
        # key reach the program instead.
        p.close()

    def test_us(self):
        self.typed_as_us("us")

    def test_gb(self):
        self.typed_as_us("gb")

    def test_ca(self):
        self.typed_as_us("ca")

    def test_ca_multix(self):
        self.typed_as_us("ca", "multix")

    def test_de(self):
        self.typed_as_us("de")

    def test_fr(self):
        self.typed_as_us("fr")

    def test_us_intl(self):
        self.typed_as_us("us", "intl", DEAD_KEYS)

    def test_us_dvorak(self):
        self.typed_as_us("us", "dvorak")


if __name__ == "__main__":
    sys.exit(run(sys.argv))
