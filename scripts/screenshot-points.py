#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 The Plumbrule developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Prints where to click the named controls of the running calculator.

    screenshot-points.py PID TITLE NAME...

Reads the program's accessible tree (AT-SPI; the program runs with
PLUMBRULE_ACCESSIBLE_IDS=1, so each control's description is its objectName)
and prints one "X,Y" line per name: the centre of that control, in pixels of
the main window's X window, whose title is TITLE. Scaling from the accessible
tree's units to the X window's pixels makes the points right at any
QT_SCALE_FACTOR. Used by scripts/screenshot.sh.
"""

import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

TIMEOUT = 10.0


def find_app(pid):
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def find(root, name):
    """The first showing node under root whose description is name."""
    stack = [root]
    while stack:
        node = stack.pop()
        if node is None:
            continue
        try:
            if node.get_description() == name and node.get_state_set().contains(
                    Atspi.StateType.SHOWING):
                return node
            count = node.get_child_count()
        except Exception:  # the tree changes while the program starts
            continue
        stack.extend(node.get_child_at_index(i) for i in reversed(range(count)))
    return None


def wait_for(read, what):
    deadline = time.monotonic() + TIMEOUT
    while time.monotonic() < deadline:
        found = read()
        if found is not None:
            return found
        time.sleep(0.05)
    sys.exit(f"screenshot-points: {what} not found")


def x_window_width(title):
    out = subprocess.run(["xwininfo", "-name", title], capture_output=True, text=True,
                         check=True).stdout
    for line in out.splitlines():
        if line.strip().startswith("Width:"):
            return int(line.split(":", 1)[1])
    sys.exit(f"screenshot-points: no width for the window {title!r}")


def main():
    pid, title, names = int(sys.argv[1]), sys.argv[2], sys.argv[3:]
    app = wait_for(lambda: find_app(pid), "the program on the accessibility bus")
    window = wait_for(lambda: find(app, "frmMain"), "the main window")
    width = x_window_width(title)
    origin = window.get_extents(Atspi.CoordType.SCREEN)
    scale = width / origin.width
    for name in names:
        box = wait_for(lambda: find(window, name), name).get_extents(Atspi.CoordType.SCREEN)
        x = (box.x - origin.x + box.width / 2) * scale
        y = (box.y - origin.y + box.height / 2) * scale
        print(f"{round(x)},{round(y)}")


if __name__ == "__main__":
    main()
