// Opening, closing, hiding and ending, for child windows of the main window and
// for the top-level About dialog.
#include <QApplication>

#include "census/FormCBYC.h"
#include "shell/ShellFixture.h"

namespace vantel::test {
namespace {

bool anyWindowShown() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->isVisible()) return true;
  return false;
}

TEST_F(ShellTest, MainWindowOpensGettingStartedAsItsOnlyChild) {
  MDIMain& main = openMain();
  EXPECT_EQ(main.windowTitle(), "Tamsford Genealogy Calculator");
  EXPECT_FALSE(main.windowIcon().isNull());
  ASSERT_EQ(main.host().children().size(), 1);
  FormBegin* begin = program.existing<FormBegin>();
  ASSERT_NE(begin, nullptr);
  EXPECT_EQ(main.host().children().front(), begin);
  EXPECT_EQ(begin->windowTitle(), "Getting Started");
  EXPECT_EQ(begin->size(), QSize(708, 467));
  // A child window inside the main window's area, not a window of its own.
  EXPECT_TRUE(main.area()->isAncestorOf(begin));
  EXPECT_EQ(main.host().activeChild(), begin);
  // The client area below the menu bar is at least 715 x 515 and holds the page.
  EXPECT_GE(main.area()->width(), 715);
  EXPECT_GE(main.area()->height(), 515);
  EXPECT_TRUE(main.area()->viewport()->rect().contains(begin->parentWidget()->geometry()));
}

TEST_F(ShellTest, OpeningAnOpenCalculatorAgainBringsTheSameWindowWithItsEntries) {
  MDIMain& main = openMain();
  CalcA& a = program.open<CalcA>(true);
  a.entry->setText("1837");
  program.open<CalcB>(true);
  ASSERT_EQ(main.host().activeChild(), program.existing<CalcB>());

  CalcA& again = program.open<CalcA>(true);
  EXPECT_EQ(&again, &a);
  EXPECT_EQ(again.entry->text(), "1837");
  EXPECT_EQ(program.state<ChildCounts<1>>().loads, 1);
  EXPECT_EQ(main.host().activeChild(), &a);
  EXPECT_EQ(main.area()->subWindowList().size(), 3);  // Getting Started, A and B
}

TEST_F(ShellTest, OpenMenuOpensTheCensusCalculatorOnceAsTheActiveChild) {
  MDIMain& main = openMain();
  main.MnuCalc->trigger();
  FormCBYC* census = program.existing<FormCBYC>();
  ASSERT_NE(census, nullptr);
  EXPECT_TRUE(main.area()->isAncestorOf(census));
  EXPECT_EQ(main.host().activeChild(), census);
  EXPECT_EQ(main.menuBar()->actions().front(), census->mnuOpen->menuAction());

  program.show(*program.existing<FormBegin>(), true);
  main.MnuCalc->trigger();
  EXPECT_EQ(program.existing<FormCBYC>(), census);
  EXPECT_EQ(main.host().activeChild(), census);
  EXPECT_EQ(main.host().children().size(), 2);
}

TEST_F(ShellTest, ClosingAFormDiscardsItAndOpeningItAgainRunsItsLoadHandler) {
  MDIMain& main = openMain();
  struct Case {
    const char* how;
    std::function<void(CalcA&)> close;
  };
  const Case cases[] = {
      {"program closes it", [this](CalcA& a) { program.close(a); }},
      {"window's close box", [](CalcA& a) { a.parentWidget()->close(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.how);
    auto& counts = program.state<ChildCounts<1>>();
    CalcA& a = program.open<CalcA>(true);
    const int loads = counts.loads;
    const int unloads = counts.unloads;
    a.entry->setText("typed");
    QPointer<CalcA> first = &a;
    c.close(a);
    settle();
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(program.existing<CalcA>(), nullptr);
    EXPECT_EQ(counts.unloads, unloads + 1);
    EXPECT_EQ(main.area()->subWindowList().size(), 1);

    CalcA& fresh = program.open<CalcA>(true);
    EXPECT_EQ(counts.loads, loads + 1);
    EXPECT_EQ(fresh.entry->text(), "");
    program.close(fresh);
    settle();
  }
}

TEST_F(ShellTest, HidingKeepsTheFormAndItsStateUntilItIsShownAgain) {
  MDIMain& main = openMain();
  FormBegin* begin = program.existing<FormBegin>();
  CalcA& a = program.open<CalcA>(true);
  a.entry->setText("kept");

  program.hide(a);
  EXPECT_FALSE(vantel::shown(&a));
  EXPECT_EQ(program.existing<CalcA>(), &a);
  EXPECT_EQ(main.host().activeChild(), begin);

  // The Getting Started page hides itself with its Close item; nothing is left
  // shown, so the main window's own menus return.
  begin->mnuclose->trigger();
  EXPECT_FALSE(vantel::shown(begin));
  EXPECT_EQ(main.host().activeChild(), nullptr);
  EXPECT_EQ(barMenus(main).front(), "Mnuopen");

  main.mnuStart->trigger();
  EXPECT_EQ(program.existing<FormBegin>(), begin);
  EXPECT_TRUE(vantel::shown(begin));
  program.open<CalcA>(true);
  EXPECT_EQ(a.entry->text(), "kept");
  EXPECT_EQ(program.state<ChildCounts<1>>().loads, 1);
}

TEST_F(ShellTest, AboutDialogIsATopLevelWindowOpenedModeless) {
  MDIMain& main = openMain();
  main.mnuAbout->trigger();
  frmAbout* about = program.existing<frmAbout>();
  ASSERT_NE(about, nullptr);
  EXPECT_TRUE(about->isWindow());
  EXPECT_FALSE(main.isAncestorOf(about));
  EXPECT_TRUE(about->isVisible());
  EXPECT_FALSE(about->isModal());
  EXPECT_EQ(about->windowTitle(), "Tamsford Genealogy Calculator");
  EXPECT_EQ(main.host().children().size(), 1);

  // Its close box unloads it: the next opening creates it afresh.
  QPointer<frmAbout> first = about;
  about->close();
  settle();
  EXPECT_TRUE(first.isNull());
  EXPECT_EQ(program.existing<frmAbout>(), nullptr);
}

struct MainClose {
  const char* name;
  std::function<void(MDIMain&)> close;
};

void PrintTo(const MainClose& c, std::ostream* os) { *os << c.name; }

class ClosingTheMainWindow : public ShellTest, public ::testing::WithParamInterface<MainClose> {};

TEST_P(ClosingTheMainWindow, ClosesChildrenAndAboutThenEndsTheProgram) {
  int ended = 0;
  program.onEnd([&] { ++ended; });
  MDIMain& main = openMain();
  program.open<CalcA>(true);
  main.mnuAbout->trigger();
  ASSERT_NE(program.existing<frmAbout>(), nullptr);

  GetParam().close(main);
  settle();
  EXPECT_EQ(ended, 1);
  EXPECT_EQ(program.state<ChildCounts<1>>().unloads, 1);  // the child's unload handler ran
  EXPECT_TRUE(program.forms().empty());
  EXPECT_FALSE(anyWindowShown());
}

INSTANTIATE_TEST_SUITE_P(
    Ways, ClosingTheMainWindow,
    ::testing::Values(MainClose{"ExitItem", [](MDIMain& m) { m.MnuExit->trigger(); }},
                      MainClose{"CloseBox", [](MDIMain& m) { m.close(); }}),
    [](const ::testing::TestParamInfo<MainClose>& info) { return std::string(info.param.name); });

TEST_F(ShellTest, EndingTheProgramClosesEveryWindowWithoutUnloadHandlers) {
  MDIMain& main = openMain();
  int ended = 0;
  program.onEnd([&] { ++ended; });
  program.open<CalcA>(true);
  main.mnuAbout->trigger();

  program.existing<FormBegin>()->mnuexit->trigger();
  settle();
  EXPECT_EQ(ended, 1);
  EXPECT_EQ(program.state<ChildCounts<1>>().unloads, 0);
  EXPECT_TRUE(program.forms().empty());
  EXPECT_FALSE(anyWindowShown());
}

}  // namespace
}  // namespace vantel::test
