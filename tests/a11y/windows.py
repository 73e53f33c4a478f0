"""Every window of the program, each with the keys that open it from a fresh
start of the program (after the splash, with the Getting Started page active).

A row names the window, what opens it and where it appears:
- "main": the main window itself, with its own menus;
- "child": a child window inside the main window, found by its caption;
- "top": a window of its own (a dialog or a message box), found by its caption.
A row may give texts the window must speak whole, as a label's name or a box's
text (blanks and line breaks aside): a message box its prompt, a page its
explanations.

The steps are what a keyboard user does: menu(...) chooses an item through the
menu bar with the access keys the program shows, keys(...) presses keys (xdotool
names), text(...) types, window(...) waits until a window with that caption is
shown before the next key goes to it.

Run as a program, it lists the names of the rows (the build registers one test
for each).
"""

from collections import namedtuple

Window = namedtuple("Window", "name where caption steps says", defaults=((),))


def menu(*path):
    return ("menu", path)


def keys(*names):
    return ("keys", names)


def text(typed):
    return ("type", typed)


def window(caption):
    return ("window", caption)


DOW = "Day of the Week Calculator"
BAD = "Birth - Age - Death Date Calculator"
CENSUS = "Census Birth Year Calculator"

# A Day-of-week calculation with a result: 15 January 1937 was a Friday.
DOW_RESULT = [
    menu("Open", DOW), window(DOW),
    text("January"), keys("Tab"), text("15"), keys("Tab"), text("1937"), keys("Return"),
]

# A Birth-Age-Death calculation with a result: the death date of a person born
# on 15 March 1900 who died 50 years, 1 month and 5 days old.
BAD_RESULT = [
    menu("Open", "Age-Birth-Death Data Calculator"), window(BAD),
    keys("Down", "Down", "space"),  # from "Birth Date" to "Death Date", chosen
    keys("Tab"), text("March"), keys("Tab"), text("15"), keys("Tab"), text("1900"),
    keys("Tab"), text("1"), keys("Tab"), text("5"), keys("Tab"), text("50"),
    keys("Return"),
]

WINDOWS = [
    Window("MainWindow", "main", "Tamsford Genealogy Calculator", [menu("Open", "Close")]),
    # With the weekday explanation shown: More Info of the third band.
    Window("GettingStarted", "child", "Getting Started", [keys(*["Tab"] * 5, "space")],
           ("This calculator will calculate the day of the week (Sunday, Monday, Tuesday, etc.), "
            "for any given date.",
            "Often newspapers and other publications will announce events by listing the day of "
            "the week in which it occured as opposed to the date.  This calculator will determine "
            "the day of the week for any given date.  For instance, if a newspaper says \"an "
            "individual died January, 15, 1937, the funeral will take place next Tuesday.\"  By "
            "finding out what day of the week 1/15/37 and adding the number of days until the "
            "\"next Tuesday\" you can determine what date Tuesday was.")),
    Window("BirthAgeDeath", "child", BAD, [menu("Open", "Age-Birth-Death Data Calculator")]),
    Window("Census", "child", CENSUS, [menu("Open", CENSUS)]),
    Window("DayOfWeek", "child", DOW, [menu("Open", DOW)]),
    Window("CensusInformation", "child", "Census Information",
           [menu("Open", CENSUS), window(CENSUS), keys("alt+i")]),
    Window("About", "top", "Tamsford Genealogy Calculator",
           [menu("Help", "About Tamsford Genealogy Calculator")],
           ("Version 1.3.0", "Currently has three (3) Calculators:  1. Birth - Age - Death Date "
            "Calculator - Will calculate a missing age or date of an event, using two known "
            "values.  2. Census Birth Year Calculator - Combines Census data and returns the only "
            "possible years in which a person could have been born.  3. Day of the week "
            "calculator - This Calculator will calculate the day of the week (Sunday, Monday, "
            "Tuesday, etc.), for any given date.")),
    # Calculating with nothing entered.
    Window("InformationBox", "top", "Missing Month Field!",
           [menu("Open", DOW), window(DOW), keys("Return")], ("Please select a Month",)),
    # A year that is no number.
    Window("CriticalBox", "top", "Invalid Year!",
           [menu("Open", DOW), window(DOW), text("March"), keys("Tab"), text("15"),
            keys("Tab"), text("abcd"), keys("Return")],
           ("This in not a valid year, please enter again.",)),
    # Printing a weekday asks whether to add a note.
    Window("QuestionBox", "top", "Add Note?", DOW_RESULT + [keys("alt+p")],
           ("Would you like to add a note regarding this date and coresponding day of the week "
            "to this screen print?",)),
    # Printing a Birth-Age-Death result with the ancestor's name asks for it.
    Window("InputBox", "top", "Add Ancestor",
           BAD_RESULT + [keys("alt+p"), window("Add Ancestor?"), keys("Return")],
           ("Enter you Ancestor's name in the box below.",)),
]

if __name__ == "__main__":
    print(";".join(w.name for w in WINDOWS))
