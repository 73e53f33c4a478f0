// The Birth-Age-Death form among the main window's other windows: its menus
// open them, its Window menu lists them, and its three close commands close
// this form only.

#include "bad/BadVariables.h"
#include "bad/FormBAD.h"
#include "census/FormCBYC.h"
#include "dow/FormDOW.h"
#include "shell/ShellFixture.h"

namespace vantel::test {
namespace {

TEST_F(ShellTest, BadMenusOpenTheOtherWindowsInFront) {
  MDIMain& main = openMain();
  struct Row {
    const char* name;
    QAction* FormBAD::*item;
    std::function<Form*()> opened;
  };
  const Row rows[] = {
      {"mnuStart", &FormBAD::mnuStart, [&] { return program.existing<FormBegin>(); }},
      {"mnuCBYC2", &FormBAD::mnuCBYC2, [&] { return program.existing<FormCBYC>(); }},
      {"mnuDOW", &FormBAD::mnuDOW, [&] { return program.existing<FormDOW>(); }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    FormBAD& bad = program.open<FormBAD>(true);
    EXPECT_EQ(main.host().activeChild(), &bad);
    (bad.*row.item)->trigger();
    EXPECT_NE(row.opened(), nullptr);
    EXPECT_EQ(main.host().activeChild(), row.opened());
    EXPECT_EQ(program.existing<FormBAD>(), &bad);  // still open behind it
  }

  FormBAD& bad = program.open<FormBAD>(true);
  bad.mnuAbout->trigger();
  auto* about = program.existing<frmAbout>();
  ASSERT_NE(about, nullptr);
  EXPECT_TRUE(about->isWindow());
  EXPECT_TRUE(vantel::shown(about));

  // This form's own item carries its check mark and does nothing.
  const auto before = program.forms().size();
  EXPECT_TRUE(bad.mnuCBYC->isChecked());
  EXPECT_TRUE(Form::isInert(bad.mnuCBYC));
  bad.mnuCBYC->trigger();
  EXPECT_EQ(program.forms().size(), before);
  EXPECT_TRUE(bad.mnuCBYC->isChecked());
}

TEST_F(ShellTest, BadWindowMenuListsTheChildrenAndActivatesTheChosenOne) {
  MDIMain& main = openMain();
  program.open<FormDOW>(true);
  FormBAD& bad = program.open<FormBAD>(true);
  EXPECT_EQ(openMenu(bad.mnuWindow),
            QStringList({"  &1 Getting Started", "  &2 Day of the Week Calculator",
                         "* &3 Birth - Age - Death Date Calculator"}));
  bad.mnuWindow->actions().at(1)->trigger();
  EXPECT_EQ(main.host().activeChild(), program.existing<FormDOW>());

  // Going back to a window by its Window entry, its shortcut or the Open menu
  // keeps its entries and its focus, also after the focus went once round it;
  // a minimised one stays listed and comes back restored.
  FormDOW& dow = *program.existing<FormDOW>();
  for (int tab = 0; tab < 12 && (tab == 0 || QApplication::focusWidget() != dow.CmbMth); ++tab)
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  QTest::keyClicks(QApplication::focusWidget(), "July");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  const std::function<void()> ways[] = {
      [&] {
        openMenu(bad.mnuWindow);
        bad.mnuWindow->actions().at(1)->trigger();
      },
      [&] { bad.mnuDOW->trigger(); },
      [&] {
        auto* sub = qobject_cast<QMdiSubWindow*>(dow.parentWidget());
        sub->showMinimized();
        EXPECT_TRUE(openMenu(bad.mnuWindow).value(1).endsWith("&2 Day of the Week Calculator"));
        bad.mnuWindow->actions().at(1)->trigger();
        EXPECT_FALSE(sub->isMinimized());
      },
  };
  for (const auto& goBack : ways) {
    program.open<FormBAD>(true);
    openMenu(bad.mnuWindow);
    EXPECT_FALSE(bad.mnuWindow->actions().at(1)->isCheckable());  // no empty check box
    goBack();
    EXPECT_EQ(main.host().activeChild(), &dow);
    EXPECT_EQ(dow.CmbMth->text(), "July");
    EXPECT_EQ(QApplication::focusWidget(), dow.CmbDay);
    // The month the window's first focus passed through is not left selected.
    EXPECT_FALSE(dow.CmbMth->lineEdit()->hasSelectedText());
  }
}

TEST_F(ShellTest, BadCloseCommandsCloseThisFormOnly) {
  MDIMain& main = openMain();
  const std::pair<const char*, std::function<void(FormBAD&)>> commands[] = {
      {"cmdExit", [](FormBAD& f) { QTest::mouseClick(f.cmdExit, Qt::LeftButton); }},
      {"mnuClose", [](FormBAD& f) { f.mnuClose->trigger(); }},
      {"mnuExit", [](FormBAD& f) { f.mnuExit->trigger(); }},
  };
  for (const auto& [name, command] : commands) {
    SCOPED_TRACE(name);
    program.open<FormDOW>(true);
    FormBAD& bad = program.open<FormBAD>(true);
    bad.txtBYear->setText("1850");
    program.state<BadVariables>().BadResultShown = 1;
    command(bad);
    settle();
    EXPECT_EQ(program.existing<FormBAD>(), nullptr);
    EXPECT_TRUE(main.isVisible());
    EXPECT_NE(program.existing<FormDOW>(), nullptr);
    EXPECT_NE(program.existing<FormBegin>(), nullptr);
    EXPECT_EQ(program.state<BadVariables>().BadResultShown, 1);
    // Opened again, it starts from its load state.
    EXPECT_EQ(program.open<FormBAD>(true).txtBYear->text(), "");
  }
}

}  // namespace
}  // namespace vantel::test
