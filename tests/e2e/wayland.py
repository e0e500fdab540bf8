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

import argparse
import os
import subprocess
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

import drive  # noqa: E402
from drive import Failure, log, set_accessibility, wait_for, write_settings  # noqa: E402

PLACES = {"Top": "1500", "Left": "3000", "HistTop": "600", "HistLeft": "900"}


def wtype(*args):
    # A new virtual keyboard's first key goes while the program takes in its
    # keymap: each call begins with F24, which the calculator ignores.
    result = subprocess.run(["wtype", "-d", "20", "-k", "F24", *args], capture_output=True,
                            text=True, check=False)
    if result.returncode != 0:
        raise Failure(f"wtype {' '.join(args)}: {result.stderr.strip()}")


def swaymsg(command):
    result = subprocess.run(["swaymsg", command], capture_output=True, text=True, check=False)
    if result.returncode != 0:
        raise Failure(f"swaymsg {command}: {result.stdout.strip()} {result.stderr.strip()}")


class WaylandProgram(drive.Program):
    def __init__(self, args):  # pylint: disable=super-init-not-called
        self.args = args
        self.accessible = True
        env = dict(os.environ, QT_QPA_PLATFORM="wayland", PLUMBRULE_ACCESSIBLE_IDS="1")
        self.process = subprocess.Popen([args.program], env=env, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.PIPE)
        wait_for(lambda: self.find_app() is not None, True, "program on the accessibility bus")
        self.app = self.find_app()
        self.window_of("Plumbrule")

    def press(self, name):
        Atspi.Action.do_action(self.control(name), 0)

    def close_window(self, title):
        swaymsg(f'[title="^{title}$"] kill')

    def close(self):
        self.close_window("Plumbrule")
        try:
            code = self.process.wait(timeout=drive.TIMEOUT)
        except subprocess.TimeoutExpired:
            self.process.kill()
            raise Failure("the program did not end when its window was closed")
        if code != 0:
            raise Failure(f"the program ended with status {code}: "
                          f"{self.process.stderr.read().decode(errors='replace')[-2000:]}")

    def clear(self):
        wtype("-k", "Delete", "-k", "Delete")
        wait_for(self.display, "0", "display cleared")


def open_and_close(p, button, title):
    p.press(button)
    p.window_of(title)
    p.close_window(title)
    wait_for(lambda: any(
        child is not None and child.get_name() == title and drive.showing(child)
        for child in (p.app.get_child_at_index(i) for i in range(p.app.get_child_count()))),
        False, f"{title} closed")


def check(failures, what, action):
    """Runs one check, keeping its failure so that the later checks still run."""
    try:
        action()
        log(f"ok   {what}")
    except Failure as failure:
        failures.append(str(failure))
        log(f"FAIL {failure}")


def typed(p, expected, what, *args):
    p.clear()
    wtype(*args)
    p.expect_display(expected, what)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--work", required=True)
    args = parser.parse_args()
    set_accessibility(True)
    listener = Atspi.EventListener.new(lambda event: None)
    listener.register("object:property-change:accessible-name")
    write_settings(PLACES)
    failures = []
    p = None
    try:
        p = WaylandProgram(args)
        check(failures, "digits (Wayland, virtual keyboard)",
              lambda: typed(p, "1234567890", "digits", "1234567890"))
        check(failures, "the worked example (Wayland, virtual keyboard)",
              lambda: typed(p, "7'11-1/2\"", "the worked example", "5'3F1/2\"+2'8\"", "-k",
                            "Return"))
        # The operators by key name ("-" alone would make wtype read its input).
        for keys, result in ((["12", "plus", "3"], "1'3\""), (["4", "asterisk", "25"], "8'4\""),
                             (["8", "minus", "3"], "0'5\""), (["9", "slash", "4"], "0'2-1/4\"")):
            what = f"{' '.join(keys)} with Shift held for the operator (Wayland)"
            check(failures, what,
                  lambda keys=keys, result=result, what=what: typed(
                      p, result, what, keys[0], "-M", "shift", "-k", keys[1], "-m", "shift",
                      keys[2], "-k", "Return"))
        check(failures, "history and stair windows opened and closed (Wayland)", lambda: (
            open_and_close(p, "cmdHistory", "History - Plumbrule"),
            open_and_close(p, "cmdStair", "Stair Calculator")))
        p.close()
        check(failures, "closing on Wayland keeps the saved places", saved_places_kept)
    except Failure as failure:
        failures.append(str(failure))
        log(f"FAIL {failure}")
    finally:
        if p is not None:
            p.kill()
        listener.deregister("object:property-change:accessible-name")
    if failures:
        return 1
    log("wayland: all checks held")
    return 0


def saved_places_kept():
    saved = drive.settings()
    if "Round" not in saved:
        raise Failure(f"the settings were not written on close: {saved}")
    wrong = {name: saved.get(name) for name, value in PLACES.items() if saved.get(name) != value}
    if wrong:
        raise Failure(f"saved places changed on Wayland: {wrong}, were {PLACES}")


if __name__ == "__main__":
    sys.exit(main())
