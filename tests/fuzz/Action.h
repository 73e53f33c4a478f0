#pragma once
// One step of a fuzz run: what a user does to the running program, written so
// that it can be saved as one line of text and played again later. A step names
// its target by the objectName of the form and of the control (never by a
// pointer), so a list of steps replays in a fresh program, and a step whose
// target is gone when it is replayed simply does nothing.

#include <QList>
#include <QString>
#include <cstdint>
#include <optional>

namespace vantel::fuzz {

struct Action {
  enum Kind {
    Click,     // a left click on a control: target "Form/control"
    Type,      // a click into a field, then the text typed key by key
    Retype,    // a click into a field, Ctrl+A, then the text typed in place of its own
    Paste,     // a click into a field, then the text pasted with Ctrl+V
    Key,       // one key (with modifiers) to whatever has the focus: arg "Shift+Tab"
    Pick,      // a combo box's list opened with a click and item arg clicked
    Menu,      // a menu of the main window's bar clicked, then its item: "menu/item"
    Tab,       // a tab of a tab control clicked: target "Form/tabControl", arg its index
    Activate,  // a click on a window's title bar, making it the active window: "Form"
    Close,     // the window's close box: "Form"
  };
  Kind kind = Click;
  QString target;
  QString arg;
  // Seeds the answers the run's platform gives to message and input boxes
  // raised during this step.
  std::uint64_t answers = 0;

  friend bool operator==(const Action&, const Action&) = default;
};

using Actions = QList<Action>;

// One line of text, tab-separated; the argument percent-encoded so that any
// text (line breaks, tabs, NUL) fits on the line.
QString toLine(const Action& action);
std::optional<Action> fromLine(const QString& line);

// A replay file: comment lines start with '#', every other line is a step.
QString toText(const Actions& actions, const QStringList& comments = {});
Actions fromText(const QString& text);

}  // namespace vantel::fuzz
