#pragma once
// A form's menu bar written as one table: each row a menu of the bar or an item
// of the menu above it, with its name, caption, shortcut, state and what it
// does. Form::buildMenus reads the table, makes the menus and items, stores
// each in the form's member of that name and wires each item to its handler.
//
// Every item either runs a handler of the form or is marked in the table as
// doing nothing on purpose (inert); the tests find any item that is neither.
//
//   const menu::Table<FormX> kMenus = {
//       menu::bar(&FormX::mnuOpen, "mnuOpen", "&Open"),
//       menu::item(&FormX::mnuPrint, "mnuPrint", "&Print", "Ctrl+P", &FormX::mnuPrint_Click,
//                  menu::Disabled),
//       menu::line(&FormX::mnuline, "mnuline"),
//       menu::item(&FormX::mnuSelf, "mnuSelf", "&This Form", {}, menu::inert, menu::Checked),
//       menu::windows(&FormX::mnuWindow, "mnuWindow", "&Window"),
//   };

#include <initializer_list>

class QAction;
class QMenu;

namespace vantel::menu {

// The state an entry starts in; flags may be combined.
enum State : unsigned {
  Enabled = 0,
  Disabled = 1,
  Checked = 2,  // shown with a check mark
  Hidden = 4,
};

// Marks an item that does nothing when chosen, on purpose.
struct Inert {};
inline constexpr Inert inert{};

enum class Kind { Bar, WindowList, Item, InertItem, Separator };

template <class F>
struct Row {
  Kind kind;
  QMenu* F::*menu = nullptr;    // Bar, WindowList
  QAction* F::*item = nullptr;  // Item, InertItem, Separator
  const char* name = nullptr;
  const char* caption = nullptr;
  const char* shortcut = nullptr;
  void (F::*handler)() = nullptr;
  unsigned state = Enabled;
};

template <class F>
using Table = std::initializer_list<Row<F>>;

// A menu of the bar; it opens when chosen.
template <class F>
Row<F> bar(QMenu* F::*menu, const char* name, const char* caption, unsigned state = Enabled) {
  return {Kind::Bar, menu, nullptr, name, caption, nullptr, nullptr, state};
}

// A menu of the bar that lists the main window's open child windows, marks the
// active one and activates the one chosen.
template <class F>
Row<F> windows(QMenu* F::*menu, const char* name, const char* caption) {
  return {Kind::WindowList, menu, nullptr, name, caption, nullptr, nullptr, Enabled};
}

// An item of the menu above that runs the handler when chosen.
template <class F>
Row<F> item(QAction* F::*item, const char* name, const char* caption, const char* shortcut,
            void (F::*handler)(), unsigned state = Enabled) {
  return {Kind::Item, nullptr, item, name, caption, shortcut, handler, state};
}

// An item of the menu above that does nothing when chosen, on purpose.
template <class F>
Row<F> item(QAction* F::*item, const char* name, const char* caption, const char* shortcut, Inert,
            unsigned state = Enabled) {
  return {Kind::InertItem, nullptr, item, name, caption, shortcut, nullptr, state};
}

// A separator line in the menu above.
template <class F>
Row<F> line(QAction* F::*item, const char* name) {
  return {Kind::Separator, nullptr, item, name, nullptr, nullptr, nullptr, Enabled};
}

}  // namespace vantel::menu
