#pragma once
// A fresh program for the shell's tests, with child forms of its own that
// stand for the calculators: each counts its loads and unloads, keeps an entry
// the user types into, and has a menu bar with a Window menu.

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTextBlock>

#include "forms/Controls.h"
#include "shell/FormBegin.h"
#include "shell/MDIMain.h"
#include "shell/MdiHost.h"
#include "shell/frmAbout.h"
#include "support/ProgramFixture.h"

namespace vantel::test {

template <int Id>
struct ChildCounts {
  int loads = 0;
  int unloads = 0;
};

template <int Id>
class ChildForm : public Form {
 public:
  explicit ChildForm(Program& program)
      : Form(program, QStringLiteral("Child%1").arg(Id), QStringLiteral("Calculator %1").arg(Id)) {
    setFixedSize(300, 200);
    entry = add<TextBox>("txtEntry", nullptr);
    entry->setGeometry(10, 10, 120, 22);
    using namespace menu;
    buildMenus<ChildForm>({
        bar(&ChildForm::mnuOpen, "mnuOpen", Id == 1 ? "&Open 1" : "&Open 2"),
        item(&ChildForm::mnuItem, "mnuItem", "&Item", nullptr, inert),
        windows(&ChildForm::mnuWindow, "mnuWindow", "&Window"),
    });
  }
  void load() override { ++program().template state<ChildCounts<Id>>().loads; }
  void unload() override { ++program().template state<ChildCounts<Id>>().unloads; }

  TextBox* entry;
  QMenu* mnuOpen = nullptr;
  QAction* mnuItem = nullptr;
  QMenu* mnuWindow = nullptr;
};

using CalcA = ChildForm<1>;
using CalcB = ChildForm<2>;

class ShellTest : public ProgramTest {
 protected:
  // Opens the main window as the splash does, and waits until it is on screen.
  MDIMain& openMain() {
    MDIMain& main = program.open<MDIMain>();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&main));
    return main;
  }
  // The captions of the menus the main window's menu bar shows now.
  static QStringList barMenus(const MDIMain& main) {
    QStringList names;
    for (QAction* a : main.menuBar()->actions()) names << a->objectName();
    return names;
  }
  // Forms closed or ended are deleted once control is back in the event loop.
  static void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
  }
  // The lines of a text box that are cut off: wider or lower than the box
  // shows them (a trailing blank may run past the edge, an empty line below
  // the bottom, unseen).
  static QStringList cutOffLines(const MultiLineText* box) {
    QStringList cut;
    const QRect view = box->viewport()->rect();
    for (QTextBlock line = box->document()->begin(); line.isValid(); line = line.next()) {
      QTextCursor end(line);
      end.movePosition(QTextCursor::EndOfBlock);
      while (end.position() > line.position() &&
             box->document()->characterAt(end.position() - 1) == ' ')
        end.movePosition(QTextCursor::PreviousCharacter);
      const QRect at = box->cursorRect(end);
      if (!line.text().isEmpty() && (at.left() > view.right() || at.bottom() > view.bottom()))
        cut << line.text();
    }
    return cut;
  }
  // Opens the menu as a click on it would, so its list is rebuilt.
  static QStringList openMenu(QMenu* menu) {
    emit menu->aboutToShow();
    QStringList items;
    for (QAction* a : menu->actions()) items << (a->isChecked() ? "* " : "  ") + a->text();
    return items;
  }
};

}  // namespace vantel::test
