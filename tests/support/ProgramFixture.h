#pragma once
// A fresh program with a scripted platform for every test, its windows named
// as the program names them, and the mouse click the tests drive controls with.

#include <gtest/gtest.h>

#include <QApplication>
#include <QRadioButton>
#include <QTest>

#include "forms/Program.h"
#include "shell/WindowNames.h"
#include "support/QStringPrinting.h"
#include "support/ScriptedPlatform.h"

namespace vantel::test {

class ProgramTest : public ::testing::Test {
 public:
  ScriptedPlatform platform;
  Program program{platform};

  ProgramTest() { nameWindows(program); }

  // Shows the form as the active window, so that focus moves, keys and clicks
  // reach it as for a user; a window that never becomes active fails the test.
  // (Inside a test, the control flag helper is then spelled vantel::shown(w).)
  template <class F>
  F& shown() {
    F& f = program.form<F>();
    f.show();
    f.activateWindow();
    if (!QTest::qWaitForWindowActive(&f))
      ADD_FAILURE() << f.objectName().toStdString() << " never became the active window";
    return f;
  }
};

// A click of the mouse in the middle of a control, or on an option's circle.
inline void click(QWidget* w) {
  const bool option = qobject_cast<QRadioButton*>(w);
  QTest::mouseClick(w, Qt::LeftButton, {},
                    option ? QPoint(8, w->height() / 2) : w->rect().center());
}

}  // namespace vantel::test
