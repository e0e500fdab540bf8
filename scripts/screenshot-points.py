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
QT_SCALE_FACTOR. Used by scripts/screenshot.sh; the lookups are the
end-to-end tier's (tests/e2e/desktop_kit.py).
"""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
import desktop_kit as kit  # noqa: E402  pylint: disable=wrong-import-position


def main():
    pid, title, names = int(sys.argv[1]), sys.argv[2], sys.argv[3:]
    try:
        app = kit.wait_found(lambda: kit.find_app(pid), "the program on the accessibility bus")
        window = kit.wait_found(lambda: kit.find(app, kit.by_id("frmMain")), "the main window")
        width = kit.client_rect(kit.wait_found(lambda: kit.x_windows("--name", f"^{title}$"),
                                               f"the window {title!r}")[-1])[2]
        x0, y0, w0, _ = kit.extents(window)
        for name in names:
            x, y, w, h = kit.extents(kit.wait_found(lambda: kit.find(window, kit.by_id(name)),
                                                    name))
            print(f"{round((x - x0 + w / 2) * width / w0)},{round((y - y0 + h / 2) * width / w0)}")
    except kit.Failure as failure:
        sys.exit(f"screenshot-points: {failure}")


if __name__ == "__main__":
    main()
