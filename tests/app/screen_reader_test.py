#!/usr/bin/python3
"""What a screen reader gets from the real program, read over AT-SPI as Orca
reads it: the program runs on a desktop of the test's own (Xvfb, a private
session bus and accessibility bus; testkit/reader), in a fixture machine
whose settings say the welcome card was seen, and is driven with real key
presses (xdotool). Keys go to the focused control; a control is focused the
way a reader's user does it, through AT-SPI's grab-focus. There is no window
manager: when a dialog closes, the test gives the main window the keyboard
back, as one would.

    screen_reader_test.py PROGRAM

Exits 0 when every check holds, 1 when one fails, 77 (skipped) when a tool
or binding it needs is not installed (scripts/setup installs them)."""

import os
import re
import signal
import sys
import time
import traceback

# The helpers are read from the source tree; no compiled copies are left in it.
sys.dont_write_bytecode = True
REPO = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
sys.path.insert(0, REPO)

from testkit.reader.desktop import PrivateDesktop, missing_tools  # noqa: E402
from testkit.reader.machine import FixtureMachine  # noqa: E402

SKIPPED = 77
CACHE = [f".npm/_cacache/content-v2/sha512/{i:02x}" for i in range(3)]
MIB = 1024 * 1024
# The sidebar's controls: a page's focus never falls back there.
SECTIONS = ["Home", "Clean", "Dev Mode", "Apps", "Performance", "Deep Scan", "Advisor"]
SIDEBAR = {("push button", "Tidewell Mac"), ("push button", "About Tidewell Mac")} | {
    ("page tab", section) for section in SECTIONS
}

FOCUSED = "object:state-changed:focused"
SELECTED = "object:state-changed:selected"
SHOWING = "object:state-changed:showing"


def missing_bindings():
    try:
        import gi

        gi.require_version("Atspi", "2.0")
        from gi.repository import Atspi  # noqa: F401
    except (ImportError, ValueError) as error:
        return [f"the Atspi GObject bindings ({error}; gir1.2-atspi-2.0, python3-gi)"]
    return []


def fill(machine):
    """The fixture home: a cache the Clean scan finds, two big personal files
    for Deep Scan (one to trash, one that stays), and files no scan may
    touch."""
    for cached in CACHE:
        machine.write(cached, os.urandom(100_000))
    machine.allocate("Downloads/big-archive.zip", 90 * MIB)
    machine.allocate("Movies/holiday.mov", 85 * MIB)
    machine.write(".npmrc", b"registry=http://localhost/\n")
    machine.write("Documents/keep.txt", b"keep me\n")
    machine.settings("[General]\nhasOnboarded=true\n")


class Road:
    """The program's window as a reader's user walks it."""

    def __init__(self, desktop, machine):
        from testkit.reader import reader

        self.r = reader
        self.desktop = desktop
        self.machine = machine
        self.reader = reader.Reader(desktop.app.pid)
        self.since = 0

    def mark(self):
        """From here on, the events heard are the ones a check looks at."""
        self.since = self.reader.mark()
        return self.since

    def heard(self):
        """The events heard since the mark, as a failure tells them."""
        told = [f"    {e}" for e in self.reader.events[self.since :] if e[1] != "gone"]
        return "; heard:\n" + "\n".join(told[-30:]) if told else "; heard nothing"

    def until(self, condition, what, seconds=30):
        def alive_and():
            if self.desktop.app.poll() is not None:
                raise AssertionError(f"the program ended (status {self.desktop.app.returncode})")
            return condition()

        try:
            return self.r.wait_until(alive_and, seconds, what)
        except AssertionError as error:
            raise AssertionError(str(error) + self.heard()) from None

    def told(self, kind, role=None, name=None, detail=None):
        """The events of kind (role, name, detail1) heard since the mark."""
        return self.reader.heard(kind, role, name, detail, since=self.since)

    def focused(self):
        return self.reader.focused()

    def focus(self, node):
        """Moves the keyboard focus to node as a reader's user would."""
        self.r.Atspi.Component.grab_focus(node.accessible)
        self.until(lambda: node.now().has(self.r.State.FOCUSED), f"the focus on {node}", 10)

    def press(self, node, key="Return"):
        self.focus(node)
        self.desktop.keys(key)

    def open_section(self, title):
        tab = self.reader.one("page tab", title)
        self.press(tab, "space")
        self.until(lambda: tab.now().has(self.r.State.SELECTED), f"the {title} section", 10)

    def enabled(self, role, name):
        """The showing, enabled object of role and name, waited for."""

        def found():
            for node in self.reader.find(role, name):
                if node.has(self.r.State.ENABLED):
                    return node
            return None

        return self.until(found, f"{role} {name!r}, enabled")

    def gauge_reads_as_shown(self, gauge_name, shown):
        """The gauge's value (the value interface) is the whole percentage
        its label shows (shown: a pattern of the label's text, the number
        in its group). Read label, value, label, until the screen stood
        still in between: the figures follow the machine."""
        gauge = self.reader.one("progress bar", gauge_name)
        pattern = re.compile(shown)

        def label():
            for node in self.reader.find("label"):
                if pattern.fullmatch(node.name):
                    return node
            return None

        text = self.until(label, f"a label matching {shown!r}").name
        for _ in range(10):
            value = gauge.now().value()
            again = label().name
            if again == text:
                break
            text = again
        percent = int(pattern.fullmatch(text).group(1))
        assert value == percent, f"the {gauge_name!r} gauge reads {value}, the screen shows {text!r}"
        return gauge


def check_home_donut(road):
    """Home's donut reads as the percentage and caption shown in it."""
    donut = road.gauge_reads_as_shown("used", r"(\d+)%")
    shown = [n.name for n in donut.below() if n.role == "label"]
    assert len(shown) == 2 and re.fullmatch(r"\d+%", shown[0]) and shown[1] == donut.name, (
        f"the donut named {donut.name!r} shows {shown}"
    )


def check_clean_up_focus(road):
    """After Return on "Clean Up" the focus is on what the cleaning page
    shows, then on "Done" once the result appears, which is announced; the
    cache is emptied and what lies beside it stays."""
    m = road.machine
    road.open_section("Clean")
    road.press(road.reader.one("push button", "Scan My Mac"))
    road.focus(road.enabled("push button", "Clean Up"))
    road.mark()
    road.desktop.keys("Return")
    done = ("push button", "Done")
    road.until(
        lambda: (f := road.focused()) is not None and (f.role, f.name) == done,
        'the focus on "Done" once the result shows',
    )
    took = [(role, name) for _, role, name, _ in road.told(FOCUSED, detail=1)]
    before = took[: took.index(done)] if done in took else took
    assert any(role == "progress bar" and name for role, name in before), (
        "the cleaning page's ring never took the focus before the result" + road.heard()
    )
    assert not SIDEBAR.intersection(took), "the focus fell back to the sidebar" + road.heard()
    # An object that has gone by the time it is read cannot be told; any
    # other one the focus passes through is heard, so it has a name.
    assert all(name or role == "gone" for role, name in took), "the focus passed something unnamed" + road.heard()
    assert road.told(SHOWING, "alert", "All clean!", 1), "the result was not announced" + road.heard()
    assert not [f for f in CACHE if os.path.exists(m.path(f))], "the npm cache was not emptied"
    for sentinel in (".npmrc", "Documents/keep.txt", "Downloads/big-archive.zip"):
        assert os.path.exists(m.path(sentinel)), f"{sentinel} went with the cache"


def check_segmented_control(road):
    """Performance's "Memory | Startup" control is a named tab list, and an
    arrow key's switch is told: the old tab leaves the selection, the new
    one joins it and takes the focus. Its memory gauge reads as it shows."""
    road.open_section("Performance")
    road.press(road.reader.one("push button", "Check Performance"))

    def picker():
        for node in road.reader.find("page tab list"):
            if [c.name for c in node.children()] == ["Memory", "Startup"]:
                return node
        return None

    panel = road.until(picker, 'the "Memory | Startup" tab list')
    assert panel.name, "the Memory | Startup tab list has no name"
    memory, startup = panel.children()
    assert memory.has(road.r.State.SELECTED), "Memory is not the chosen panel at first"
    road.gauge_reads_as_shown("Memory", r"(\d+)% in use")
    road.focus(panel)
    road.mark()
    road.desktop.keys("Right")
    road.until(lambda: road.told(FOCUSED, "page tab", "Startup", 1), 'the "Startup" tab taking the focus', 10)
    assert road.told(SELECTED, "page tab", "Memory", 0), "Memory never left the selection" + road.heard()
    assert road.told(SELECTED, "page tab", "Startup", 1), "Startup never joined the selection" + road.heard()
    assert startup.now().has(road.r.State.SELECTED), "Startup is not selected after the switch"


def check_deep_scan_trash(road):
    """Moving a big item to the Trash from Deep Scan: Return in the
    confirmation does nothing, Space on "Move to Trash" moves the item (into
    the fixture's Trash, nothing else), the outcome banner is announced, and
    the focus goes to the next control in the list."""
    m = road.machine
    item = m.path("Downloads/big-archive.zip")
    moved = "Moved big-archive.zip to the Trash"
    road.open_section("Deep Scan")
    road.press(road.reader.one("push button", "Deep Scan"))
    road.until(lambda: road.reader.find("label", "big-archive.zip"), "big-archive.zip in the list")
    # The card's own button: the first one after its name, in reading order.
    shown = road.reader.showing()
    at = next(i for i, n in enumerate(shown) if (n.role, n.name) == ("label", "big-archive.zip"))
    road.press(next(n for n in shown[at:] if (n.role, n.name) == ("push button", "Move to Trash")))
    dialog = road.reader.one("dialog", "Move to Trash?")
    assert [n for n in dialog.below() if "big-archive.zip" in n.name], "the question does not name the item"
    road.focus(dialog.find("push button", "Move to Trash"))
    road.desktop.keys("Return")
    road.r.pump(1.0)
    assert road.reader.find("dialog", "Move to Trash?"), "Return answered the confirmation"
    assert os.path.exists(item), "Return in the confirmation moved the item"
    road.mark()
    road.desktop.keys("space")
    road.until(
        lambda: [e for e in road.told(SHOWING, "alert", detail=1) if e[2].startswith(moved)],
        "the outcome banner's announcement",
    )
    trashed = os.path.join(m.trash_files, "big-archive.zip")
    road.until(lambda: os.path.exists(trashed), "the item in the fixture's Trash")
    assert not os.path.exists(item), "the item is still where it was"
    info = os.path.join(m.data, "Trash", "info", "big-archive.zip.trashinfo")
    assert os.path.exists(info), "the move left no .trashinfo"
    for sentinel in ("Movies/holiday.mov", "Documents/keep.txt", ".npmrc"):
        assert os.path.exists(m.path(sentinel)), f"{sentinel} went with the item"
    # The dialog has closed; a window manager would give the window back the keyboard.
    assert road.desktop.focus_window(), "the main window is gone"
    landed = road.until(road.focused, "the focus in the window")
    # The trashed card's button went: its neighbour is the next card's first control.
    assert (landed.role, landed.name) == ("push button", "Reveal"), (
        f"after the item left, the focus went to {landed}, not to its neighbour" + road.heard()
    )


CHECKS = [
    ("Home's donut reads as it shows", check_home_donut),
    ('the focus after "Clean Up", and the result announced', check_clean_up_focus),
    ("Performance's segmented control, named and told", check_segmented_control),
    ("Deep Scan's move to the Trash, confirmed and announced", check_deep_scan_trash),
]


def end_on_signal(number, frame):
    """A test ended from outside (ctest's timeout, Ctrl+C) still closes its
    desktop and removes its machine."""
    raise SystemExit(f"ended by signal {number}")


def main():
    for number in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
        signal.signal(number, end_on_signal)
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    missing = missing_tools() + missing_bindings()
    if missing:
        print("SKIP: not installed: " + ", ".join(missing))
        return SKIPPED
    started = time.monotonic()
    machine = FixtureMachine()
    desktop = PrivateDesktop(machine)
    passed = 0
    try:
        fill(machine)
        desktop.open()
        from testkit.reader.reader import wait_until

        wait_until(desktop.accessibility_bus_ready, 30, "the accessibility bus")
        desktop.launch(sys.argv[1])
        road = Road(desktop, machine)
        road.until(lambda: road.reader.find("page tab", "Home"), "the window on AT-SPI")
        assert desktop.focus_window(), "the program shows no window"
        road.until(road.focused, "the focus in the window", 10)
        for title, check in CHECKS:
            began = time.monotonic()
            try:
                check(road)
                passed += 1
                print(f"ok: {title} ({time.monotonic() - began:.1f} s)")
            except Exception as error:
                print(f"FAIL: {title}\n  {error}")
                if not isinstance(error, AssertionError):
                    traceback.print_exc(file=sys.stdout)
    except Exception:
        print("FAIL: the desktop or the program did not start")
        traceback.print_exc(file=sys.stdout)
    finally:
        if passed < len(CHECKS):
            print("program output:\n" + desktop.program_log()[-4000:])
        desktop.close()
        machine.close()
    failed = len(CHECKS) - passed
    print(f"{passed} passed, {failed} failed ({time.monotonic() - started:.1f} s)")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
