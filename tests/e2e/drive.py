#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 The Plumbrule developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Drives the real Plumbrule on a private desktop as a user does.

Keys and clicks go through the X server (XTEST, by xdotool); what the user
sees is read back through the accessibility bus (AT-SPI), the clipboard, the
settings file and exported files. desktop.sh starts the desktop and runs this.

The scenarios of WithAccessibility run with the accessibility bus switched on
and a listener registered, as a screen reader does; those of
WithoutAccessibility type with it switched off. Each starts the program from
settings of its own (decimal output, unit form None, unless it says
otherwise).
"""

import os
import pathlib
import sys

from desktop_kit import (Atspi, ListeningScenario, Scenario, centre, checked, client_rect, click_at,
                         click_node, copied, expect_over, expect_saved, extents, named, on_screen,
                         press, run, set_accessibility, settings, text_of, type_text, wait_change,
                         wait_for, x_window_gone, x_windows, xdo)

DECIMAL = {"Output": "1", "Format": "0"}
HISTORY = "History - Plumbrule"

# Typed in the worked example of the history tape, and the tape it writes
# with decimal output and the unit form "None".
WORKED_KEYS = ["5", "plus", "3", "Return", "asterisk", "2", "Return", "7", "minus", "4",
               "Return", "Delete", "Delete", "5", "plus", "minus"]
WORKED_TAPE = "\n".join(["5", "+ 3", "= 8", "* 2", "= 16", "", "7", "- 4", "= 3", "clr", "",
                         "5", "- "])

# Operators by the keypad and by the main block, from a cleared display.
OPERATOR_KEYS = [
    (["1", "2", "KP_Add", "3", "KP_Enter"], "15"),
    (["8", "KP_Subtract", "3", "Return"], "5"),
    (["4", "KP_Multiply", "2", "5", "KP_Enter"], "100"),
    (["9", "KP_Divide", "4", "Return"], "2.25"),
    (["1", "2", "plus", "3", "Return"], "15"),
    (["8", "minus", "3", "Return"], "5"),
    (["4", "asterisk", "2", "5", "Return"], "100"),
    (["9", "slash", "4", "Return"], "2.25"),
]


def operators(test, p):
    p.activate()
    for keys, result in OPERATOR_KEYS:
        with test.subTest(keys=" ".join(keys)):
            press("Delete", "Delete")
            p.expect_display("0", "cleared")
            press(*keys)
            p.expect_display(result, " ".join(keys))


def menu_command(p, menu, name, root):
    click_node(p.wait_node(named(menu, Atspi.Role.MENU_ITEM), f"the {menu} menu", root))
    click_node(p.wait_node(on_screen(named(name)), f"{name} in the opened {menu} menu", root))


def history_margins(p):
    """Text1 keeps 3 px to the client area on every side below the menu bar."""
    cx, cy, cw, ch = client_rect(p.x_window(f"^{HISTORY}$"))
    _, by, _, bh = extents(p.wait_node(lambda n: n.get_role() == Atspi.Role.MENU_BAR,
                                       "the menu bar", p.window_of(HISTORY)))
    tx, ty, tw, th = extents(p.control("Text1"))
    return tx - cx, ty - (by + bh), cx + cw - (tx + tw), cy + ch - (ty + th)


def type_in_box(p, box, value):
    """Replaces the box's text by typing; an empty value clears it."""
    p.click(box)
    press("ctrl+a")
    if value:
        type_text(value)
    else:
        press("BackSpace")
    wait_for(lambda: text_of(p.control(box)), value, f"{box} typed")


def tape(p):
    return text_of(p.control("Text1"))


class WithAccessibility(ListeningScenario):
    def test_options_by_mouse_restored_by_the_next_run(self):
        """Keys act once; output options chosen with the mouse; what the next run restores."""
        p = self.start({})
        p.activate()
        press("7", "8")
        p.expect_display("78", "7 8 typed with the accessibility bus on")
        # A first run starts with the options folded away below the keypad.
        before = client_rect(p.window)[3]
        p.click("cmdOptions")
        wait_for(lambda: client_rect(p.window)[3] > before, True, "options shown")
        p.click("optOutput_1")
        wait_for(lambda: checked(p.control("optOutput_1")), True, "Decimal chosen by a click")
        p.click("cmbFormat")
        click_node(p.wait_node(on_screen(named("None", Atspi.Role.LIST_ITEM)),
                               "None in the opened list"))
        wait_for(lambda: p.control("cmbFormat").get_name(), "None", "unit form chosen by clicks")
        main = client_rect(p.window)
        p.close()
        saved = expect_saved({"Output": "1", "Format": "0", "ShowOptions": "True"}, "first run")
        self.assertIn("Top", saved, "the window's place was not saved")
        self.assertIn("Left", saved, "the window's place was not saved")
        # Keys loaded the history window, hidden; it was never shown.
        self.assertNotIn("HistTop", saved, "a history window never shown saved a place")

        p = self.start()
        wait_for(lambda: checked(p.control("optOutput_1")), True, "Decimal restored")
        wait_for(lambda: p.control("cmbFormat").get_name(), "None", "unit form restored")
        self.assertEqual(client_rect(p.window)[:2], main[:2], "the main window's place")
        p.close()

    def test_operators(self):
        """Operators by keypad and main block."""
        p = self.start(DECIMAL)
        operators(self, p)
        p.close()

    def test_wheel_over_the_lists(self):
        """The wheel over the output lists changes nothing."""
        p = self.start(DECIMAL)
        p.activate()
        press("5", "plus", "3")
        p.expect_display("3", "5 + 3 typed")
        before = {name: p.control(name).get_name() for name in ("cmbRound", "cmbFormat")}
        for name in before:
            xdo("mousemove", "--sync", *map(str, centre(p.control(name))))
            for button in ("5", "5", "4", "5"):
                xdo("click", button)
        # Once Enter has acted, the wheel before it has too.
        p.activate()
        press("Return")
        p.expect_display("8", "5 + 3 Enter after the wheel")
        for name, text in before.items():
            self.assertEqual(p.control(name).get_name(), text, f"{name} after the wheel")
        p.close()

    def test_store_and_recall(self):
        """Store, then Recall through the pop-up menu."""
        p = self.start(DECIMAL)
        p.activate()
        press("7", "period", "2", "5")
        p.expect_display("7.25", "7.25 typed")
        p.click("cmdStore")
        press("Delete", "Delete")
        p.expect_display("0", "cleared after Store")
        # The menu lists "Clear", a separator, then the stored texts. Qt keeps
        # pop-up menus out of the accessible tree, so the choice is made with
        # the arrow keys in the opened menu, as a keyboard user makes it; the
        # menu is a window of the program's own on the X server.
        windows = x_windows("--pid", str(p.process.pid))
        p.click("cmdRecall")
        wait_change(lambda: x_windows("--pid", str(p.process.pid)), windows, "the Recall menu")
        press("Down", "Down", "Return")
        p.expect_display("7.25", "recalled from the menu")
        p.close()

    def test_division_by_zero(self):
        """Division by zero: the message box dismissed by Enter."""
        p = self.start(DECIMAL)
        p.activate()
        press("5", "slash", "0", "Return")
        error = named("Error 11: Division by zero", Atspi.Role.LABEL)
        p.wait_node(error, "the message box of error 11")
        press("Return")
        wait_for(lambda: p.find(error), None, "the message box dismissed by Enter")
        p.expect_display("0", "display after the error")
        p.close()

    def test_stair_and_tools_window(self):
        """The stair window in feet and inches, its message box, Ctrl+Tab to the other tools."""
        p = self.start(DECIMAL)
        p.click("cmdStair")
        p.window_of("Stair Calculator")
        stair = p.x_window("^Stair Calculator$")
        for box, value in (("Text1_2", "100"), ("Text1_0", "7.5")):
            type_in_box(p, box, value)
        p.click("cmdCalculate")
        wait_for(lambda: p.control("lblRiser").get_name(), '14 Risers @ 7.14" = 100',
                 "stair result")
        p.expect_display("0", "main display after typing in the stair window")
        # Its message boxes belong to it: nothing entered on the treads side.
        p.click("optStair_1")
        p.click("cmdCalculate")
        box = wait_change(lambda: xdo("getactivewindow"), stair, "the stair message box")
        expect_over(box, stair, "the stair message box")
        press("Return")
        wait_for(lambda: xdo("getactivewindow"), stair, "the stair window active again")
        # The worked flight, typed key by key with its marks (decimal, None,
        # four places); the boxes keep what was typed.
        for option, boxes, label, result in (
                ("optStair_0", (("Text1_2", "8'10-1/2\""), ("Text1_1", ""), ("Text1_0", "7.75")),
                 "lblRiser", '14 Risers @ 7.61" = 106.5'),
                ("optStair_1", (("Text2_2", "10'10\""), ("Text2_0", "10")), "lblTread",
                 '13 Treads @ 10.00" = 130')):
            p.click(option)
            for box, value in boxes:
                type_in_box(p, box, value)
            p.click("cmdCalculate")
            wait_for(lambda: p.control(label).get_name(), result, f"{label} from feet and inches")
        for box, value in (("Text1_2", "8'10-1/2\""), ("Text2_2", "10'10\"")):
            wait_for(lambda: text_of(p.control(box)), value, f"{box} as typed")
        wait_for(lambda: p.control("lblStringer").get_name(),
                 'Stringer 168.0543 @ 37.3\u00b0, 2R+T 25.2": steep', "the stringer line")
        # Ctrl+Tab brings each tab forward, its caption with it; one worked
        # example each, typed.
        for caption, boxes, button, label, result in (
                ("Right Triangle", (("txtRise", "72"), ("txtRun", "96")), "cmdCalculateTriangle",
                 "lblTriangle_0", "Diagonal 120"),
                ("Area and Volume", (("txtLength", "144"), ("txtWidth", "120")),
                 "cmdCalculateArea", "lblArea_0",
                 "Area 120.00 sq ft = 13.33 sq yd = 11.15 m\u00b2"),
                ("Roof Framing", (("txtRoofPitch", "7"), ("txtSpan", "28'")), "cmdCalculateRoof",
                 "lblRoof_1", "Common rafter 194.4942"),
                ("Spacing", (("txtSpacingLength", "52"), ("txtCount", "2")),
                 "cmdCalculateSpacing", "lblSpacing_2", "Marks 17.3333, 34.6667")):
            press("ctrl+Tab")
            p.window_of(caption)
            for box, value in boxes:
                type_in_box(p, box, value)
            p.click(button)
            wait_for(lambda: p.control(label).get_name(), result, f"{caption} result")
        press("ctrl+Tab")
        p.window_of("Stair Calculator")
        p.click("Command1")
        x_window_gone("^Stair Calculator$")
        p.close()

    def test_worked_tape_shown_and_exported(self):
        """The worked tape typed, shown and exported byte for byte; no replacing without a yes."""
        p = self.start(DECIMAL)
        p.activate()
        press(*WORKED_KEYS)
        p.expect_display("5", "display after the worked keys")
        p.click("cmdHistory")
        wait_for(lambda: tape(p), WORKED_TAPE, "the tape in the history window")
        path = os.path.join(self.args.work, "History")
        expected = (WORKED_TAPE.replace("\n", "\r\n") + "\r\n").encode("ascii")
        for attempt in ("first", "again"):
            menu_command(p, "File", "Export to File...", p.window_of(HISTORY))
            dialog = p.x_window("^Export History List to a File...$")
            p.activate(dialog)
            # The name box holds the focus with the proposed name selected.
            press("ctrl+a")
            type_text(path)
            press("Return")
            if attempt == "again":
                # ".txt" is added after the dialog, so the export itself asks
                # before replacing History.txt; Enter answers No, the default.
                p.wait_node(lambda n: n.get_role() == Atspi.Role.LABEL and
                            n.get_name().startswith("History.txt already exists."),
                            "the question before replacing History.txt")
                expect_over(p.x_window("^Export History List to a File...$"),
                            p.x_window(f"^{HISTORY}$"), "the question")
                press("Return")
            x_window_gone("^Export History List to a File...$")
            # The dialog may be gone from the screen a moment before the
            # export has written the file: wait for the file itself.
            wait_for(lambda: pathlib.Path(path + ".txt").read_bytes(), expected,
                     f"History.txt after the {attempt} export (the second one answered No)")
        p.close()

    def test_history_resized_hidden_shown(self):
        """The history window resized, hidden and shown again: 3 px margins, the tape kept."""
        p = self.start(DECIMAL)
        p.activate()
        press(*WORKED_KEYS)
        p.click("cmdHistory")
        wait_for(lambda: history_margins(p), (3, 3, 3, 3), "history box margins as first shown")
        window = p.x_window(f"^{HISTORY}$")
        xdo("windowsize", "--sync", window, "420", "520")
        wait_for(lambda: client_rect(window)[2:], (420, 520), "history window resized")
        wait_for(lambda: history_margins(p), (3, 3, 3, 3), "history box margins after a resize")
        p.click("cmdHistory")
        x_window_gone(f"^{HISTORY}$")
        p.click("cmdHistory")
        wait_for(lambda: history_margins(p), (3, 3, 3, 3), "history box margins shown again")
        wait_for(lambda: tape(p), WORKED_TAPE, "the tape kept while hidden")
        p.close()

    def test_windows_reopen_where_they_were(self):
        """Both windows reopen where they were; a run never showing the tape keeps its place."""
        p = self.start(DECIMAL)
        p.click("cmdHistory")
        history = client_rect(p.x_window(f"^{HISTORY}$"))
        main = client_rect(p.window)
        p.close()
        placed = settings()
        self.assertIn("HistTop", placed, "the history window's place was not saved")
        # A key loads the history window, which is never shown.
        p = self.start()
        p.activate()
        press("5")
        p.expect_display("5", "typed in a run that never shows the history")
        p.close()
        expect_saved({"HistTop": placed["HistTop"], "HistLeft": placed["HistLeft"]},
                     "a run that never showed the history window")
        p = self.start()
        self.assertEqual(client_rect(p.window)[:2], main[:2], "the main window's place")
        p.click("cmdHistory")
        self.assertEqual(client_rect(p.x_window(f"^{HISTORY}$"))[:2], history[:2],
                         "the history window's place")
        p.close()

    def test_keep_tape_between_runs(self):
        """Keep Tape Between Runs: the tape restored after a restart and continued."""
        p = self.start(DECIMAL)
        p.click("cmdHistory")
        menu_command(p, "File", "Keep Tape Between Runs", p.window_of(HISTORY))
        p.activate()
        press("5", "plus", "3", "Return")
        wait_for(lambda: tape(p), "5\n+ 3\n= 8", "the tape to keep")
        p.close()
        expect_saved({"KeepTape": "1"}, "the run that turned Keep Tape Between Runs on")
        p = self.start()
        p.click("cmdHistory")
        wait_for(lambda: tape(p), "5\n+ 3\n= 8", "the kept tape restored")
        p.activate()
        press("2", "plus", "2", "Return")
        wait_for(lambda: tape(p), "5\n+ 3\n= 8\n\n2\n+ 2\n= 4", "the kept tape continued")
        p.close()


class WithoutAccessibility(Scenario):
    """The keyboard parts with the accessibility bus switched off: the display
    is read by Ctrl+C."""

    def setUp(self):
        set_accessibility(False)

    def test_plain_worked_tape(self):
        """The worked tape typed and read back by Ctrl+A, Ctrl+C (accessibility off)."""
        # Where the History button sits in the client area, asked of a run
        # with the accessibility bus on: this run cannot ask.
        set_accessibility(True)
        p = self.start(DECIMAL)
        x, y = centre(p.control("cmdHistory"))
        cx, cy, _, _ = client_rect(p.window)
        p.close()
        set_accessibility(False)
        p = self.start(accessible=False, ids=False)
        p.activate()
        press(*WORKED_KEYS)
        p.expect_display("5", "display after the worked keys")
        left, top, _, _ = client_rect(p.window)
        click_at(left + x - cx, top + y - cy)
        hx, hy, hw, hh = client_rect(p.x_window(f"^{HISTORY}$"))
        # The tape fills the window: select it all and copy it.
        click_at(hx + hw // 2, hy + hh // 2)
        self.assertEqual(copied("ctrl+a", "ctrl+c"), WORKED_TAPE, "the tape copied")
        p.close()

    def test_plain_operators(self):
        """Operators by keypad and main block (accessibility off)."""
        p = self.start(DECIMAL, accessible=False, ids=False)
        operators(self, p)
        p.close()


if __name__ == "__main__":
    sys.exit(run(sys.argv))
