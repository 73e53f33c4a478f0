"""Opens one window of the program (a row of windows.py) and reads it as a
screen reader does, then checks what a screen reader user gets:

- the window is announced as a window (or dialog, or alert) with its caption;
- every control that takes the focus has a role and a name of its own in its
  window, and every input field a name that says which value it holds (not
  merely the caption of its frame, which its neighbours share);
- pictures are named or hidden, and lines and empty containers are not
  announced;
- read-only results can be read as text;
- menus and their items are named, no two alike in one menu;
- Tab reaches every control that takes the focus (of the option buttons of one
  frame, and of a row of tabs, one: the arrow keys choose among them);
- a message box speaks its title and its whole prompt, and every window the
  texts its row gives (a label by its name, a read-only box by its text).

Prints what a screen reader says for each control, then every fault found.
Usage: walk.py <program binary> <window row>
"""

import sys

import desktop

desktop.skip_unless_ready()

import pyatspi  # noqa: E402 (only once the check above found it)

import screenreader as sr
from desktop import Desktop
from screenreader import Fault, children, describe, role, showing, states
from windows import WINDOWS

# Roles that name no kind of control.
NO_ROLE = {"filler", "panel", "unknown", "invalid", "redundant object"}
# Roles whose insides are the toolkit's own and not looked into: a screen reader
# treats each as one control.
LEAVES = {"text", "combo box", "list", "menu bar", "scroll bar", "push button",
          "radio button", "check box", "label", "image", "separator", "slider"}
PICTURES = {"image", "icon", "animation"}


def run(binary, row):
    with Desktop(), sr.Program(binary) as program:
        program.start_up()
        target = open_window(program, row)
        faults = Walk(program, target, row).check()
    if faults:
        print(f"\n{len(faults)} fault(s) in {row.name}:")
        for fault in faults:
            print(f"  - {fault}")
        return 1
    print(f"\n{row.name}: no faults")
    return 0


def open_window(program, row):
    """Opens the row's window with its steps and returns it."""
    before = program.top_levels()
    run_steps(program, row.steps)
    if row.where == "main":
        main = program.main_window()
        sr.wait_for("the main window with no child window shown",
                    lambda: not program.child_windows())
        return main
    if row.where == "child":
        child = program.child_window(row.caption)
        sr.wait_for(f"{row.caption!r} active", lambda: program.is_active(child))
        return child
    return sr.wait_for(f"a window {row.caption!r} of its own", lambda: next(
        (w for w in program.top_levels()
         if w.name == row.caption and sr.key_of(w) not in {sr.key_of(b) for b in before}),
        None))


def run_steps(program, steps):
    for kind, what in steps:
        if kind == "menu":
            program.choose(*what)
        elif kind == "keys":
            program.key(*what)
        elif kind == "type":
            program.type(what)
        elif kind == "window":
            program.wait_shown(what)
        else:
            raise ValueError(kind)


def is_control(acc):
    """Whether the object takes the focus itself: not a grouping that hands the
    focus on to a control inside it (as a tab control hands it to its row of
    tabs), not a row of tabs, whose tabs are the controls."""
    if not sr.focusable(acc) or role(acc) == "page tab list":
        return False
    if role(acc) in NO_ROLE:
        return not any(sr.focusable(d) for d in sr.descendants(acc))
    return True


class Walk:
    def __init__(self, program, window, row):
        self.program = program
        self.window = window
        self.row = row
        self.faults = []

    def fault(self, acc, what):
        self.faults.append(f"{describe(acc)}: {what}")

    def objects(self, under=None):
        """Every object of the window a screen reader can reach, depth first:
        not the insides of controls, not other windows (the main window's child
        windows are windows of their own)."""
        parent = under or self.window
        for acc in children(parent):
            if role(acc) == "frame" and role(parent) == "layered pane":
                continue
            yield acc
            if role(acc) not in LEAVES:
                yield from self.objects(acc)

    def check(self):
        objects = list(self.objects())
        print(f"What a screen reader gets in {self.row.name} ({describe(self.window)}):")
        for acc in objects:
            if role(acc) not in NO_ROLE | {"separator"} or acc.name:
                print(f"  {describe(acc)}{'' if showing(acc) else '   [hidden now]'}")
        if role(self.window) not in sr.WINDOWS or self.window.name != self.row.caption:
            self.fault(self.window, f"should be announced as a window called {self.row.caption!r}")
        controls = [a for a in objects if is_control(a)]
        self.check_controls(controls)
        self.check_fields(controls)
        for acc in objects:
            self.check_picture(acc)
            self.check_shown(acc)
        self.check_says(objects)
        if self.row.where in ("main", "child"):
            self.check_menus(self.program.menu_bar())
        self.check_tab_order(controls)
        return self.faults

    def check_controls(self, controls):
        names = {}
        for acc in controls:
            if role(acc) in NO_ROLE:
                self.fault(acc, "takes the focus but says no kind of control")
            if not acc.name.strip():
                self.fault(acc, "takes the focus but has no name")
                continue
            names.setdefault(acc.name, []).append(acc)
        for name, same in names.items():
            if len(same) > 1:
                self.faults.append(
                    f"{len(same)} controls are all called {name!r}: "
                    + ", ".join(describe(a) for a in same))

    def check_fields(self, controls):
        for acc in controls:
            if role(acc) not in sr.INPUTS or pyatspi.STATE_READ_ONLY in states(acc):
                continue
            frame = sr.frame_of(acc)
            if frame is not None and acc.name == frame.name:
                self.fault(acc, "an input field named only by its frame "
                                f"{frame.name!r}: which of its values does it hold?")
            if role(acc) == "combo box":
                for typing in children(acc):
                    if role(typing) == "text" and not typing.name.strip():
                        self.fault(acc, "the field for typing into the box has no name")

    def check_picture(self, acc):
        if role(acc) not in PICTURES:
            return
        if showing(acc) and not acc.name.strip():
            self.fault(acc, "a picture with no name is announced (name it or hide it)")
        frame = sr.frame_of(acc)
        if frame is not None and acc.name == frame.name:
            self.fault(acc, f"a picture named only by its frame {frame.name!r}")

    def check_shown(self, acc):
        if not showing(acc):
            return
        if role(acc) in ("separator", "frame"):  # child windows are not walked
            self.fault(acc, "a line or box that only decorates is announced")
        elif (role(acc) in sr.CONTAINERS and role(acc) != "layered pane"
              and not any(showing(c) for c in children(acc))):
            # The main window's area for child windows may well be empty.
            self.fault(acc, "an empty container is announced")
        if role(acc) == "text" and pyatspi.STATE_READ_ONLY in states(acc):
            if sr.text_of(acc) is None:
                self.fault(acc, "a read-only box whose text a screen reader cannot read")
            if not acc.name.strip():
                self.fault(acc, "a read-only box with no name: what does it hold?")

    def check_says(self, objects):
        """Each text of the row reaches the screen reader whole, from a control
        shown now: a label as its name, a box as its text (a name in its place
        would hide it). Blanks and line breaks are not compared."""
        def words(text):
            return " ".join(text.split())
        spoken = []
        for acc in objects:
            if not showing(acc):
                continue
            if role(acc) == "label":
                spoken.append(words(acc.name))
            elif role(acc) in sr.INPUTS | {"text"} and sr.text_of(acc):
                spoken.append(words(sr.text_of(acc)))
        for text in self.row.says:
            if words(text) not in spoken:
                self.fault(self.window, f"does not speak the whole text {text!r}; it says {spoken}")

    def check_menus(self, bar):
        for menu in children(bar):
            if not menu.name.strip():
                self.fault(menu, "a menu with no name")
            self.check_menu(menu)

    def check_menu(self, menu):
        for popup in (p for p in children(menu) if role(p) == "popup menu"):
            items = [i for i in children(popup) if role(i) != "separator"]
            names = [i.name for i in items]
            keys = [sr.access_key(i) if sr.enabled(i) else None for i in items]
            for key in sorted({k for k in keys if k and keys.count(k) > 1}):
                # The captions are the program's own; a shared key only moves
                # the highlight, and Return then chooses.
                print(f"  note: in the menu {menu.name!r}, {keys.count(key)} items share the "
                      f"access key {key.upper()}: "
                      + ", ".join(repr(n) for n, k in zip(names, keys) if k == key))
            for item in items:
                if not item.name.strip():
                    self.fault(item, f"an item of the menu {menu.name!r} with no name")
                self.check_menu(item)
            for name in sorted(set(names)):
                if name and names.count(name) > 1:
                    self.faults.append(
                        f"the menu {menu.name!r} has {names.count(name)} items called {name!r}")

    def check_tab_order(self, controls):
        """Tab, pressed again and again, visits every control that takes the
        focus (of the option buttons of one frame, one)."""
        wanted = {}
        for acc in controls:
            if not (showing(acc) and sr.enabled(acc)) or role(acc) in {"label", "list item"}:
                continue
            # Of a frame's option buttons, and of a row of tabs, the arrow keys
            # choose; Tab reaches one.
            group = acc.parent if role(acc) in ("radio button", "page tab") else acc
            wanted.setdefault(sr.key_of(group), (acc, set()))[1].add(sr.key_of(acc))
        before = {sr.key_of(w) for w in self.program.top_levels()}
        reached = set()
        current = self.program.focused_in(self.window)
        for _ in range(len(wanted) + 3):
            if current is not None:
                reached.add(sr.key_of(current))
            self.program.key("Tab")
            current = self.program.next_focus(self.window, current)
            intruder = next((w for w in self.program.top_levels()
                             if sr.key_of(w) not in before), None)
            if intruder is not None:
                self.faults.append(f"pressing Tab brought up {describe(intruder)}")
                return
        for acc, keys in wanted.values():
            if not keys & reached:
                self.fault(acc, "Tab never reaches it")


if __name__ == "__main__":
    rows = {w.name: w for w in WINDOWS}
    if len(sys.argv) != 3 or sys.argv[2] not in rows:
        sys.exit(f"usage: walk.py <program> <{'|'.join(rows)}>")
    try:
        sys.exit(run(sys.argv[1], rows[sys.argv[2]]))
    except Fault as fault:
        print(f"\n{sys.argv[2]}: the window cannot be reached: {fault}")
        sys.exit(1)
