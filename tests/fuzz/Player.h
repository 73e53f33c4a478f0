#pragma once
// What a user can do to the running program, found at run time from Qt's
// object tree, and doing it through real Qt events.
//
// Discovery: the shown forms are the program's forms whose windows are on
// screen; their controls are their named descendants (buttons, check boxes,
// options, fields, combo boxes, tab controls, read-only boxes and labels); the
// menus are those of the main window's menu bar as it stands (the active
// child's own menus), with their items and shortcuts. Nothing here lists
// today's controls, so steps reach whatever the windows hold when they change.
//
// Events: mouse clicks go through the platform's window (QTest with
// QTEST_QPA_MOUSE_HANDLING), so they land on whatever is on top at that place,
// activate windows and open and close popups as a user's click does; keys go to
// the window that has the focus, through the shortcut map first. A step's
// target is looked up by name when it is played; a target that is gone or not
// shown makes the step do nothing.

#include <QList>
#include <QPair>
#include <random>

#include "fuzz/Action.h"

namespace vantel {
class Program;
}

namespace vantel::fuzz {

class Session;

// A random step for the program as it stands now.
Action randomAction(Program& program, std::mt19937_64& rng);

// Steps that fill one shown form as a user does, field after field in its tab
// order (an item picked from each list, a plausible or hostile text typed into
// each field), then press Enter for its default button. Random single steps
// rarely line up into a complete request; these do, so that results are
// reached and checked.
Actions fillingSteps(Program& program, std::mt19937_64& rng);

// Plays the step's events.
void perform(Program& program, const Action& action);

// The names of the forms whose windows are shown.
QStringList shownForms(Program& program);

// For every window reachable through menus from a freshly started program, the
// steps that open it from the start, in the order found. Learned by trying each
// menu item of each window once in a fresh program; items that end the program
// are left out.
using OpeningPaths = QList<QPair<QString, Actions>>;
OpeningPaths learnOpeningPaths();

}  // namespace vantel::fuzz
