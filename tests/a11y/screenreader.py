"""Reads the running program as a screen reader does and drives it with the
keyboard alone.

The program runs on a desktop of its own (desktop.py). What it shows
is read through AT-SPI (pyatspi, Debian's own python3), the way a screen reader
reads it: roles, names, descriptions, states and text. Keys are real X key
events (xdotool), sent to whatever window has the focus, as a user's keyboard
sends them; nothing is clicked and no control is changed behind the program's
back.
"""

import os
import subprocess
import time

import pyatspi
from gi.repository import GLib

# How long to wait for the program to answer a key before calling it a fault.
PATIENCE = 20.0

# Roles that only group other objects.
CONTAINERS = {
    "filler", "panel", "layered pane", "scroll pane", "viewport", "split pane", "tool bar",
    "grouping", "section", "unknown",
}
WINDOWS = {"frame", "dialog", "alert", "window", "file chooser"}
INPUTS = {"text", "combo box", "spin button", "password text", "entry", "editbar"}


class Fault(AssertionError):
    """Something a keyboard or screen reader user would meet as a fault."""


def wait_for(what, probe, patience=PATIENCE):
    """Polls probe() until it gives something true and returns that; a fault
    naming `what` when it never does. Objects that vanish while being read
    count as not there yet."""
    deadline = time.monotonic() + patience
    while True:
        try:
            found = probe()
        except GLib.Error:  # an object went away mid-read
            found = None
        if found:
            return found
        if time.monotonic() > deadline:
            raise Fault(f"waited {patience:.0f} s in vain for {what}")
        time.sleep(0.05)


# Reading one object.

def role(acc):
    return acc.getRoleName()


def states(acc):
    return set(acc.getState().getStates())


def showing(acc):
    return pyatspi.STATE_SHOWING in states(acc)


def focusable(acc):
    return pyatspi.STATE_FOCUSABLE in states(acc)


def enabled(acc):
    return pyatspi.STATE_ENABLED in states(acc)


def children(acc):
    return [c for c in acc if c is not None]


def text_of(acc):
    """The whole text a screen reader reads from the object, or None when it
    offers no text."""
    try:
        text = acc.queryText()
    except NotImplementedError:
        return None
    return text.getText(0, -1)


def left_of(acc):
    return acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS).x


def describe(acc):
    """One line as a screen reader would present the object: name, role,
    description and the states that are spoken."""
    st = states(acc)
    words = [repr(acc.name), role(acc)]
    if acc.description:
        words.append(f"({acc.description!r})")
    for state, word in ((pyatspi.STATE_READ_ONLY, "read only"),
                        (pyatspi.STATE_CHECKED, "checked"),
                        (pyatspi.STATE_ENABLED, None)):
        if state in st and word:
            words.append(word)
    if pyatspi.STATE_ENABLED not in st:
        words.append("unavailable")
    text = text_of(acc)
    if text and text != acc.name and role(acc) in INPUTS | {"text"}:
        words.append(f"holding {text[:60]!r}{'...' if len(text) > 60 else ''}")
    labels = [name for name in labelled_by(acc) if name != acc.name]
    if labels:
        words.append(f"labelled by {', '.join(repr(n) for n in labels)}")
    return " ".join(words)


def labelled_by(acc):
    """The names of the objects that label this one (a field's frame, a label
    whose buddy it is), which a screen reader speaks with it."""
    names = []
    for relation in acc.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            names += [relation.getTarget(i).name for i in range(relation.getNTargets())]
    return names


def typing_field(acc):
    """What has the focus in a combo box one can type into: the field for
    typing, which the screen reader speaks; any other control itself."""
    if role(acc) == "combo box":
        for child in children(acc):
            if role(child) == "text" and pyatspi.STATE_FOCUSED in states(child):
                return child
    return acc


def key_of(acc):
    """What tells objects apart: two reads of one object give equal keys."""
    return acc.path


def descendants(acc, into=lambda a: True):
    """Every object below acc, depth first; `into` decides which objects are
    looked into."""
    for child in children(acc):
        yield child
        if into(child):
            yield from descendants(child, into)


def frame_of(acc):
    """The nearest enclosing named panel (a frame of the form, named by its
    caption), or None."""
    parent = acc.parent
    while parent is not None and role(parent) not in WINDOWS:
        if role(parent) == "panel" and parent.name:
            return parent
        parent = parent.parent
    return None


class Program:
    """The program, started on the current desktop with its accessibility
    bridge on, read through AT-SPI and driven by keys."""

    BINARY_NAMES = ("Vantel", "vantel")

    def __init__(self, binary):
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
        self.process = subprocess.Popen([binary], env=env)
        self.app = wait_for("the program on the accessibility bus", self._find_app)
        # Read everything afresh: the program changes under the reader's eyes.
        self.app.setCacheMask(pyatspi.cache.NONE)

    def _find_app(self):
        if self.process.poll() is not None:
            raise Fault(f"the program ended at once, with status {self.process.returncode}")
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name in self.BINARY_NAMES:
                return app
        return None

    def stop(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.stop()

    # Keys.

    def key(self, *combos):
        """Presses each key or combination (xdotool names: "alt+o", "Tab",
        "Return") in turn."""
        for combo in combos:
            subprocess.run(["xdotool", "key", "--clearmodifiers", combo], check=True)
            time.sleep(0.15)

    def type(self, text):
        subprocess.run(["xdotool", "type", "--delay", "60", text], check=True)
        time.sleep(0.15)

    # Windows.

    def top_levels(self):
        if self.process.poll() is not None:
            raise Fault(f"the program ended by itself, with status {self.process.returncode}")
        return [w for w in children(self.app) if showing(w)]

    def main_window(self):
        """The main window: the top-level window that holds the menu bar."""
        def probe():
            for w in self.top_levels():
                if any(role(c) == "menu bar" for c in children(w)):
                    return w
            return None
        return wait_for("the main window", probe)

    def child_windows(self):
        """The child windows shown inside the main window."""
        area = next((c for c in children(self.main_window()) if role(c) == "layered pane"), None)
        return [w for w in children(area) if showing(w)] if area else []

    def child_window(self, title):
        return wait_for(f"the window {title!r} inside the main window",
                        lambda: next((w for w in self.child_windows() if w.name == title), None))

    def is_active(self, window):
        """Whether the window has the keyboard focus: on itself or on one of its
        controls."""
        return pyatspi.STATE_FOCUSED in states(window) or self.focused_in(window) is not None

    def start_up(self):
        """Waits until the splash has given way to the main window with the
        Getting Started page active. (A key would end the splash at once, but
        one pressed just as it goes by itself would reach the main window.)"""
        self.main_window()
        page = self.child_window("Getting Started")
        return wait_for("the Getting Started page, active", lambda: self.is_active(page) and page)

    # Focus.

    def focused_in(self, window):
        """The control of the window that has the keyboard focus (for a combo
        box that one can type into, the combo box; for a row of tabs, its
        current tab), or None."""
        found = None
        for acc in descendants(window, into=lambda a: role(a) not in {"list", "menu bar"}):
            if pyatspi.STATE_FOCUSED not in states(acc) or role(acc) in CONTAINERS:
                continue
            # Qt marks the current tab focused whether or not its row is.
            if role(acc) == "page tab" and pyatspi.STATE_FOCUSED not in states(acc.parent):
                continue
            found = acc
            if role(acc) == "combo box":
                break
        return found

    def focus(self, window, what, test, patience=PATIENCE):
        """Waits until the focused control of the window passes `test`, and
        returns it."""
        def probe():
            focused = self.focused_in(window)
            return focused if focused is not None and test(focused) else None
        return wait_for(what, probe, patience)

    def next_focus(self, window, previous):
        """The focused control of the window once the focus has moved on from
        `previous`; `previous` itself if it stays (as it may, on a window with
        a single control)."""
        try:
            return self.focus(window, "the focus to move", lambda f: previous is None or
                              key_of(f) != key_of(previous), patience=1.5)
        except Fault:
            return self.focused_in(window)

    def wait_shown(self, caption):
        """Waits until a window with the caption is shown and has the focus: a
        child window of the main window or a window of its own."""
        def probe():
            for w in self.child_windows():
                if w.name == caption and self.is_active(w):
                    return w
            for w in self.top_levels():
                if w.name == caption and pyatspi.STATE_ACTIVE in states(w):
                    return w
            return None
        return wait_for(f"the window {caption!r}, active", probe)

    # Menus.

    def menu_bar(self):
        return next(c for c in children(self.main_window()) if role(c) == "menu bar")

    def choose(self, *path):
        """Chooses a menu item through the menu bar as a keyboard user does: Alt
        and the menu's access key, then the item's access key. Where an item has
        no access key of its own (none, or one that another item of the menu
        shares, which only moves the highlight) the arrow keys move to it and
        Return chooses it."""
        bar = self.menu_bar()
        menu = wait_for(f"the menu {path[0]!r}", lambda: next(
            (m for m in children(bar) if m.name == path[0]), None))
        key = access_key(menu)
        if key is None:
            raise Fault(f"the menu {path[0]!r} has no access key")
        self.key("alt+" + key)
        popup = wait_for(f"the menu {path[0]!r} open",
                         lambda: next((p for p in children(menu) if showing(p)), None))
        for name in path[1:]:
            items = children(popup)
            item = next((i for i in items if i.name == name), None)
            if item is None:
                raise Fault(f"the menu {path[0]!r} has no item {name!r}")
            if not enabled(item):
                raise Fault(f"the menu item {name!r} is disabled")
            key = access_key(item)
            if key is not None and [access_key(i) for i in items].count(key) == 1:
                self.key(key)
            else:
                for _ in items:
                    if pyatspi.STATE_SELECTED in states(item) or pyatspi.STATE_FOCUSED in states(item):
                        break
                    self.key("Down")
                else:
                    raise Fault(f"the arrow keys never reach the menu item {name!r}")
                self.key("Return")
            popup = next((p for p in children(item) if showing(p)), None)


def access_key(acc):
    """The access key of a control, menu or menu item as AT-SPI gives it to
    screen readers (Qt writes "Alt+O"), in lower case; None when it has none."""
    try:
        action = acc.queryAction()
        bindings = [action.getKeyBinding(i) for i in range(action.nActions)]
    except NotImplementedError:
        return None
    for binding in bindings:
        for part in binding.split(";"):
            if part.lower().startswith("alt+") and len(part) == 5:
                return part[4:].lower()
    return None
