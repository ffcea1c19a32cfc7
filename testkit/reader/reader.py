"""What a screen reader gets from a program over AT-SPI: its objects (role,
name, description, states, value) and the events it sends, read through
the Atspi GObject bindings as Orca reads them. Import it only once the
private desktop's buses are named in the environment (PrivateDesktop.open),
so nothing asks the user's own desktop."""

import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

State = Atspi.StateType


def pump(seconds=0.0):
    """Lets the bindings take in what the buses brought for about seconds."""
    context = GLib.MainContext.default()
    deadline = time.monotonic() + seconds
    while True:
        while context.iteration(False):
            pass
        if time.monotonic() >= deadline:
            return
        time.sleep(0.01)


def wait_until(condition, seconds, what):
    """condition()'s first true value within seconds, taking in events
    meanwhile; raises AssertionError naming what was waited for."""
    deadline = time.monotonic() + seconds
    while True:
        pump()
        try:
            value = condition()
        except GLib.Error:
            value = None  # an object went away while it was read
        if value:
            return value
        if time.monotonic() >= deadline:
            raise AssertionError(f"waited {seconds} s for {what}")
        time.sleep(0.05)


class Node:
    """One accessible object as read now (nothing cached)."""

    def __init__(self, accessible):
        self.accessible = accessible
        self.role = accessible.get_role_name()
        self.name = accessible.get_name() or ""
        self.description = accessible.get_description() or ""
        self.states = accessible.get_state_set()

    def has(self, state):
        return self.states.contains(state)

    def now(self):
        """The same object read again."""
        return Node(self.accessible)

    def below(self):
        """The objects below this one, in reading order."""
        found, todo = [], self.children()
        while todo:
            node = todo.pop(0)
            found.append(node)
            todo[0:0] = node.children()
        return found

    def find(self, role, name=None):
        """The first object of role (and name) below this one, in reading order."""
        for node in self.below():
            if node.role == role and name in (None, node.name):
                return node
        return None

    def value(self):
        """The current value through the value interface, or None."""
        if "Value" not in self.accessible.get_interfaces():
            return None
        return Atspi.Value.get_current_value(self.accessible)

    def children(self):
        found = []
        for i in range(self.accessible.get_child_count()):
            child = self.accessible.get_child_at_index(i)
            if child is not None:
                found.append(Node(child))
        return found

    def __repr__(self):
        return f"{self.role} {self.name!r}"


def describe(accessible):
    """role 'name' of an object an event came from, read as it arrives."""
    try:
        return accessible.get_role_name(), accessible.get_name() or ""
    except GLib.Error:
        return "gone", ""


class Reader:
    """The program with process id pid, as a reader reaches it."""

    EVENTS = (
        "object:state-changed:focused",
        "object:state-changed:selected",
        "object:state-changed:showing",
        "object:property-change:accessible-name",
        "object:property-change:accessible-value",
    )

    def __init__(self, pid):
        Atspi.init()
        self.pid = pid
        self.events = []
        self._listener = Atspi.EventListener.new(self._heard)
        for kind in self.EVENTS:
            self._listener.register(kind)

    def _heard(self, event):
        role, name = describe(event.source)
        self.events.append((event.type, role, name, event.detail1))

    def application(self):
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_process_id() == self.pid:
                app.set_cache_mask(Atspi.Cache.NONE)
                return Node(app)
        return None

    def showing(self):
        """Every object a reader finds on screen: the tree walked through
        showing objects only."""
        app = self.application()
        if app is None:
            return []
        found, todo = [], [app]
        while todo:
            node = todo.pop()
            found.append(node)
            todo.extend(reversed([c for c in node.children() if c.has(State.SHOWING)]))
        return found

    def find(self, role, name=None):
        """The showing objects of role (and name, when given), in reading order."""
        return [n for n in self.showing() if n.role == role and (name is None or n.name == name)]

    def one(self, role, name, seconds=20):
        """The one showing object of role and name, waited for."""
        return wait_until(lambda: (self.find(role, name) or [None])[0], seconds, f"{role} {name!r} to show")

    def focused(self):
        """The object holding the keyboard focus, or None."""
        for node in self.showing():
            if node.has(State.FOCUSED):
                return node
        return None

    def heard(self, kind, role=None, name=None, detail=None, since=0):
        """The events of kind (and role, name, detail1 when given) heard from
        index since on."""
        return [
            e
            for e in self.events[since:]
            if e[0] == kind and role in (None, e[1]) and name in (None, e[2]) and detail in (None, e[3])
        ]

    def mark(self):
        """An index to read the events from that come after this point."""
        pump()
        return len(self.events)

    def close(self):
        for kind in self.EVENTS:
            self._listener.deregister(kind)
