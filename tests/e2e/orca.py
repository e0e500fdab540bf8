#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 The Plumbrule developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""What a screen-reader user hears from the real Plumbrule.

Orca runs on the private desktop that orca.sh starts, with speech and braille
switched off; each utterance is a "SPEECH OUTPUT" line in the file orca.sh
has it write.
Keys go through the X server (xdotool) as a user presses them; the program is
found on the accessibility bus by its process. Exit status 0 when every check
held, 1 otherwise.
"""

import argparse
import os
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

TIMEOUT = 15.0
# About four keys a second, as a quick hand types a length.
KEY_DELAY_MS = "250"
# What Qt prints when a key waited for the screen reader's answer in vain.
KEY_EVENT_ERROR = "QSpiApplication::keyEventError"


class Failure(Exception):
    pass


def log(text):
    print(text, flush=True)


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
        """Later checks hear only what is said from now on."""
        self.start = len(self.all())

    def since(self):
        return self.all()[self.start:]

    def wait(self, wanted, what, timeout=TIMEOUT):
        """Waits until an utterance since the mark contains `wanted`, or one of
        them where it is a tuple (a box is spoken by the label over it, as
        Orca 43 does, or by its own accessible name, as later releases do)."""
        choices = wanted if isinstance(wanted, tuple) else (wanted,)
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if any(choice in said for choice in choices for said in self.since()):
                return
            time.sleep(0.1)
        raise Failure(f"{what}: Orca never said {wanted!r}; it said {self.since()!r}")

    def quiet(self, seconds=1.0):
        """Waits until nothing new has been said for `seconds`."""
        count, since = len(self.all()), time.monotonic()
        deadline = since + TIMEOUT
        while time.monotonic() - since < seconds and time.monotonic() < deadline:
            time.sleep(0.1)
            now = len(self.all())
            if now != count:
                count, since = now, time.monotonic()

    def said_once(self, wanted, what):
        self.quiet()
        said = [line for line in self.since() if wanted in line]
        if len(said) != 1:
            raise Failure(f"{what}: {wanted!r} said {len(said)} times: {self.since()!r}")

    def never(self, unwanted, what):
        said = [line for line in self.since() if unwanted in line]
        if said:
            raise Failure(f"{what}: Orca said {said!r}")


def xdo(*args):
    result = subprocess.run(["xdotool", *args], capture_output=True, text=True, check=False)
    if result.returncode != 0:
        raise Failure(f"xdotool {' '.join(args)}: {result.stderr.strip()}")
    return result.stdout.strip()


def press(*keys):
    xdo("key", "--delay", KEY_DELAY_MS, *keys)


def x_window(title, process):
    deadline = time.monotonic() + TIMEOUT
    while time.monotonic() < deadline:
        if process.poll() is not None:
            raise Failure("the program ended early")
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", title],
                               capture_output=True, text=True, check=False).stdout.split()
        if found:
            return found[-1]
        time.sleep(0.1)
    raise Failure(f"no window {title!r} appeared")


def clipboard():
    return subprocess.run(["xclip", "-o", "-selection", "clipboard"], capture_output=True,
                          timeout=5, check=False).stdout.decode("utf-8", "replace")


def application(pid):
    deadline = time.monotonic() + TIMEOUT
    while time.monotonic() < deadline:
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_process_id() == pid:
                return app
        time.sleep(0.1)
    raise Failure("the program never appeared on the accessibility bus")


def find(root, test):
    stack = [root]
    while stack:
        node = stack.pop()
        if node is None:
            continue
        try:
            if node is not root and test(node):
                return node
            count = node.get_child_count()
        except Exception:
            continue
        stack.extend(node.get_child_at_index(i) for i in reversed(range(count)))
    return None


def click(root, role, name):
    """Clicks the showing control of that role and accessible name."""
    deadline = time.monotonic() + TIMEOUT
    node = None
    while node is None and time.monotonic() < deadline:
        node = find(root, lambda n: n.get_role() == role and n.get_name() == name and
                    n.get_state_set().contains(Atspi.StateType.SHOWING))
        if node is None:
            time.sleep(0.1)
    if node is None:
        raise Failure(f"no {name!r} to click")
    box = node.get_extents(Atspi.CoordType.SCREEN)
    xdo("mousemove", "--sync", str(box.x + box.width // 2), str(box.y + box.height // 2))
    xdo("click", "1")


class Program:
    def __init__(self, args):
        env = dict(os.environ, QT_QPA_PLATFORM="xcb")
        env.pop("PLUMBRULE_ACCESSIBLE_IDS", None)  # descriptions for people
        self.errors = open(os.path.join(args.work, "plumbrule-stderr.log"), "w+b")
        self.process = subprocess.Popen([args.program], env=env, stdout=subprocess.DEVNULL,
                                        stderr=self.errors)
        self.window = x_window("^Plumbrule$", self.process)
        self.app = application(self.process.pid)

    def activate(self, window=None):
        xdo("windowactivate", "--sync", window or self.window)

    def display(self, speech):
        """The display as a user copies it: Ctrl+C."""
        self.activate()
        speech.quiet()
        subprocess.run(["xclip", "-selection", "clipboard", "/dev/null"], check=False)
        press("ctrl+c")
        deadline = time.monotonic() + TIMEOUT
        while time.monotonic() < deadline:
            text = clipboard()
            if text:
                return text
            time.sleep(0.1)
        raise Failure("nothing copied by Ctrl+C")

    def expect_no_key_error(self, during):
        errors = self.stderr()
        if KEY_EVENT_ERROR in errors:
            raise Failure(f"a key waited for the screen reader in vain ({during}): "
                          f"{errors.count(KEY_EVENT_ERROR)} times")

    def stderr(self):
        self.errors.flush()
        self.errors.seek(0)
        return self.errors.read().decode("utf-8", "replace")

    def close(self):
        self.activate()
        press("alt+F4")
        try:
            self.process.wait(timeout=TIMEOUT)
        except subprocess.TimeoutExpired:
            self.process.kill()
            raise Failure("the program did not end after Alt+F4")

    def kill(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()


# --- scenarios ----------------------------------------------------------------------------


def entry_and_result(p, speech):
    """The worked example: each entry after its inch mark, the result after Enter."""
    missed = []

    def expect(wanted, what):
        try:
            speech.wait(wanted, what)
        except Failure as failure:
            missed.append(str(failure))

    p.activate()
    speech.quiet()
    speech.mark()
    press("5", "apostrophe", "3", "f", "1", "slash", "2", "quotedbl")
    expect("5 feet 3 and 1/2 inches", "the entry after the inch mark")
    speech.mark()
    press("plus", "2", "apostrophe", "8", "quotedbl")
    expect("2 feet 8 inches", "the second entry after its inch mark")
    speech.quiet()
    speech.mark()
    press("Return")
    expect("7 feet 11 and 1/2 inches", "the result after Enter")
    if missed:
        raise Failure("; ".join(missed))
    speech.said_once("7 feet 11 and 1/2 inches", "the result after Enter")
    # The display's own text is not read out mark by mark as well.
    speech.never("7'11", "the result after Enter")
    shown = p.display(speech)
    if shown != "7'11-1/2\"":
        raise Failure(f"display after the worked example: {shown!r} (a key lost or doubled?)")


def division_by_zero(p, speech):
    p.activate()
    speech.quiet()
    speech.mark()
    press("Delete", "Delete", "5", "slash", "0", "Return")
    speech.wait("Error 11: Division by zero", "the message box of error 11")
    speech.quiet()
    press("Return")
    shown = p.display(speech)
    if shown != "0":
        raise Failure(f"display after the error: {shown!r}")


def stair_window(p, speech):
    speech.quiet()
    speech.mark()
    click(p.app, Atspi.Role.PUSH_BUTTON, "Stair calculator")
    stair = x_window("^Stair Calculator$", p.process)
    # The window opens in the overall height box; each box is spoken with
    # the label over it.
    speech.wait(("Overall Hieght", "Overall height"), "the first box of the stair window")
    xdo("type", "--delay", KEY_DELAY_MS, "100")
    speech.quiet()
    speech.mark()
    press("Tab")
    speech.wait(("Number of Risers", "Number of risers"), "Tab to the number of risers")
    speech.mark()
    press("Tab")  # the treads side is disabled: on to the maximum riser height
    speech.wait(("Max Riser Hieght", "Maximum riser height"), "Tab to the maximum riser height")
    xdo("type", "--delay", KEY_DELAY_MS, "7.5")
    speech.quiet()
    speech.mark()
    press("Tab")
    speech.wait("Calculate", "Tab to the calculate button")
    speech.quiet()
    speech.mark()
    press("space")
    speech.wait("14 Risers @ 7.14\" = 8'4\"", "the stair result after Claculate")
    speech.said_once("14 Risers @ 7.14\" = 8'4\"", "the stair result after Claculate")
    speech.mark()
    press("Tab", "Tab")
    speech.wait("Calculate for risers", "Tab to the risers option")
    speech.wait("selected", "the risers option says it is chosen")
    speech.quiet()
    speech.mark()
    press("Down")  # the arrow chooses the treads option
    speech.wait("Calculate for treads", "the treads option")
    speech.wait("selected", "the treads option says it is chosen")
    speech.quiet()
    p.activate(stair)
    press("alt+F4")
    deadline = time.monotonic() + TIMEOUT
    while subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Stair Calculator$"],
                         capture_output=True, text=True, check=False).stdout.strip():
        if time.monotonic() > deadline:
            raise Failure("the stair window did not close on Alt+F4")
        time.sleep(0.1)


def history_window(p, speech):
    """The tape of the worked example, read line by line with the arrow keys."""
    click(p.app, Atspi.Role.PUSH_BUTTON, "Show or hide the history")
    history = x_window("^History - Plumbrule$", p.process)
    speech.quiet()
    p.activate(history)
    speech.wait("History tape", "the tape when its window is active")
    speech.quiet()
    speech.mark()
    press("ctrl+Home")
    speech.wait("5'3-1/2\"", "the tape's first line")
    speech.mark()
    press("Down")
    speech.wait("+ 2'8\"", "the tape's second line by the arrow keys")
    speech.mark()
    press("Down")
    speech.wait("= 7'11-1/2\"", "the tape's third line by the arrow keys")


def run(args):
    speech = Speech(args.speech)
    # Orca is up once it has said so.
    deadline = time.monotonic() + 60
    while "ORCA: Starting" not in speech.text():
        if time.monotonic() > deadline:
            raise Failure("Orca never started (see orca.log)")
        time.sleep(0.2)
    p = Program(args)
    try:
        for scenario, held in ((entry_and_result,
                                "the entry after the inch mark and the result after Enter, once each"),
                               (division_by_zero, "the error 11 box is spoken"),
                               (stair_window, "the stair window's boxes, result and options are spoken"),
                               (history_window, "the history tape is read line by line")):
            scenario(p, speech)
            p.expect_no_key_error(scenario.__name__)
            log(f"ok   {held}")
        p.close()
        p.expect_no_key_error("closing")
    finally:
        p.kill()
    log("ok   no key waited for the screen reader")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--work", required=True)
    parser.add_argument("--speech", required=True)
    args = parser.parse_args()
    try:
        run(args)
    except Failure as failure:
        log(f"FAIL {failure}")
        return 1
    log("screen reader: all checks held")
    return 0


if __name__ == "__main__":
    sys.exit(main())
