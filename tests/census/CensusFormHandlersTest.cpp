// The Census form in use: the census boxes and their frames, the gender
// buttons, the reset from every state, the menus and their shortcuts, and a
// user's whole visit through real clicks and keys.

#include <QMdiArea>
#include <QSignalBlocker>

#include "CensusFixture.h"
#include "CensusFormDriver.h"
#include "bad/FormBAD.h"
#include "census/FormCenInfo.h"
#include "dow/FormDOW.h"
#include "shell/FormBegin.h"
#include "shell/MDIMain.h"
#include "shell/MdiHost.h"
#include "shell/frmAbout.h"

namespace vantel::test {
namespace {

const QString kChooseGender =
    QStringLiteral("Select the gender of your ancestor from the 1790 Census.");
const QString kChooseRange = QStringLiteral(
    "Select the age range in which your ancestor appears, then select the calculate button.");
const QString kAllFemales =
    QStringLiteral("In the 1890 census all females appear in the same age range.");

// Each census box: ticking shows its frame (1790: the gender buttons only),
// unticking hides the frame and clears its range, ticking again shows no range.
struct BoxCase {
  int census;
  const char* frame;
  const char* range;
};
void PrintTo(const BoxCase& c, std::ostream* out) { *out << c.census; }

class CensusBoxes : public CensusTest, public ::testing::WithParamInterface<BoxCase> {};

TEST_P(CensusBoxes, TickShowsTheFrameUntickClearsIt) {
  const BoxCase& c = GetParam();
  FormCBYC& f = program.form<FormCBYC>();
  QCheckBox* box = f.censusBoxes()[census::censusIndex(c.census)];
  auto* frame = f.findChild<QGroupBox*>(QLatin1String(c.frame));
  QRadioButton* range = f.option(QLatin1String(c.range));
  // Another ticked census keeps the form from resetting when this box is unticked.
  (c.census == 1840 ? f.Chk1800 : f.Chk1840)->click();

  box->click();
  EXPECT_EQ(f.LblYourYears->text(), c.census == 1790 ? kChooseGender : kChooseRange);
  EXPECT_EQ(vantel::shown(f.CmdMaleA), c.census == 1790);
  EXPECT_EQ(vantel::shown(f.CmdFemaleA), c.census == 1790);
  if (c.census == 1790) {
    EXPECT_FALSE(vantel::shown(f.Frame1790M));
    EXPECT_FALSE(vantel::shown(f.Frame1790F));
    f.CmdMaleA->click();
  }
  EXPECT_TRUE(vantel::shown(frame));
  range->click();

  box->click();
  EXPECT_FALSE(vantel::shown(frame));
  EXPECT_FALSE(range->isChecked());
  EXPECT_FALSE(vantel::shown(f.CmdMaleA));
  EXPECT_TRUE(f.mnuEdit->menuAction()->isEnabled());  // the other census is still ticked

  box->click();
  if (c.census == 1790) {
    EXPECT_FALSE(vantel::shown(frame));  // the gender is chosen again
    f.CmdMaleA->click();
  }
  EXPECT_TRUE(vantel::shown(frame));
  EXPECT_FALSE(range->isChecked());
}

INSTANTIATE_TEST_SUITE_P(Censuses, CensusBoxes,
                         ::testing::Values(BoxCase{1790, "Frame1790M", "Opt1790M_2"},
                                           BoxCase{1800, "Frame1800", "Opt1800_5"},
                                           BoxCase{1810, "Frame1810", "Opt1810_1"},
                                           BoxCase{1820, "Frame1820", "Opt1820_3"},
                                           BoxCase{1830, "Frame1830", "Opt1830_13"},
                                           BoxCase{1840, "Frame1840", "Opt1840_1"}),
                         [](const auto& info) { return std::to_string(info.param.census); });

class CensusForm : public CensusTest {
 protected:
  FormCBYC& form = program.form<FormCBYC>();
};

TEST_F(CensusForm, SwitchingGenderClearsTheOtherGendersRange) {
  form.Chk1790->click();
  form.CmdMaleA->click();
  form.option("Opt1790M_1")->click();
  EXPECT_TRUE(vantel::shown(form.LbL1790M));
  EXPECT_TRUE(vantel::shown(form.CmdFemaleA));
  EXPECT_FALSE(vantel::shown(form.CmdMaleA));
  EXPECT_EQ(form.LblYourYears->text(), kChooseRange);

  form.CmdFemaleA->click();
  EXPECT_TRUE(vantel::shown(form.Frame1790F));
  EXPECT_FALSE(vantel::shown(form.Frame1790M));
  EXPECT_TRUE(form.option("Opt1790F_1")->isChecked());
  EXPECT_FALSE(form.option("Opt1790M_1")->isChecked());
  EXPECT_TRUE(vantel::shown(form.CmdMaleA));
  EXPECT_FALSE(vantel::shown(form.CmdFemaleA));
  EXPECT_EQ(form.LblYourYears->text(), kAllFemales);

  form.CmdMaleA->click();
  EXPECT_FALSE(form.option("Opt1790F_1")->isChecked());
  EXPECT_FALSE(form.option("Opt1790M_1")->isChecked());  // not restored
}

// ReseT from every state of the form, by the button, the menu item, or by
// unticking the last ticked census; several ticked boxes make the reset run
// again from inside itself when it unticks the last one.
struct ResetCase {
  const char* what;
  std::function<void(FormCBYC&)> state;
  std::function<void(FormCBYC&)> reset;
};
void PrintTo(const ResetCase& c, std::ostream* out) { *out << c.what; }

void byButton(FormCBYC& f) { f.CmdClear->click(); }
void byMenu(FormCBYC& f) { f.mnuResetForm->trigger(); }
void female1790(FormCBYC& f) {
  f.Chk1790->click();
  f.CmdFemaleA->click();
}
void result(FormCBYC& f) {
  female1790(f);
  f.Chk1810->click();
  f.option("Opt1810_4")->click();
  f.Chk1840->click();
  f.option("Opt1840_10")->click();
  f.CmdCalc->click();
}

class CensusReset : public CensusTest, public ::testing::WithParamInterface<ResetCase> {};

TEST_P(CensusReset, EndsInTheEmptyState) {
  FormCBYC& f = program.form<FormCBYC>();
  GetParam().state(f);
  GetParam().reset(f);
  expectEmptyState(f);
  f.CmdClear->click();  // a reset of the empty form changes nothing
  expectEmptyState(f);
}

INSTANTIATE_TEST_SUITE_P(
    States, CensusReset,
    ::testing::Values(
        ResetCase{"empty", [](FormCBYC&) {}, byButton},
        ResetCase{"1790 without gender", [](FormCBYC& f) { f.Chk1790->click(); }, byMenu},
        ResetCase{"1790 male with a range",
                  [](FormCBYC& f) {
                    f.Chk1790->click();
                    f.CmdMaleA->click();
                    f.option("Opt1790M_2")->click();
                  },
                  byButton},
        ResetCase{"1790 female", female1790, byMenu},
        ResetCase{"another census", [](FormCBYC& f) { f.Chk1820->click(); }, byButton},
        ResetCase{"result shown, three censuses ticked", result, byButton},
        ResetCase{"result shown, reset by the menu", result, byMenu},
        ResetCase{"refused request",
                  [](FormCBYC& f) {
                    f.Chk1800->click();
                    f.CmdCalc->click();
                  },
                  byMenu},
        ResetCase{"the last census unticked",
                  [](FormCBYC& f) {
                    f.Chk1830->click();
                    f.option("Opt1830_2")->click();
                    f.CmdCalc->click();
                  },
                  [](FormCBYC& f) { f.Chk1830->click(); }},
        ResetCase{"the last of two unticked",
                  [](FormCBYC& f) {
                    female1790(f);
                    f.Chk1800->click();
                    f.option("Opt1800_3")->click();
                    f.CmdCalc->click();
                  },
                  [](FormCBYC& f) {
                    f.Chk1800->click();
                    f.Chk1790->click();
                  }}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

// The menu items, each chosen by its Ctrl shortcut in the main window while
// the Census form is its active child.
struct ShortcutCase {
  const char* what;
  Qt::Key key;
  // The main window and the Census form, or nullptr once they are gone.
  std::function<void(CensusTest&, MDIMain*, FormCBYC*)> expect;
};
void PrintTo(const ShortcutCase& c, std::ostream* out) { *out << c.what; }

class CensusShortcuts : public CensusTest, public ::testing::WithParamInterface<ShortcutCase> {};

TEST_P(CensusShortcuts, ChooseTheirItems) {
  auto& main = program.open<MDIMain>();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
  main.MnuCalc->trigger();
  QPointer<FormCBYC> census = program.existing<FormCBYC>();
  ASSERT_TRUE(census);
  census->Chk1800->click();
  census->option("Opt1800_4")->click();
  census->CmdCalc->click();
  platform.clear();
  QPointer<MDIMain> alive = &main;
  QTest::keyClick(&main, GetParam().key, Qt::ControlModifier);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  GetParam().expect(*this, alive.data(), census.data());
}

template <class F>
bool activeChildIs(MDIMain* main, CensusTest& t) {
  return main && t.program.existing<F>() && main->host().activeChild() == t.program.existing<F>();
}

INSTANTIATE_TEST_SUITE_P(
    Items, CensusShortcuts,
    ::testing::Values(ShortcutCase{"Getting Started", Qt::Key_G,
                                   [](CensusTest& t, MDIMain* m, FormCBYC*) {
                                     EXPECT_TRUE(activeChildIs<FormBegin>(m, t));
                                   }},
                      ShortcutCase{"Age-Birth-Death", Qt::Key_A,
                                   [](CensusTest& t, MDIMain* m, FormCBYC*) {
                                     EXPECT_TRUE(t.program.existing<FormBAD>());
                                     EXPECT_TRUE(activeChildIs<FormBAD>(m, t));
                                   }},
                      ShortcutCase{"Day of the Week", Qt::Key_D,
                                   [](CensusTest& t, MDIMain* m, FormCBYC*) {
                                     EXPECT_TRUE(t.program.existing<FormDOW>());
                                     EXPECT_TRUE(activeChildIs<FormDOW>(m, t));
                                   }},
                      ShortcutCase{"this calculator: nothing", Qt::Key_C,
                                   [](CensusTest& t, MDIMain* m, FormCBYC* f) {
                                     EXPECT_TRUE(activeChildIs<FormCBYC>(m, t));
                                     EXPECT_EQ(f->TextDisplay->text(), yearList(1756, 1774));
                                     EXPECT_TRUE(t.platform.calls.isEmpty());
                                   }},
                      ShortcutCase{"Print Results", Qt::Key_P,
                                   [](CensusTest& t, MDIMain*, FormCBYC*) {
                                     ASSERT_EQ(t.platform.messages().size(), 1);
                                     EXPECT_EQ(t.platform.messages()[0].title, "Add Ancestor?");
                                     EXPECT_EQ(t.platform.prints().size(), 1);
                                   }},
                      ShortcutCase{
                          "Reset Form", Qt::Key_R,
                          [](CensusTest& t, MDIMain*, FormCBYC* f) { t.expectEmptyState(*f); }},
                      ShortcutCase{"Census Information", Qt::Key_I,
                                   [](CensusTest& t, MDIMain*, FormCBYC*) {
                                     auto* info = t.program.existing<FormCenInfo>();
                                     ASSERT_NE(info, nullptr);
                                     EXPECT_TRUE(info->isVisible());
                                   }},
                      ShortcutCase{"Close", Qt::Key_L,
                                   [](CensusTest& t, MDIMain* m, FormCBYC*) {
                                     EXPECT_EQ(t.program.existing<FormCBYC>(), nullptr);
                                     EXPECT_TRUE(activeChildIs<FormBegin>(m, t));
                                   }},
                      ShortcutCase{"Exit", Qt::Key_X,
                                   [](CensusTest& t, MDIMain*, FormCBYC*) {
                                     EXPECT_TRUE(t.program.forms().empty());
                                   }}),
    [](const auto& info) { return "key" + std::to_string(info.index); });

TEST_F(CensusForm, HelpAboutOpensTheAboutDialog) {
  form.mnuAbout->trigger();
  ASSERT_NE(program.existing<frmAbout>(), nullptr);
  EXPECT_TRUE(program.existing<frmAbout>()->isVisible());
}

// Screen readers hear which census a frame or range belongs to; the portraits
// are named after their tooltips.
TEST_F(CensusForm, ScreenReaderNames) {
  const std::vector<std::pair<QWidget*, QString>> names = {
      {form.Frame1790M, "1790 Census age range, male ancestor"},
      {form.Frame1790F, "1790 Census age range, female ancestor"},
      {form.Frame1820, "1820 Census age range"},
      {form.option("Opt1790M_1"), "Under 16, 1790 Census age range, male ancestor"},
      {form.option("Opt1820_3"), "16 Thru 18, 1820 Census age range"},
      {form.option("Opt1840_13"), "100 and Over, 1840 Census age range"},
      {form.ImageMale, form.ImageMale->toolTip()},
      {form.ImageFemale, form.ImageFemale->toolTip()},
      {form.ImageTamsford, "Tamsford Genealogy Calculator logo"},
  };
  for (const auto& [w, name] : names) EXPECT_EQ(w->accessibleName(), name) << name.toStdString();
  EXPECT_EQ(form.Frame1790M->accessibleDescription(), "Age range for the 1790 Census.");
  EXPECT_TRUE(form.Frame1790M->toolTip().isEmpty());
  EXPECT_FALSE(form.ImageMale->pixmap().isNull());
  EXPECT_EQ(form.ImageFemale->size(), QSize(87, 150));
}

// A visit through real clicks and keys on the shown form: two censuses, the
// 1790 gender and the ranges, the calculation, an untick, the reset, then a
// new result printed with the ancestor's name.
TEST_F(CensusTest, AUsersVisit) {
  FormCBYC& f = shown<FormCBYC>();
  click(f.Chk1790);
  click(f.Chk1830);
  EXPECT_TRUE(vantel::shown(f.Frame1830));
  click(f.CmdFemaleA);
  EXPECT_TRUE(f.option("Opt1790F_1")->isChecked());
  click(f.option("Opt1830_7"));
  QTest::keyClick(f.option("Opt1830_7"), Qt::Key_Return);  // Enter calculates
  EXPECT_EQ(f.TextDisplay->text(), yearList(1781, 1790));
  EXPECT_TRUE(platform.messages().isEmpty());

  click(f.Chk1830);
  EXPECT_FALSE(vantel::shown(f.Frame1830));
  EXPECT_FALSE(f.option("Opt1830_7")->isChecked());
  EXPECT_EQ(f.TextDisplay->text(), yearList(1781, 1790));  // the result stays up
  EXPECT_TRUE(f.mnuEdit->menuAction()->isEnabled());

  click(f.CmdClear);
  expectEmptyState(f);

  click(f.Chk1840);
  click(f.option("Opt1840_3"));
  click(f.CmdCalc);
  platform.answers = {msg::Yes};
  platform.inputs = {QStringLiteral("Smith")};
  click(f.CmdPrint);
  ASSERT_EQ(printed.size(), 1u);
  EXPECT_EQ(printed[0].heading, "Based on your input, the possible birth Years for Smith are:");
  EXPECT_EQ(f.LblYourYears->text(),
            "Based on your selections, the possible years of birth for your Ancestor are:");
  EXPECT_EQ(platform.prints()[0].image.size(), f.grab().size());
}

}  // namespace
}  // namespace vantel::test
