// The calculator inside the main window: its Ctrl shortcuts, its Window menu,
// and the ways it closes.
#include "bad/FormBAD.h"
#include "census/FormCBYC.h"
#include "census/FormCenInfo.h"
#include "dow/DowFixture.h"
#include "shell/ShellFixture.h"

namespace vantel::test {
namespace {

class DowInMain : public ShellTest {
 protected:
  MDIMain& main = openMain();
  FormDOW& form = program.open<FormDOW>(true);

  // A weekday shown, the main window active and the focus on a button, where
  // no text box takes the Ctrl key for its own editing.
  void calculateAndActivate() {
    main.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&main));
    enterDate(form, "July", "4", "1776");
  }
  // The active child window; none once the program has ended.
  Form* active() const { return program.existing<MDIMain>() ? main.host().activeChild() : nullptr; }
};

struct Shortcut {
  const char* name;
  Qt::Key key;
  const char* active;   // the active child afterwards
  const char* weekday;  // TxtDay afterwards, "(closed)" when the form is gone
  int prints;           // pages printed ("Add Note?" answered No)
  bool ended;           // no form is left
};
void PrintTo(const Shortcut& s, std::ostream* os) { *os << s.name; }

class DowShortcuts : public DowInMain, public ::testing::WithParamInterface<Shortcut> {};

TEST_P(DowShortcuts, PressedOnTheActiveCalculator) {
  const Shortcut& s = GetParam();
  calculateAndActivate();
  platform.clear();
  QTest::keyClick(QApplication::focusWidget(), s.key, Qt::ControlModifier);
  settle();
  FormDOW* dow = program.existing<FormDOW>();
  EXPECT_EQ(active() ? active()->objectName() : "(none)", s.active);
  EXPECT_EQ(dow ? dow->TxtDay->text() : "(closed)", s.weekday);
  EXPECT_EQ(platform.prints().size(), s.prints);
  EXPECT_EQ(platform.messages().size(), s.prints);
  EXPECT_EQ(program.forms().empty(), s.ended);
  if (dow) {
    EXPECT_TRUE(dow->mnuDOW->isChecked());
  }
  EXPECT_EQ(program.existing<FormCenInfo>(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    DowInMain, DowShortcuts,
    ::testing::Values(Shortcut{"CtrlG_GettingStarted", Qt::Key_G, "FormBegin", "Thursday", 0,
                               false},
                      Shortcut{"CtrlA_BirthAgeDeath", Qt::Key_A, "FormBAD", "Thursday", 0, false},
                      Shortcut{"CtrlC_Census", Qt::Key_C, "FormCBYC", "Thursday", 0, false},
                      Shortcut{"CtrlD_ThisCalculator", Qt::Key_D, "FormDOW", "Thursday", 0, false},
                      Shortcut{"CtrlP_Prints", Qt::Key_P, "FormDOW", "Thursday", 1, false},
                      Shortcut{"CtrlR_Resets", Qt::Key_R, "FormDOW", "", 0, false},
                      Shortcut{"CtrlL_Closes", Qt::Key_L, "FormBegin", "(closed)", 0, false},
                      Shortcut{"CtrlX_Ends", Qt::Key_X, "(none)", "(closed)", 0, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DowInMain, WindowMenuListsTheChildrenAndHelpOpensAbout) {
  EXPECT_EQ(openMenu(form.mnuWindow),
            QStringList({"  &1 Getting Started", "* &2 Day of the Week Calculator"}));
  form.mnuWindow->actions().at(0)->trigger();
  EXPECT_EQ(active(), program.existing<FormBegin>());

  form.mnuAbout->trigger();
  ASSERT_NE(program.existing<frmAbout>(), nullptr);
  EXPECT_TRUE(program.existing<frmAbout>()->isVisible());
}

// "E&xit Form" closes this calculator and hides the Census Information window,
// whether or not that window was open; creating it does not show it.
TEST_F(DowTest, ExitFormClosesItAndHidesTheCensusInformation) {
  for (const bool infoOpen : {false, true}) {
    SCOPED_TRACE(infoOpen ? "Census Information open" : "Census Information never opened");
    FormDOW& dow = shown<FormDOW>();
    if (infoOpen) program.open<FormCenInfo>();
    QTest::mouseClick(dow.cmdExit, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(program.existing<FormDOW>(), nullptr);
    FormCenInfo* info = program.existing<FormCenInfo>();
    EXPECT_NE(info, nullptr);
    EXPECT_TRUE(info && info->isHidden());
    if (info) program.close(*info);
  }
}

}  // namespace
}  // namespace vantel::test
