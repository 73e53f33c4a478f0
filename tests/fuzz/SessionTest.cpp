// The fuzzer against the real program: its steps must reach the windows
// through real events, and its checks must see what the program shows.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>

#include "forms/Program.h"
#include "fuzz/Player.h"
#include "fuzz/Session.h"

namespace vantel::fuzz {
namespace {

TEST(FuzzSession, ADateEnteredThroughEventsGivesAWeekdayTheOracleChecks) {
  Session session;
  const Actions steps = fromText(
      "menu\t\tmnuOpen/mnuDOW\t0\n"
      "pick\tFormDOW/CmbMth\t3\t0\n"  // April
      "pick\tFormDOW/CmbDay\t9\t0\n"  // 10
      "retype\tFormDOW/txtYear\t1900\t0\n"
      "click\tFormDOW/CmdDOWgo\t\t0\n");
  ASSERT_EQ(steps.size(), 5);
  for (const Action& a : steps) {
    SCOPED_TRACE(toLine(a).toStdString());
    for (const Finding& f : session.play(a)) ADD_FAILURE() << f.detail.toStdString();
  }
  EXPECT_EQ(session.oracles().counts().weekdays, 1);
  Form* dow = nullptr;
  for (Form* f : session.program().forms())
    if (f->objectName() == QLatin1String("FormDOW")) dow = f;
  ASSERT_NE(dow, nullptr);
  EXPECT_EQ(dow->findChild<QLineEdit*>("TxtDay")->text(), "Tuesday");
}

// Picks as a user makes them; the box named last shows the item then, or its
// window is gone (-1).
struct PickCase {
  const char* name;
  const char* steps;
  int shown;
};

class FuzzPicks : public testing::TestWithParam<PickCase> {};

TEST_P(FuzzPicks, LandWhereAUsersClickWould) {
  Session session;
  for (const Action& a : fromText(QString::fromUtf8(GetParam().steps))) {
    SCOPED_TRACE(toLine(a).toStdString());
    for (const Finding& f : session.play(a)) ADD_FAILURE() << f.detail.toStdString();
  }
  const QStringList last =
      QString::fromUtf8(GetParam().steps).trimmed().split('\n').last().split('\t');
  const QStringList target = last[1].split('/');
  QComboBox* box = nullptr;
  for (Form* f : session.program().forms())
    if (f->objectName() == target[0] && f->isVisible()) box = f->findChild<QComboBox*>(target[1]);
  EXPECT_EQ(box ? box->currentIndex() : -1, GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Lists, FuzzPicks,
                         testing::Values(
                             // A narrow box's list is narrower than its items, which the style
                             // sizes as menu items: the click lands on what shows of the item.
                             PickCase{"NarrowList",
                                      "menu\t\tmnuOpen/mnuBAD\t0\nclick\tFormBAD/OptBirth\t\t0\n"
                                      "pick\tFormBAD/cmbADay\t7\t0\n",
                                      7},
                             // With the Open menu dropped down, the click on the box chooses the
                             // menu item over it instead ("Close"): the form and its box are gone.
                             PickCase{"UnderADroppedDownMenu",
                                      "menu\t\tmnuOpen/mnuBAD\t0\nclick\tFormBAD/OptAge\t\t0\n"
                                      "key\t\tAlt+O\t0\npick\tFormBAD/cmbBMonth\t0\t0\n",
                                      -1}),
                         [](const testing::TestParamInfo<PickCase>& info) {
                           return std::string(info.param.name);
                         });

TEST(FuzzSession, PlatformFindsBoxesWithoutTextAndImpossibleStyles) {
  FuzzPlatform p;
  p.msgBox("Please select a Month", "Missing Month Field!", msg::Information);
  p.msgBox("Add a name?", "Print", msg::YesNo);
  EXPECT_TRUE(p.takeFindings().isEmpty());
  p.msgBox("", "Title", msg::OkOnly);
  p.msgBox("Prompt", " ", msg::OkOnly);
  p.inputBox("Name?", "");
  p.msgBox("Prompt", "Title", 32);                 // no such icon
  p.msgBox("Prompt", "Title", msg::Critical + 3);  // no such buttons
  EXPECT_EQ(p.takeFindings().size(), 5);
}

TEST(FuzzSession, EveryCalculatorIsFoundThroughTheMenus) {
  QStringList opened;
  for (const auto& [form, steps] : learnOpeningPaths()) opened << form;
  for (const char* form : {"FormBAD", "FormCBYC", "FormDOW", "frmAbout"})
    EXPECT_TRUE(opened.contains(QLatin1String(form))) << form;
}

}  // namespace
}  // namespace vantel::fuzz
