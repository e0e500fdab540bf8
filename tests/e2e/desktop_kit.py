# SPDX-FileCopyrightText: 2026 The Plumbrule developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""What every end-to-end driver shares: the program handle, the accessible
tree (AT-SPI), keys and clicks (xdotool on X, wtype on Wayland), waits that
watch for a state, the settings file, and the runner.

Each driver is a set of unittest scenarios (subclasses of Scenario), each
starting the program afresh from the settings it writes; run(sys.argv) runs
them with unittest's own options after --program and --work (for example
`-k plain`), names each scenario in its output and ends with status 1 when
one failed.
"""

import argparse
import configparser
import os
import subprocess
import time
import unittest

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

# A driver may change these before its scenarios run (Orca wants more time
# and slower keys, each held down as long as a person holds it).
TIMEOUT = 10.0
KEY_DELAY_MS = "40"
KEY_HOLD_MS = None


class Failure(AssertionError):
    """A check that did not hold; unittest reports it as a failure."""


# --- waits ----------------------------------------------------------------------------


def poll(read, done, what, timeout=None):
    """Calls `read` until `done` holds for what it gave; returns that value.
    A read that raises (the accessible tree changing under us) counts as a
    value of its own."""
    deadline = time.monotonic() + (timeout or TIMEOUT)
    while True:
        try:
            value = read()
            if done(value):
                return value
        except Failure:
            raise
        except Exception as error:  # pylint: disable=broad-except
            value = f"<{error}>"
        if time.monotonic() > deadline:
            raise Failure(f"{what}: gave {value!r} until the time ran out")
        time.sleep(0.05)


def wait_for(read, expected, what, timeout=None):
    return poll(read, lambda value: value == expected, f"{what}, expected {expected!r}",
                timeout)


def wait_found(read, what, timeout=None):
    """Waits until `read` gives something other than None (or empty)."""
    return poll(read, bool, f"{what} never came", timeout)


def wait_change(read, old, what):
    return poll(read, lambda value: value != old, f"{what}: nothing new")


def settle(read, what, quiet=0.4):
    """Polls `read` until it has not changed for `quiet` seconds: a doubled
    key shows up a moment after the expected text."""
    deadline = time.monotonic() + TIMEOUT
    value, since = read(), time.monotonic()
    while time.monotonic() - since < quiet:
        if time.monotonic() > deadline:
            raise Failure(f"{what}: never settled, last {value!r}")
        time.sleep(0.05)
        now = read()
        if now != value:
            value, since = now, time.monotonic()
    return value


# --- keys, clicks, the clipboard ------------------------------------------------------------


def run_tool(*command):
    result = subprocess.run(command, capture_output=True, text=True, check=False)
    if result.returncode != 0:
        raise Failure(f"{' '.join(command)}: {result.stdout.strip()} {result.stderr.strip()}")
    return result.stdout.strip()


def xdo(*args):
    return run_tool("xdotool", *args)


def press(*keys):
    """Each name is one physical press and release of a key (with Shift for
    the shifted symbols, as a user presses them), KEY_DELAY_MS apart and,
    where KEY_HOLD_MS is set, held down that long."""
    if not KEY_HOLD_MS:
        xdo("key", "--delay", KEY_DELAY_MS, *keys)
        return
    hold = int(KEY_HOLD_MS) / 1000
    rest = max(int(KEY_DELAY_MS) / 1000 - hold, 0)
    strokes = []
    for key in keys:
        strokes += ["keydown", key, "sleep", f"{hold:g}", "keyup", key, "sleep", f"{rest:g}"]
    xdo(*strokes)


class AccessibilityBus:
    """What the program tells the accessibility bus, watched with dbus-monitor
    from now on: each key it hands to the screen reader (Qt's bridge holds the
    key until the screen reader answers) and each focus change it reports (a
    focus change is what a screen reader speaks, and works longest on)."""

    # The keysyms of Shift, Control, Alt and the like, which only change
    # what another key types.
    MODIFIERS = range(0xFFE1, 0xFFEF)

    def __init__(self, work):
        address = run_tool("dbus-send", "--session", "--print-reply=literal",
                           "--dest=org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus.GetAddress")
        self.path = os.path.join(work, "accessibility-bus.log")
        with open(self.path, "w", encoding="utf-8") as log:
            self.monitor = subprocess.Popen(  # pylint: disable=consider-using-with
                ["dbus-monitor", "--address", address.strip(),
                 "type='method_call',member='NotifyListenersSync'", "type='signal',member='Focus'"],
                stdout=log, stderr=subprocess.STDOUT)
        # dbus-monitor writes the loss of its own name once it is watching.
        wait_for(lambda: "member=NameLost" in self.text(), True, "dbus-monitor watching")

    def text(self):
        with open(self.path, encoding="utf-8", errors="replace") as log:
            return log.read()

    def close(self):
        self.monitor.terminate()
        self.monitor.wait()

    def focus_while_a_key_was_down(self):
        """The physical keys (their codes, modifiers aside) held down at each
        focus change reported so far while one was."""
        down, found, key_event = set(), [], None
        for line in self.text().splitlines():
            line = line.strip()
            if line.startswith("method call") and "member=NotifyListenersSync" in line:
                key_event = []
            elif line.startswith("signal") and "member=Focus" in line:
                if down:
                    found.append(sorted(down))
            elif key_event is not None and line.startswith(("uint32 ", "int32 ")):
                key_event.append(int(line.split()[1]))
                if len(key_event) == 3:  # down (0) or up (1), its keysym, its key
                    kind, keysym, key = key_event
                    key_event = None
                    if keysym not in self.MODIFIERS:
                        (down.add if kind == 0 else down.discard)(key)
        return found


def type_text(text):
    xdo("type", "--delay", KEY_DELAY_MS, text)


def click_at(x, y, button="1"):
    xdo("mousemove", "--sync", str(int(x)), str(int(y)))
    xdo("click", button)


def wtype(*args):
    """Keys from a virtual keyboard on Wayland. A new virtual keyboard's first
    key goes while the program takes in its keymap: each call begins with
    F24, which the calculator ignores."""
    run_tool("wtype", "-d", "20", "-k", "F24", *args)


def sway_close(title):
    """Closes a window by the compositor, as its title bar's close button
    does; the program's own accessible window shows before sway has its
    title, so the command is repeated until sway finds the window."""
    poll(lambda: subprocess.run(["swaymsg", f'[title="^{title}$"] kill'], capture_output=True,
                                check=False).returncode, lambda code: code == 0,
         f"sway closing {title!r}")


def clipboard():
    return subprocess.run(["xclip", "-o", "-selection", "clipboard"], capture_output=True,
                          timeout=5, check=False).stdout.decode("utf-8", "replace")


def copied(*keys):
    """What the keys put on the clipboard, emptied first."""
    subprocess.run(["xclip", "-selection", "clipboard", "/dev/null"], check=False)
    press(*keys)
    return wait_change(clipboard, "", f"the clipboard after {' '.join(keys)}")


# --- X windows ---------------------------------------------------------------------------


def x_windows(*search):
    return subprocess.run(["xdotool", "search", "--onlyvisible", *search], capture_output=True,
                          text=True, check=False).stdout.split()


def x_window_gone(title):
    wait_for(lambda: x_windows("--name", title), [], f"window {title!r} closed")


def client_rect(window):
    """The client area of a top-level window, in screen pixels (xwininfo:
    xdotool counts the frame's offset twice under a reparenting manager)."""
    out = run_tool("xwininfo", "-id", window)
    info = dict(line.strip().split(":", 1) for line in out.splitlines() if ":" in line)
    return tuple(int(info[name]) for name in ("Absolute upper-left X", "Absolute upper-left Y",
                                              "Width", "Height"))


def expect_over(box, window, what):
    """The box is a transient of the window: the desktop keeps it over that window."""
    owner = run_tool("xprop", "-id", box, "WM_TRANSIENT_FOR")
    if "window id" not in owner or int(owner.rsplit(" ", 1)[-1], 16) != int(window):
        raise Failure(f"{what} is not over its window: {owner!r}")


# --- the accessible tree ------------------------------------------------------------------


def set_accessibility(enabled):
    run_tool("dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
             "org.freedesktop.DBus.Properties.Set", "string:org.a11y.Status",
             "string:IsEnabled", f"variant:boolean:{'true' if enabled else 'false'}")


def listen():
    """A listener, as a screen reader registers one: the bridge then holds
    every key press and sends it on once the registry has answered. Returns
    what ends it."""
    listener = Atspi.EventListener.new(lambda event: None)
    listener.register("object:property-change:accessible-name")
    return lambda: listener.deregister("object:property-change:accessible-name")


def find_app(pid):
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def find(root, test):
    """The first accessible under `root` (depth first) that passes `test`."""
    stack = [root]
    while stack:
        node = stack.pop()
        if node is None:
            continue
        try:
            if node is not root and test(node):
                return node
            count = node.get_child_count()
        except Exception:  # pylint: disable=broad-except
            continue
        stack.extend(node.get_child_at_index(i) for i in reversed(range(count)))
    return None


def showing(node):
    return node.get_state_set().contains(Atspi.StateType.SHOWING)


def checked(node):
    return node.get_state_set().contains(Atspi.StateType.CHECKED)


def by_id(name):
    """A showing control by its objectName (its description under
    PLUMBRULE_ACCESSIBLE_IDS=1)."""
    return lambda node: node.get_description() == name and showing(node)


def named(name, role=None):
    """A showing node by its accessible name (and role)."""
    return lambda node: (node.get_name() == name and (role is None or node.get_role() == role)
                         and showing(node))


def on_screen(test):
    """Entries of a closed list or menu report no place of their own."""
    return lambda node: test(node) and extents(node)[1] > 0 and extents(node)[2] < 1000


def extents(node):
    box = node.get_extents(Atspi.CoordType.SCREEN)
    return box.x, box.y, box.width, box.height


def centre(node):
    x, y, w, h = extents(node)
    return x + w // 2, y + h // 2


def click_node(node):
    click_at(*centre(node))


def text_of(node):
    return Atspi.Text.get_text(node, 0, Atspi.Text.get_character_count(node))


# --- the settings file -------------------------------------------------------------------


def settings_path():
    return os.path.join(os.environ["XDG_CONFIG_HOME"], "Plumbrite", "Plumbrule.conf")


def settings():
    parser = configparser.ConfigParser(interpolation=None)
    parser.optionxform = str
    parser.read(settings_path())
    return dict(parser["General"]) if parser.has_section("General") else {}


def write_settings(values):
    os.makedirs(os.path.dirname(settings_path()), exist_ok=True)
    with open(settings_path(), "w", encoding="ascii") as out:
        out.write("[General]\n" + "".join(f"{name}={value}\n" for name, value in values.items()))


def expect_saved(values, what):
    saved = settings()
    wrong = {name: saved.get(name) for name, value in values.items() if saved.get(name) != value}
    if wrong:
        raise Failure(f"{what}: saved {wrong}, expected {values}")
    return saved


# --- the program -------------------------------------------------------------------------


class Program:
    """One run of the program: started on the X server (or Wayland), driven,
    closed as a user closes it. `ids` names each control by its objectName
    on the accessibility bus (PLUMBRULE_ACCESSIBLE_IDS); `accessible` finds
    the program there."""

    def __init__(self, program, log, accessible=True, ids=True, wayland=False):
        env = dict(os.environ, QT_QPA_PLATFORM="wayland" if wayland else "xcb")
        env.pop("PLUMBRULE_ACCESSIBLE_IDS", None)
        if ids:
            env["PLUMBRULE_ACCESSIBLE_IDS"] = "1"
        self.ids, self.wayland = ids, wayland
        self.log = open(log, "w+b")  # pylint: disable=consider-using-with
        self.process = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL,
                                        stderr=self.log)
        self.window = None if wayland else self.x_window("^Plumbrule$")
        self.app = None
        if accessible:
            self.app = wait_found(lambda: self.alive() and find_app(self.process.pid),
                                  "the program on the accessibility bus")
            self.window_of("Plumbrule")

    def alive(self):
        if self.process.poll() is not None:
            raise Failure(f"the program ended early: {self.stderr()[-2000:]!r}")
        return True

    def stderr(self):
        self.log.flush()
        self.log.seek(0)
        return self.log.read().decode("utf-8", "replace")

    def x_window(self, title):
        # Only this program has windows on this private display.
        return wait_found(lambda: self.alive() and x_windows("--name", title)[-1:],
                          f"a window {title!r}")[0]

    def activate(self, window=None):
        xdo("windowactivate", "--sync", window or self.window)

    def close(self):
        """Closes the main window as a user does: Alt+F4, handled by openbox,
        or the compositor's close on Wayland."""
        if self.wayland:
            sway_close("Plumbrule")
        else:
            self.activate()
            press("alt+F4")
        try:
            code = self.process.wait(timeout=TIMEOUT)
        except subprocess.TimeoutExpired as timeout:
            raise Failure("the program did not end when its window was closed") from timeout
        if code != 0:
            raise Failure(f"the program ended with status {code}: {self.stderr()[-2000:]}")

    def kill(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        self.log.close()

    # The accessible tree.

    def find(self, test, root=None):
        return find(root or self.app, test)

    def wait_node(self, test, what, root=None):
        return wait_found(lambda: find(root or self.app, test), what)

    def control(self, name):
        return self.wait_node(by_id(name), f"the control {name}")

    def click(self, name):
        click_node(self.control(name))

    def windows(self, title):
        return [child for child in (self.app.get_child_at_index(i)
                                    for i in range(self.app.get_child_count()))
                if child is not None and child.get_name() == title and showing(child)]

    def window_of(self, title):
        return wait_found(lambda: self.windows(title), f"the window {title!r}")[0]

    def window_gone(self, title):
        wait_for(lambda: self.windows(title), [], f"the window {title!r} closed")

    # The display.

    def display(self):
        if self.ids:
            return self.control("lblDisplay").get_name()
        # Without the names, read it as a user copies it: Ctrl+C.
        self.activate()
        return copied("ctrl+c")

    def expect_display(self, expected, what):
        wait_for(self.display, expected, what)
        got = settle(self.display, what)
        if got != expected:
            raise Failure(f"{what}: expected {expected!r}, then it showed {got!r}")


# --- the runner --------------------------------------------------------------------------


class Scenario(unittest.TestCase):
    """A scenario starts the program itself, from the settings it writes."""

    args = None
    runs = 0

    def start(self, values=None, **options):
        """A fresh run of the program; `values` are written to the settings
        file first, unless None (the next run of the same scenario)."""
        if values is not None:
            write_settings(values)
        Scenario.runs += 1
        log = os.path.join(self.args.work, f"plumbrule-{Scenario.runs}.log")
        p = Program(self.args.program, log, **options)
        self.addCleanup(p.kill)
        return p


class ListeningScenario(Scenario):
    """Scenarios on an accessibility bus that a listener holds, as under a
    screen reader."""

    @classmethod
    def setUpClass(cls):
        set_accessibility(True)
        cls.stop_listening = staticmethod(listen())

    @classmethod
    def tearDownClass(cls):
        cls.stop_listening()


def run(argv, *options):
    """Parses --program, --work and the driver's own `options` (names of
    further required ones); the rest goes to unittest."""
    parser = argparse.ArgumentParser()
    for name in ("--program", "--work", *options):
        parser.add_argument(name, required=True)
    Scenario.args, rest = parser.parse_known_args(argv[1:])
    main = unittest.main(module="__main__", argv=[argv[0], *rest], exit=False, verbosity=2)
    result = main.result
    if result.testsRun == 0:
        print("no scenario ran", flush=True)
        return 1
    return 0 if result.wasSuccessful() else 1
