#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 The Plumbrule developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Drives the real Plumbrule on Qt's Wayland platform in a headless sway.

Keys come from a virtual keyboard (wtype), which sends each character on a
key of its own and without Shift, as on-screen keyboards do; windows are
opened by their buttons through the accessibility bus and closed by the
compositor (swaymsg kill), as a click on a title bar's close button does.
A Wayland program cannot learn where its windows are, so closing must leave
the saved places as they were. wayland.sh starts the session and runs this.
"""

import sys

from desktop_kit import Atspi, ListeningScenario, expect_saved, run, sway_close, wait_for, wtype

PLACES = {"Top": "1500", "Left": "3000", "HistTop": "600", "HistLeft": "900"}


class Wayland(ListeningScenario):
    def typed(self, expected, *args):
        p = self.start(PLACES, wayland=True)
        wtype("-k", "Delete", "-k", "Delete")
        wait_for(p.display, "0", "display cleared")
        wtype(*args)
        p.expect_display(expected, " ".join(args))
        p.close()

    def test_digits(self):
        self.typed("1234567890", "1234567890")

    def test_worked_example(self):
        self.typed("7'11-1/2\"", "5'3F1/2\"+2'8\"", "-k", "Return")

    def test_operators_with_shift_held(self):
        # The operators by key name ("-" alone would make wtype read its input).
        for keys, result in ((["12", "plus", "3"], "1'3\""), (["4", "asterisk", "25"], "8'4\""),
                             (["8", "minus", "3"], "0'5\""), (["9", "slash", "4"], "0'2-1/4\"")):
            with self.subTest(keys=" ".join(keys)):
                self.typed(result, keys[0], "-M", "shift", "-k", keys[1], "-m", "shift", keys[2],
                           "-k", "Return")

    def test_windows_closed_by_the_compositor_keep_the_places(self):
        """History and stair windows opened and closed; closing keeps the saved places."""
        p = self.start(PLACES, wayland=True)
        for button, title in (("cmdHistory", "History - Plumbrule"),
                              ("cmdStair", "Stair Calculator")):
            Atspi.Action.do_action(p.control(button), 0)
            p.window_of(title)
            sway_close(title)
            p.window_gone(title)
        p.close()
        saved = expect_saved(PLACES, "the places saved before this run")
        self.assertIn("Round", saved, "the settings were not written on close")


if __name__ == "__main__":
    sys.exit(run(sys.argv))
