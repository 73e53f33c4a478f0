// The Birth-Age-Death computation as the form runs it: SetValues reads the
// fields of the selected mode, BADcalC computes and shows the result in its
// frame, writes the mode's sentence in navy, sets BadResultShown and enables
// printing from the menu.

#include "bad/BADcalC.h"
#include "bad/BadVariables.h"
#include "bad/FormBAD.h"
#include "bad/SetValues.h"
#include "forms/Colors.h"
#include "support/ProgramFixture.h"

namespace vantel::test {
namespace {

enum class Mode { Birth, Age, Death };

struct Fields {
  const char* month;
  const char* day;
  const char* year;
};

class BadCalculation : public ProgramTest {
 protected:
  FormBAD& form = shown<FormBAD>();
  BadVariables& vars = program.state<BadVariables>();

  QRadioButton* option(Mode mode) {
    return mode == Mode::Birth ? form.OptBirth : mode == Mode::Age ? form.OptAge : form.OptDeath;
  }

  // Selects the mode: its handler shows the two entry frames of the known values.
  void pick(Mode mode) { setOptionValue(option(mode), true); }

  // Fills one frame's three fields as a user does: each list is built when its
  // box is entered, then an item is chosen (or a months text typed).
  void enter(ComboBox* month, ComboBox* day, TextBox* year, const Fields& f) {
    form.focusControl(month);
    month->setText(QString::fromUtf8(f.month));
    form.focusControl(year);
    year->setText(QString::fromUtf8(f.year));
    form.focusControl(day);
    day->setText(QString::fromUtf8(f.day));
    EXPECT_EQ(month->text(), QString::fromUtf8(f.month));
    EXPECT_EQ(day->text(), QString::fromUtf8(f.day));
  }
  void enterBirth(const Fields& f) { enter(form.cmbBMonth, form.cmbBDay, form.txtBYear, f); }
  void enterDeath(const Fields& f) { enter(form.cmbDMonth, form.cmbDDay, form.txtDYear, f); }
  void enterAge(const Fields& f) { enter(form.cmbAMonth, form.cmbADay, form.txtAYear, f); }

  // Enters the two known values of the mode and calculates.
  void calculate(Mode mode, const Fields& birth, const Fields& age, const Fields& death) {
    pick(mode);
    if (mode != Mode::Birth) enterBirth(birth);
    if (mode != Mode::Age) enterAge(age);
    if (mode != Mode::Death) enterDeath(death);
    form.focusControl(form.CmdCalculate);
    // Filling the fields over an earlier case's entries may have raised the
    // date checks on leaving a field; only the computation's messages count.
    platform.clear();
    SetValues(form);
  }

  // Nothing shown, and the instructions as they were: the starting sentence, or
  // the one a chosen mode writes.
  void expectNothingShown(const QString& instructions) {
    EXPECT_FALSE(vantel::shown(form.FrameBirthDis));
    EXPECT_FALSE(vantel::shown(form.FrameAgeDis));
    EXPECT_FALSE(vantel::shown(form.FrameDeathDis));
    EXPECT_EQ(vars.BadResultShown, 0);
    EXPECT_FALSE(form.mnuPrint->isEnabled());
    EXPECT_EQ(form.TextHowto->text(), instructions);
    EXPECT_EQ(foreColor(form.TextHowto), colors::tooltipText());
  }
  const QString kStart =
      "To begin, choose from above the missing information you'd like to calculate.\r\n";
  const QString kComplete =
      "Complete the missing information above and then select the Calculate Missing Data button.";
};

struct Case {
  Mode mode;
  Fields birth, age, death;  // age: months, days, years
  const char* result;
};

const Fields kNone{"", "", ""};

const Case kCases[] = {
    {Mode::Birth, kNone, {"2", "10", "30"}, {"March", "5", "1900"}, "December 23, 1869"},
    {Mode::Birth, kNone, {"1", "5", "10"}, {"January", "10", "1900"}, "December 5, 1889"},
    {Mode::Birth, kNone, {"0", "1", "0"}, {"March", "1", "1904"}, "February 29, 1904"},
    {Mode::Birth, kNone, {"0", "30", "0"}, {"March", "1", "1900"}, "January 30, 1900"},
    {Mode::Birth, kNone, {"1", "0", "0"}, {"March", "31", "1900"}, "March 3, 1900"},
    {Mode::Birth, kNone, {"2", "0", "0"}, {"May", "31", "1900"}, "March 31, 1900"},
    {Mode::Age,
     {"May", "20", "1850"},
     kNone,
     {"June", "15", "1851"},
     "1 Year, 0 Months and 26 Days"},
    {Mode::Age,
     {"June", "15", "1850"},
     kNone,
     {"June", "15", "1900"},
     "50 Years, 0 Months and 0 Days"},
    {Mode::Age,
     {"January", "31", "1850"},
     kNone,
     {"March", "1", "1900"},
     "50 Years, 0 Months and 29 Days"},
    {Mode::Age,
     {"June", "15", "1900"},
     kNone,
     {"June", "15", "1850"},
     "-50 Years, 0 Months and 0 Days"},
    {Mode::Death, {"January", "31", "1900"}, {"1", "0", "0"}, kNone, "March 3, 1900"},
    {Mode::Death, {"June", "30", "1900"}, {"1", "1", "0"}, kNone, "July 31, 1900"},
    {Mode::Death, {"December", "15", "1899"}, {"1", "20", "0"}, kNone, "February 4, 1900"},
    {Mode::Death, {"January", "31", "1900"}, {"0", "30", "0"}, kNone, "March 2, 1900"},
    // A typed age in months: whole years of months carry; a fraction rounds.
    {Mode::Death, {"June", "15", "1900"}, {"14", "0", "1"}, kNone, "August 15, 1902"},
    {Mode::Death, {"June", "15", "1900"}, {"1.5", "0", "0"}, kNone, "August 15, 1900"},
    // Numbers in the year boxes may be written with a sign, a fraction or an
    // exponent.
    {Mode::Death, {"June", "15", "2e3"}, {"0", "0", "+10"}, kNone, "June 15, 2010"},
    {Mode::Birth, kNone, {"0", "0", "1e2"}, {"June", "15", "1950"}, "June 15, 1850"},
};

TEST_F(BadCalculation, EachModeShowsItsResultInItsFrameWithItsSentence) {
  const struct {
    TextBox* box;
    QGroupBox* frame;
    const char* sentence;
  } shows[] = {
      {form.TxTBirthDis, form.FrameBirthDis,
       "You supplied an age at death and a death date.  The birth date is displayed above."},
      {form.TxTAgeDis, form.FrameAgeDis,
       "You supplied a birth date and death date.  The age at death is displayed above."},
      {form.TxTDeathDis, form.FrameDeathDis,
       "You supplied a birth date and age at death.  The death date is displayed above."},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.result);
    const auto& show = shows[static_cast<int>(c.mode)];
    for (QGroupBox* f : {form.FrameBirthDis, form.FrameAgeDis, form.FrameDeathDis}) f->hide();
    vars.BadResultShown = 0;
    form.mnuPrint->setEnabled(false);
    setForeColor(form.TextHowto, colors::tooltipText());

    calculate(c.mode, c.birth, c.age, c.death);

    EXPECT_EQ(show.box->text(), QString::fromUtf8(c.result));
    EXPECT_TRUE(vantel::shown(show.frame));
    for (QGroupBox* f : {form.FrameBirthDis, form.FrameAgeDis, form.FrameDeathDis})
      if (f != show.frame) {
        EXPECT_FALSE(vantel::shown(f));
      }
    EXPECT_EQ(form.TextHowto->text(), QString::fromUtf8(show.sentence));
    EXPECT_EQ(foreColor(form.TextHowto), colors::navy());
    EXPECT_EQ(vars.BadResultShown, 1);
    EXPECT_TRUE(form.mnuPrint->isEnabled());
    EXPECT_TRUE(platform.messages().isEmpty());
  }
}

TEST_F(BadCalculation, ReadsOnlyTheFieldsOfTheModeAndKeepsTheComputedValues) {
  pick(Mode::Age);
  enterAge({"3", "4", "5"});  // hidden fields the missing-age mode does not read
  calculate(Mode::Age, {"January", "31", "1850"}, kNone, {"March", "1", "1900"});
  EXPECT_EQ(vars.BirthMonth, 1);
  EXPECT_EQ(vars.BirthDay, 31);
  EXPECT_EQ(vars.BirthYear, 1850);
  EXPECT_EQ(vars.DeathMonth, 3);
  EXPECT_EQ(vars.DeathDay, 1);
  EXPECT_EQ(vars.DeathYear, 1900);
  EXPECT_EQ(vars.AgeYears, 0);
  EXPECT_EQ(vars.AgeMonths, 0);
  EXPECT_EQ(vars.AgeDays, 0);
  EXPECT_EQ(vars.CalcAgeYears, 50);
  EXPECT_EQ(vars.CalcAgeMonths, 0);
  EXPECT_EQ(vars.CalcAgeDays, 29);

  calculate(Mode::Death, {"January", "31", "1904"}, {"1", "0", "0"}, kNone);
  EXPECT_EQ(form.TxTDeathDis->text(), "March 2, 1904");
  EXPECT_EQ(vars.DeathMonth, 0);
  EXPECT_EQ(vars.AgeMonths, 1);
  EXPECT_EQ(vars.CalcDeathYear, 1904);
  EXPECT_EQ(vars.CalcDeathMonth, 3);
  EXPECT_EQ(vars.CalcDeathDay, 2);
  EXPECT_EQ(vars.CalcAgeDays, 29);  // the age computed before is kept

  calculate(Mode::Birth, kNone, {"1", "0", "0"}, {"March", "31", "1900"});
  EXPECT_EQ(vars.CalcBirthMonth, 3);
  EXPECT_EQ(vars.CalcBirthDay, 3);
  // Choosing the mode hid the earlier results; the computation shows its own.
  EXPECT_FALSE(vantel::shown(form.FrameAgeDis));
  EXPECT_FALSE(vantel::shown(form.FrameDeathDis));
  EXPECT_TRUE(vantel::shown(form.FrameBirthDis));
}

TEST_F(BadCalculation, WithNoOptionSelectedNothingHappens) {
  form.FrameBirth->show();
  form.FrameDeath->show();
  enterBirth({"June", "15", "1850"});
  enterDeath({"June", "15", "1900"});
  SetValues(form);
  expectNothingShown(kStart);
  EXPECT_TRUE(platform.messages().isEmpty());
}

// Values the calculator's 16-bit numbers cannot hold are refused with a
// message instead of wrapping round, and the form is left as it was.
TEST_F(BadCalculation, ValuesBeyondSixteenBitsAreRefusedWithAMessage) {
  const Case refused[] = {
      // A typed months text that is no number.
      {Mode::Death, {"June", "15", "1900"}, {"abc", "0", "1"}, kNone, ""},
      {Mode::Birth, kNone, {"", "0", "1"}, {"June", "15", "1900"}, ""},
      // Months typed beyond 16 bits.
      {Mode::Birth, kNone, {"99999", "0", "1"}, {"June", "15", "1900"}, ""},
      // A year in exponent notation that does not fit, within four characters.
      {Mode::Age, {"June", "15", "9e99"}, kNone, {"June", "15", "1900"}, ""},
      {Mode::Death, {"June", "15", "1900"}, {"0", "0", "9e9"}, kNone, ""},
      // Each value fits but the sum does not: 30000 and 9000 years.
      {Mode::Death, {"June", "15", "3e4"}, {"0", "0", "9e3"}, kNone, ""},
  };
  for (const auto& c : refused) {
    SCOPED_TRACE(std::string(c.age.month) + " / " + c.birth.year + " / " + c.age.year);
    platform.clear();
    calculate(c.mode, c.birth, c.age, c.death);
    EXPECT_EQ(platform.messages().size(), 1);
    if (platform.messages().isEmpty()) continue;
    const Call m = platform.messages().front();
    EXPECT_EQ(m.prompt,
              "The missing information cannot be calculated from these values.  Please check the "
              "years and the age you entered.");
    EXPECT_EQ(m.title, "Cannot Calculate!");
    EXPECT_EQ(m.icon(), msg::Critical);
    EXPECT_EQ(m.buttons(), msg::OkOnly);
    expectNothingShown(kComplete);
    // The age in years (the death year, without an age) is offered for correction.
    TextBox* year = c.mode == Mode::Age ? form.txtDYear : form.txtAYear;
    EXPECT_EQ(form.focusedControl(), year);
    EXPECT_EQ(year->selectedText(), year->text());
  }
}

TEST_F(BadCalculation, BadResultShownOutlivesTheForm) {
  calculate(Mode::Age, {"June", "15", "1850"}, kNone, {"June", "15", "1900"});
  ASSERT_EQ(vars.BadResultShown, 1);
  program.close(form);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(program.state<BadVariables>().BadResultShown, 1);
  EXPECT_EQ(program.state<BadVariables>().CalcAgeYears, 50);
  // A fresh form starts from its design state.
  FormBAD& fresh = program.form<FormBAD>();
  EXPECT_FALSE(fresh.mnuPrint->isEnabled());
  EXPECT_FALSE(vantel::shown(fresh.FrameAgeDis));
}

}  // namespace
}  // namespace vantel::test
