#pragma once
// The Window menu of a child form: it lists the open child windows of the main
// window, marks the active one with a check, and activates the one chosen. The
// list is rebuilt each time the menu opens.
//
// A child form calls listChildWindows(mnuWindow, program()) once, after
// creating its Window menu (which has no items of its own).

class QMenu;

namespace vantel {

class Program;

void listChildWindows(QMenu* menu, Program& program);

}  // namespace vantel
