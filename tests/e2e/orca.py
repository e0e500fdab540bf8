#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 The Plumbrule developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""What a screen-reader user hears from the real Plumbrule.

Orca runs on the private desktop that orca.sh starts, afresh for each
scenario, with speech and braille switched off; each utterance is a "SPEECH
OUTPUT" line in the file that orca.sh's wrapper has it write. Keys go through the X server (xdotool) as a user presses them;
the program runs without PLUMBRULE_ACCESSIBLE_IDS (descriptions for people)
and its controls are found by their accessible names. Each scenario starts
the program afresh from no settings, and fails when a key waited for the
screen reader's answer in vain.
"""

import os
import shutil
import subprocess
import sys

import desktop_kit
from desktop_kit import AccessibilityBus, Atspi, Failure, Scenario, click_node, named, press, \
    run, type_text, wait_for, x_window_gone

# Orca answers slower than the program alone. Keys come half a second apart,
# each held down a tenth of a second, as a person types a length while
# listening: Orca has then caught up with one key's speech when the next
# arrives, so a key that still waits for it waits on something else.
desktop_kit.TIMEOUT = 15.0
desktop_kit.KEY_DELAY_MS = "500"
desktop_kit.KEY_HOLD_MS = "100"
# What Qt prints when a key waited for the screen reader's answer in vain.
KEY_EVENT_ERROR = "QSpiApplication::keyEventError"


class Speech:
    """Orca's utterances, read from a mark onwards."""

    PREFIX = "SPEECH OUTPUT: '"

    def __init__(self, path):
        self.path = path
        self.start = 0

    def text(self):
        try:
            with open(self.path, encoding="utf-8", errors="replace") as said:
                return said.read()
        except FileNotFoundError:
            return ""

    @classmethod
    def utterance(cls, line):
        """The text of one line: 'text' and, for most, the voice after it
        ('5 feet ' {'established': False}); the text may hold quotes."""
        said = line.split(cls.PREFIX, 1)[1]
        voice = max(said.rfind("' {"), said.rfind("'{"))
        return (said[:voice] if voice >= 0 else said[:said.rfind("'")]).strip()

    def all(self):
        return [self.utterance(line) for line in self.text().splitlines() if self.PREFIX in line]

    def mark(self):
        """Later checks hear only what is said from now on, once Orca has
        finished what it was saying."""
        self.quiet()
        self.start = len(self.all())

    def since(self):
        return self.all()[self.start:]

    def wait(self, wanted, what):
        """Waits until an utterance since the mark contains `wanted`, or one of
        them where it is a tuple (a box is spoken by the label over it, as
        Orca 43 does, or by its own accessible name, as later releases do)."""
        choices = wanted if isinstance(wanted, tuple) else (wanted,)
        try:
            wait_for(lambda: any(choice in said for choice in choices for said in self.since()),
                     True, what)
        except Failure as failure:
            raise Failure(f"{what}: Orca never said {wanted!r}; it said {self.since()!r}") \
                from failure

    def quiet(self, seconds=1.0):
        """Waits until nothing new has been said for `seconds`."""
        desktop_kit.settle(lambda: len(self.all()), "Orca's speech", seconds)

    def said_once(self, wanted, what):
        self.quiet()
        said = [line for line in self.since() if wanted in line]
        if len(said) != 1:
            raise Failure(f"{what}: {wanted!r} said {len(said)} times: {self.since()!r}")

    def never(self, unwanted, what):
        said = [line for line in self.since() if unwanted in line]
        if said:
            raise Failure(f"{what}: Orca said {said!r}")


def start_orca(work, speech):
    """Orca as a user runs it, with its own empty preferences, no sound and
    no braille display, its utterances written to `speech`; up once it has
    said so. Returns what ends it."""
    started = speech.text().count("ORCA: Starting")
    with open(os.path.join(work, "orca.log"), "ab") as log:
        orca = subprocess.Popen(  # pylint: disable=consider-using-with
            ["/usr/bin/python3", os.path.join(work, "speech-only.py"), speech.path,
             shutil.which("orca"), "--replace", "--user-prefs", os.path.join(work, "orca-prefs"),
             "--disable", "speech", "--disable", "braille"],
            env=dict(os.environ, GSETTINGS_BACKEND="memory"), stdout=log, stderr=log)
    wait_for(lambda: speech.text().count("ORCA: Starting") > started, True,
             "Orca starting (see orca.log)", timeout=60)

    def end():
        orca.terminate()
        try:
            orca.wait(10)
        except subprocess.TimeoutExpired:
            orca.kill()
            orca.wait()
    return end


class ScreenReader(Scenario):
    @classmethod
    def setUpClass(cls):
        cls.speech = Speech(cls.args.speech)

    def setUp(self):
        # A fresh Orca for each scenario: Orca 48 keeps, for up to a minute,
        # its verdict that an object of the last program is dead, under a key
        # that an object of the next one can share, and then ignores that
        # object's events (in every other run, the stair window of the next
        # program went unsaid).
        self.addCleanup(start_orca(self.args.work, self.speech))
        self.p = self.start({}, ids=False)
        self.p.activate()

    def tearDown(self):
        if self.p.process.poll() is None:
            # Orca reads out the window brought forward; Alt+F4 pressed while
            # it is busy with that would wait for it.
            self.p.activate()
            self.speech.quiet()
            self.p.close()
        errors = self.p.stderr()
        self.assertNotIn(KEY_EVENT_ERROR, errors, "a key waited for the screen reader in vain "
                         f"{errors.count(KEY_EVENT_ERROR)} times")

    def display(self):
        """The display as a user copies it: Ctrl+C, once Orca is quiet."""
        self.speech.quiet()
        return self.p.display()

    def step(self, keys, wanted, what):
        self.speech.mark()
        press(*keys)
        self.speech.wait(wanted, what)

    def test_entry_result_and_error_box(self):
        """The entry after the inch mark, the result after Enter, once each, then
        Delete Delete 1 / 0 Enter and the error 11 box, in one run."""
        speech = self.speech
        bus = AccessibilityBus(self.args.work)
        self.addCleanup(bus.close)
        speech.mark()
        press("5", "apostrophe", "3", "f", "1", "slash", "2", "quotedbl")
        with self.subTest("the entry after the inch mark"):
            speech.wait("5 feet 3 and 1/2 inches", "the entry after the inch mark")
        speech.mark()
        press("plus", "2", "apostrophe", "8", "quotedbl")
        with self.subTest("the second entry after its inch mark"):
            speech.wait("2 feet 8 inches", "the second entry after its inch mark")
        speech.mark()
        press("Return")
        speech.wait("7 feet 11 and 1/2 inches", "the result after Enter")
        self.speech.said_once("7 feet 11 and 1/2 inches", "the result after Enter")
        # The display's own text is not read out mark by mark as well.
        self.speech.never("7'11", "the result after Enter")
        self.assertEqual(self.display(), "7'11-1/2\"", "a key lost or doubled?")
        # Nothing was said while a key was down: Orca would still be at it
        # as the key came up, and that key would wait for it.
        self.assertEqual(bus.focus_while_a_key_was_down(), [],
                         "focus changes reported while these keys were down")
        self.step(["Delete", "Delete", "1", "slash", "0", "Return"],
                  "Error 11: Division by zero", "the message box of error 11")
        speech.quiet()
        press("Return")
        self.assertEqual(self.display(), "0", "display after the error")

    def test_stair_window(self):
        """The stair window's boxes, result and options are spoken."""
        speech, p = self.speech, self.p
        speech.mark()
        click_node(p.wait_node(named("Stair calculator", Atspi.Role.PUSH_BUTTON),
                               "the stair button"))
        stair = p.x_window("^Stair Calculator$")
        # The window opens in the overall height box; each box is spoken
        # with the label over it.
        speech.wait(("Overall Hieght", "Overall height"), "the first box of the stair window")
        speech.quiet()
        speech.never("page tab", "the stair window opening in its first box")
        type_text("100")
        self.step(["Tab"], ("Number of Risers", "Number of risers"), "Tab to the risers")
        # The treads side is disabled: on to the maximum riser height.
        self.step(["Tab"], ("Max Riser Hieght", "Maximum riser height"),
                  "Tab to the maximum riser height")
        type_text("7.5")
        self.step(["Tab"], "Calculate", "Tab to the calculate button")
        self.step(["space"], "14 Risers @ 7.14\" = 8'4\"", "the stair result after Calculate")
        speech.said_once("14 Risers @ 7.14\" = 8'4\"", "the stair result after Calculate")
        self.step(["Tab", "Tab"], "Calculate for risers", "Tab to the risers option")
        speech.wait("selected", "the risers option says it is chosen")
        self.step(["Down"], "Calculate for treads", "the arrow chooses the treads option")
        speech.wait("selected", "the treads option says it is chosen")
        speech.quiet()
        p.activate(stair)
        press("alt+F4")
        x_window_gone("^Stair Calculator$")

    def test_history_window(self):
        """The history tape is read line by line with the arrow keys."""
        speech, p = self.speech, self.p
        press("5", "apostrophe", "3", "f", "1", "slash", "2", "quotedbl", "plus", "2",
              "apostrophe", "8", "quotedbl", "Return")
        self.assertEqual(self.display(), "7'11-1/2\"", "the worked example typed")
        speech.mark()
        click_node(p.wait_node(named("Show or hide the history", Atspi.Role.PUSH_BUTTON),
                               "the history button"))
        p.activate(p.x_window("^History - Plumbrule$"))
        speech.wait("History tape", "the tape when its window is active")
        for key, line, what in (("ctrl+Home", "5'3-1/2\"", "the tape's first line"),
                                ("Down", "+ 2'8\"", "the second line by the arrow keys"),
                                ("Down", "= 7'11-1/2\"", "the third line by the arrow keys")):
            speech.mark()
            press(key)
            speech.wait(line, what)


if __name__ == "__main__":
    sys.exit(run(sys.argv, "--speech"))
