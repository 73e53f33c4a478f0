// The main window's menu bar, and the child's menu bar that takes its place
// while the child is active.
#include "shell/ShellFixture.h"

namespace vantel::test {
namespace {

struct Row {
  QString name;
  QString caption;  // "-" for a separator
  bool enabled;
  int level;  // 0 a menu of the bar, 1 an item of the menu above
  bool operator==(const Row&) const = default;
};

void PrintTo(const Row& r, std::ostream* os) {
  *os << std::string(r.level * 2, ' ') << r.name.toStdString() << " \"" << r.caption.toStdString()
      << "\" " << (r.enabled ? "enabled" : "disabled");
}

std::vector<Row> rowsOf(const QMenuBar* bar) {
  std::vector<Row> rows;
  for (QAction* top : bar->actions()) {
    rows.push_back({top->objectName(), top->text(), top->isEnabled(), 0});
    for (QAction* item : top->menu()->actions())
      rows.push_back(
          {item->objectName(), item->isSeparator() ? "-" : item->text(), item->isEnabled(), 1});
  }
  return rows;
}

TEST_F(ShellTest, MainMenuBarWithNoChildOpenIsExactlyTheTable) {
  MDIMain& main = openMain();
  program.close(*program.existing<FormBegin>());
  settle();

  const std::vector<Row> expected = {
      {"Mnuopen", "&Open", true, 0},
      {"mnuStart", "&Getting Started", true, 1},
      {"mnuline1", "-", true, 1},
      {"MnuAge", "&Age-Birth-Death date calculator", true, 1},
      {"MnuCalc", "&Census birth Year calculator", true, 1},
      {"mnudow", "&Day of the week caluculator", true, 1},
      {"MnuLine2", "-", true, 1},
      {"mnuPrint", "&Print Form", false, 1},
      {"mnuline3", "-", true, 1},
      {"mnuClose", "&Close", false, 1},
      {"mnuline", "-", true, 1},
      {"MnuExit", "E&xit", true, 1},
      {"MnuEdit", "&Edit", false, 0},
      {"MnuView", "&View", false, 0},
      {"MnuWindow", "&Window", false, 0},
      {"mnuCass", "&Casscade", true, 1},
      {"mnuTile", "&Tile", true, 1},
      {"mnuArangIc", "&Arragne Icons", true, 1},
      {"mnuHelp", "&Help", true, 0},
      {"mnuAbout", "&About Tamsford Genealogy Calculator", true, 1},
  };
  EXPECT_EQ(rowsOf(main.menuBar()), expected);
  for (QAction* top : main.menuBar()->actions())
    for (QAction* item : top->menu()->actions()) EXPECT_TRUE(item->shortcut().isEmpty());
}

TEST_F(ShellTest, ActiveChildsMenusTakeThePlaceOfTheMainMenus) {
  MDIMain& main = openMain();
  FormBegin* begin = program.existing<FormBegin>();
  const QStringList mainMenus = {"Mnuopen", "MnuEdit", "MnuView", "MnuWindow", "mnuHelp"};
  const QStringList beginMenus = {"mnuOpen", "mnuedit", "mnuview", "mnuwindow", "mnuhelp"};
  const QStringList calcMenus = {"mnuOpen", "mnuWindow"};

  EXPECT_EQ(barMenus(main), beginMenus);
  CalcA& a = program.open<CalcA>(true);
  EXPECT_EQ(barMenus(main), calcMenus);
  EXPECT_EQ(main.menuBar()->actions().front(), a.mnuOpen->menuAction());

  program.show(*begin, true);
  EXPECT_EQ(barMenus(main), beginMenus);

  program.close(a);
  program.close(*begin);
  settle();
  EXPECT_EQ(barMenus(main), mainMenus);

  // The main window's menus keep their items after being taken off the bar.
  program.open<FormBegin>();
  EXPECT_EQ(barMenus(main), beginMenus);
  program.close(*program.existing<FormBegin>());
  settle();
  EXPECT_EQ(main.Mnuopen->actions().size(), 11);
}

TEST_F(ShellTest, WindowMenuListsShownChildrenMarksTheActiveOneAndActivatesTheChosen) {
  MDIMain& main = openMain();
  FormBegin* begin = program.existing<FormBegin>();
  CalcA& a = program.open<CalcA>(true);
  CalcB& b = program.open<CalcB>(true);

  EXPECT_EQ(openMenu(b.mnuWindow),
            QStringList({"  &1 Getting Started", "  &2 Calculator 1", "* &3 Calculator 2"}));

  // Choosing an entry activates that window, whose menus then show.
  b.mnuWindow->actions().at(0)->trigger();
  EXPECT_EQ(main.host().activeChild(), begin);
  EXPECT_EQ(barMenus(main).front(), "mnuOpen");
  EXPECT_EQ(main.menuBar()->actions().front(), begin->mnuOpen->menuAction());

  // A hidden window is not listed; a closed one neither.
  begin->mnuclose->trigger();
  program.close(b);
  settle();
  EXPECT_EQ(openMenu(a.mnuWindow), QStringList({"* &1 Calculator 1"}));

  // The Getting Started page lists the same windows in its own Window menu.
  program.open<FormBegin>(true);
  EXPECT_EQ(openMenu(begin->mnuwindow), QStringList({"* &1 Getting Started", "  &2 Calculator 1"}));
}

TEST_F(ShellTest, GettingStartedMenuBarLeadsToTheOtherWindows) {
  MDIMain& main = openMain();
  FormBegin* begin = program.existing<FormBegin>();
  EXPECT_TRUE(begin->mnuStart->isChecked());
  EXPECT_FALSE(begin->mnuprint->isEnabled());
  EXPECT_FALSE(begin->mnuedit->menuAction()->isEnabled());
  EXPECT_FALSE(begin->mnuview->menuAction()->isEnabled());
  EXPECT_TRUE(begin->mnuwindow->menuAction()->isEnabled());
  begin->mnuAbout->trigger();
  EXPECT_NE(program.existing<frmAbout>(), nullptr);
  EXPECT_EQ(main.host().children().size(), 1);
}

}  // namespace
}  // namespace vantel::test
