"""Each calculator used from start to end with the keyboard alone, listened to
as a screen reader user listens: open it through the menu with its access
keys, enter a date (for the census, a census and its age range), calculate,
read the result, close it with its own button's access key.

Every step waits for what the user would hear next (the focus on the expected
field, the result in its box) and names itself when it never comes; a step the
keyboard cannot reach is a fault of the form.
Usage: journeys.py <program binary> <DayOfWeek|BirthAgeDeath|Census>
"""

import calendar
import datetime
import sys

import desktop

desktop.skip_unless_ready()

import pyatspi  # noqa: E402 (only once the check above found it)

import screenreader as sr
from desktop import Desktop
from screenreader import Fault, children, describe, role, showing, states
from windows import BAD, CENSUS, DOW


class Journey:
    def __init__(self, program, caption):
        self.program = program
        self.caption = caption
        self.window = None

    def step(self, what):
        print(f"- {what}")

    def open(self, *path):
        self.step(f"open {self.caption!r} with the menu {' > '.join(path)}")
        self.program.choose(*path)
        self.window = self.program.child_window(self.caption)
        sr.wait_for(f"{self.caption!r} active", lambda: self.program.is_active(self.window))

    def frame(self, caption):
        """The window's frame (a panel named by its caption) once it is shown."""
        return sr.wait_for(f"the frame {caption!r} shown", lambda: next(
            (a for a in sr.descendants(self.window) if role(a) == "panel"
             and a.name == caption and showing(a)), None))

    def fields(self, frame):
        """The frame's input fields, left to right."""
        found = [a for a in sr.descendants(frame, into=lambda a: role(a) not in sr.INPUTS)
                 if role(a) in sr.INPUTS]
        return sorted(found, key=sr.left_of)

    def expect_focus(self, what, test):
        focus = self.program.focus(self.window, what, test)
        self.step(f"the screen reader says: {describe(sr.typing_field(focus))}")
        if not focus.name.strip():
            raise Fault(f"the focus is on {describe(focus)}, which has no name")
        return focus

    def expect_field(self, caption, index, kind):
        frame = self.frame(caption)
        what = f"the focus on field {index + 1} ({kind}) of the frame {caption!r}"

        def test(focus):
            fields = self.fields(frame)
            return index < len(fields) and sr.key_of(fields[index]) == \
                sr.key_of(focus)
        return self.expect_focus(what, test)

    def enter(self, caption, values):
        """Types each value into the next field of the frame, Tab between them;
        the focus must already be on the frame's first field."""
        for index, (kind, value) in enumerate(values):
            field = self.expect_field(caption, index, kind)
            self.step(f"type {value!r}")
            self.program.type(value)
            self.step(f"filled, it says: {describe(sr.typing_field(field))}")
            self.program.key("Tab")

    def expect_result(self, caption, expected):
        frame = self.frame(caption)
        box = sr.wait_for(f"the result {expected!r} in the frame {caption!r}", lambda: next(
            (a for a in sr.descendants(frame) if role(a) == "text"
             and sr.text_of(a) == expected), None))
        if pyatspi.STATE_READ_ONLY not in states(box):
            raise Fault(f"the result box {describe(box)} is not read-only")
        self.step(f"the result reads {expected!r} in {describe(box)}")

    def press_button(self, name):
        """Presses the window's button with Alt and its access key."""
        button = next((a for a in sr.descendants(self.window)
                       if role(a) == "push button" and a.name == name), None)
        if button is None:
            raise Fault(f"{self.caption!r} has no button {name!r}")
        key = sr.access_key(button)
        if key is None:
            raise Fault(f"the button {describe(button)} has no access key")
        self.step(f"press Alt+{key.upper()} for {describe(button)}")
        self.program.key("alt+" + key)

    def close(self):
        self.press_button("Exit Form")
        sr.wait_for(f"{self.caption!r} closed", lambda: all(
            w.name != self.caption for w in self.program.child_windows()))
        self.step(f"{self.caption!r} is closed")


def day_of_week(program):
    j = Journey(program, DOW)
    j.open("Open", DOW)
    j.enter("Select Date", [("month", "January"), ("day", "15"), ("year", "1937")])
    j.step("press Return to calculate")
    program.key("Return")
    j.expect_result("Day of the Week", calendar.day_name[datetime.date(1937, 1, 15).weekday()])
    j.close()


def birth_age_death(program):
    j = Journey(program, BAD)
    j.open("Open", "Age-Birth-Death Data Calculator")
    j.expect_focus("the focus on the option \"Birth Date\"",
                   lambda f: role(f) == "radio button" and sr.frame_of(f) is not None
                   and sr.frame_of(f).name == "Pick One")
    j.step("press Down to the option \"Age at Death\", Space to choose it")
    program.key("Down")
    option = j.expect_focus("the focus on the option \"Age at Death\"",
                            lambda f: role(f) == "radio button" and "Age" in f.name)
    program.key("space")
    sr.wait_for(f"{option.name!r} chosen", lambda: pyatspi.STATE_CHECKED in states(option))
    program.key("Tab")
    j.enter("Birth Date:", [("month", "March"), ("day", "15"), ("year", "1900")])
    j.enter("Death Date:", [("month", "April"), ("day", "20"), ("year", "1950")])
    j.step("press Return to calculate")
    program.key("Return")
    j.expect_result("Missing Age at Death is:", "50 Years, 1 Month and 5 Days")
    j.close()


def census(program):
    j = Journey(program, CENSUS)
    j.open("Open", CENSUS)
    shown_before = {sr.key_of(a) for a in sr.descendants(j.window) if showing(a)}
    box = next((a for a in sr.descendants(j.window)
                if role(a) == "check box" and "1840" in a.name), None)
    if box is None:
        raise Fault("no check box for the 1840 census")
    key = sr.access_key(box)
    if key is None:
        raise Fault(f"the check box {describe(box)} has no access key")
    j.step(f"press Alt+{key} to tick {describe(box)}")
    program.key("alt+" + key)
    sr.wait_for("the 1840 census ticked", lambda: pyatspi.STATE_CHECKED in states(box))
    ranges = sr.wait_for("the 1840 age ranges shown", lambda: next(
        (a for a in sr.descendants(j.window) if role(a) == "panel" and showing(a)
         and sr.key_of(a) not in shown_before), None))
    j.step(f"shown: {describe(ranges)}")
    for _ in range(40):
        focus = program.focused_in(j.window)
        if focus is not None and role(focus) == "radio button" and focus.parent is not None \
                and sr.key_of(focus.parent) == sr.key_of(ranges):
            break
        program.key("Tab")
        program.next_focus(j.window, focus)
    else:
        raise Fault("Tab never reaches the 1840 age ranges")
    j.step(f"Tab reaches {describe(focus)}")
    under5 = next((a for a in children(ranges) if role(a) == "radio button"
                   and "Under 5" in a.name), None)
    if under5 is None:
        raise Fault(f"no range \"Under 5\" in {describe(ranges)}")
    for _ in children(ranges):  # "Under 5" is the first range: Up reaches it
        if sr.key_of(focus) == sr.key_of(under5):
            break
        program.key("Up")
        focus = program.next_focus(j.window, focus)
    else:
        raise Fault(f"the arrow keys never reach {describe(under5)}")
    j.step(f"press Space to choose {describe(under5)}")
    program.key("space")
    sr.wait_for("\"Under 5\" chosen", lambda: pyatspi.STATE_CHECKED in states(under5))
    j.step("press Return to calculate")
    program.key("Return")
    j.expect_result("Possible birth years", "1836 1837 1838 1839 ")
    j.close()


JOURNEYS = {"DayOfWeek": day_of_week, "BirthAgeDeath": birth_age_death, "Census": census}

if __name__ == "__main__":
    if len(sys.argv) != 3 or sys.argv[2] not in JOURNEYS:
        sys.exit(f"usage: journeys.py <program> <{'|'.join(JOURNEYS)}>")
    with Desktop(), sr.Program(sys.argv[1]) as program:
        program.start_up()
        try:
            JOURNEYS[sys.argv[2]](program)
        except Fault as fault:
            print(f"\nThe {sys.argv[2]} journey fails: {fault}")
            sys.exit(1)
    print(f"\nThe {sys.argv[2]} journey is done with the keyboard alone.")
