#pragma once
// Hosts the program's child forms inside the main window's multiple-document
// area, and keeps the main window's menu bar showing the menus of the active
// child (or the main window's own menus when no child is active).
//
// The main window, the splash and the About dialog stay top-level windows.
// Closing a child with its window's close box unloads it as its own Close item
// does, so opening it again starts from its load state.

#include <QList>
#include <QObject>
#include <QRect>

#include "forms/Program.h"

class QMdiArea;
class QMdiSubWindow;
class QMenuBar;

namespace vantel {

class MdiHost : public QObject, public WindowHost {
  Q_OBJECT
 public:
  MdiHost(Program& program, Form& main, QMdiArea* area, QMenuBar* bar);

  void show(Form& form, bool front) override;
  void hide(Form& form) override;
  void discard(Form& form) override;
  void listWindows(QMenu* menu) override;

  // The child forms, shown or hidden, in the order they were first opened.
  QList<Form*> children() const;
  // The child whose menus the main window shows, or nullptr.
  Form* activeChild() const;
  // Makes the child the active one.
  void activate(Form& child);
  // The smallest area that holds every shown child window with its frame.
  QRect childrenBounds() const;
  // Unloads every child form (each runs its unload handler).
  void closeChildren();
  // Shows the menus of the active child, or the main window's.
  void refreshMenus();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool isChild(const Form& form) const;
  QMdiSubWindow* windowOf(const Form& form) const;
  // Makes the main window large enough for every shown child window.
  void growToFit();
  // Activates another shown child when the active one is hidden or closed.
  void handOnActivation(QMdiSubWindow* leaving);

  Program& program_;
  Form& main_;
  QMdiArea* area_;
  QMenuBar* bar_;
};

}  // namespace vantel
