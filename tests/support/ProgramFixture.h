#pragma once
// A fresh program with a scripted platform for every test, its windows named
// as the program names them.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "forms/Program.h"
#include "shell/WindowNames.h"
#include "support/ScriptedPlatform.h"

namespace vantel::test {

class ProgramTest : public ::testing::Test {
 protected:
  ScriptedPlatform platform;
  Program program{platform};

  ProgramTest() { nameWindows(program); }

  // Shows the form as the active window, so that focus moves as for a user.
  // (Inside a test, the control flag helper is then spelled vantel::shown(w).)
  template <class F>
  F& shown() {
    F& f = program.form<F>();
    f.show();
    f.activateWindow();
    [[maybe_unused]] bool active = QTest::qWaitForWindowActive(&f);
    return f;
  }
};

}  // namespace vantel::test
