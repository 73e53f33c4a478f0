#include "bad/BadChecks.h"
#include "bad/BadVariables.h"
#include "bad/CheckCalculateFixture.h"

namespace vantel::test {
namespace {

// A complete request; each case below spoils one entry of it.
const Entries kComplete{"January", "15", "1900", "10", "5", "40", "May", "3", "1950"};

struct Refusal {
  QString Entries::*field;
  QString value;
  QString prompt;
  QString title;
  int icon;
  const char* focus;
  bool selected;  // the field's whole text is selected
};

const QString kAgeMonthsInvalid =
    "This is not a valid age in months at time of death, please pick a number from 0 to 12.";
const QString kAgeYearsInvalid =
    "This in not a valid age in years at time of death, please enter again.";
const QString kBirthInvalid = "This in not a valid birth year, please enter again.";
const QString kDeathInvalid = "This in not a valid death year, please enter again.";
const QString kRemember = "  Remember, this application only calculates from 1583 or later.";

const std::vector<Refusal> kAgeRefusals = {
    {&Entries::aMonths, "", "Please select an age (in months), at time of death.",
     "Missing Age Field!", msg::Information, "cmbAMonth", false},
    {&Entries::aMonths, "13", kAgeMonthsInvalid, "Invalid Age! (Months)", msg::Critical,
     "cmbAMonth", true},
    {&Entries::aMonths, "-1", kAgeMonthsInvalid, "Invalid Age! (Months)", msg::Critical,
     "cmbAMonth", true},
    {&Entries::aMonths, "1.5", kAgeMonthsInvalid, "Invalid Age! (Months)", msg::Critical,
     "cmbAMonth", true},
    {&Entries::aMonths, "x", kAgeMonthsInvalid, "Invalid Age! (Months)", msg::Critical, "cmbAMonth",
     true},
    {&Entries::aMonths, " ", kAgeMonthsInvalid, "Invalid Age! (Months)", msg::Critical, "cmbAMonth",
     true},
    {&Entries::aMonths, "1e1", kAgeMonthsInvalid, "Invalid Age! (Months)", msg::Critical,
     "cmbAMonth", true},
    {&Entries::aDays, "", "Please select an age (in days), at time of death.", "Missing Age Field!",
     msg::Information, "cmbADay", false},
    {&Entries::aYears, "", "Please enter an age (in years), at time of death.",
     "Missing Age Field!", msg::Information, "txtAYear", false},
    {&Entries::aYears, "abc", kAgeYearsInvalid, "Invalid Year! (Age)", msg::Critical, "txtAYear",
     true},
    {&Entries::aYears, "-1", kAgeYearsInvalid, "Invalid Year! (Age)", msg::Critical, "txtAYear",
     true},
    {&Entries::aYears, "9e9", kAgeYearsInvalid, "Invalid Year! (Age)", msg::Critical, "txtAYear",
     true},
    {&Entries::aYears, "&H1", kAgeYearsInvalid, "Invalid Year! (Age)", msg::Critical, "txtAYear",
     true},
};

const std::vector<Refusal> kBirthRefusals = {
    {&Entries::bMonth, "", "Please select a birth month.", "Missing Birth Month!", msg::Information,
     "cmbBMonth", false},
    {&Entries::bDay, "", "Please select a birth day.", "Missing Birth Day!", msg::Information,
     "cmbBDay", false},
    {&Entries::bYear, "", "Please enter a valid a birth year.", "Missing Birth Year!",
     msg::Information, "txtBYear", false},
    {&Entries::bYear, "abc", kBirthInvalid, "Invalid Year! (Birth)", msg::Critical, "txtBYear",
     true},
    {&Entries::bYear, "19x0", kBirthInvalid, "Invalid Year! (Birth)", msg::Critical, "txtBYear",
     true},
    {&Entries::bYear, "9e99", kBirthInvalid, "Invalid Year! (Birth)", msg::Critical, "txtBYear",
     true},
    {&Entries::bYear, "1e5", kBirthInvalid, "Invalid Year! (Birth)", msg::Critical, "txtBYear",
     true},
    {&Entries::bYear, "1582", kBirthInvalid + kRemember, "Julian Year! (Birth)", msg::Information,
     "txtBYear", true},
    {&Entries::bYear, "-1", kBirthInvalid + kRemember, "Julian Year! (Birth)", msg::Information,
     "txtBYear", true},
};

std::vector<Refusal> deathRefusals(const QString& emptyYearPrompt) {
  return {
      {&Entries::dMonth, "", "Please select a death month.", "Missing Death Month!",
       msg::Information, "cmbDMonth", false},
      {&Entries::dDay, "", "Please select a death day.", "Missing Death Day!", msg::Information,
       "cmbDDay", false},
      {&Entries::dYear, "", emptyYearPrompt, "Missing Death Year!", msg::Information, "txtDYear",
       false},
      {&Entries::dYear, "abc", kDeathInvalid, "Invalid Year! (Death)", msg::Critical, "txtDYear",
       true},
      {&Entries::dYear, "9e99", kDeathInvalid, "Invalid Year! (Death)", msg::Critical, "txtDYear",
       true},
      {&Entries::dYear, "1e5", kDeathInvalid, "Invalid Year! (Death)", msg::Critical, "txtDYear",
       true},
      {&Entries::dYear, "1582", kDeathInvalid + kRemember, "Julian Year! (Death)", msg::Information,
       "txtDYear", true},
  };
}

std::vector<Refusal> operator+(std::vector<Refusal> a, const std::vector<Refusal>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

class CheckCalculateTest : public BadTest {
 protected:
  // The year and age boxes of the two known values hold what was typed.
  void expectTypedTextsKept(const Entries& e) {
    for (auto [box, entry] :
         {std::pair{form.txtBYear, &Entries::bYear}, std::pair{form.txtAYear, &Entries::aYears},
          std::pair{form.txtDYear, &Entries::dYear}})
      if (box->parentWidget()->isVisibleTo(&form)) {
        EXPECT_EQ(box->text(), (e.*entry).left(box->maxLength()))
            << box->objectName().toStdString();
      }
  }

  void expectRefusals(QRadioButton* option, QGroupBox* resultFrame,
                      const std::vector<Refusal>& cases) {
    for (const auto& c : cases) {
      Entries e = kComplete;
      e.*(c.field) = c.value;
      choose(option);
      fill(e);
      calculate();
      const std::string what = c.title.toStdString() + " for \"" + c.value.toStdString() + '"';
      SCOPED_TRACE(what);
      const auto messages = platform.messages();
      EXPECT_EQ(messages.size(), 1);
      if (messages.size() != 1) continue;
      EXPECT_EQ(messages[0].prompt, c.prompt) << what;
      EXPECT_EQ(messages[0].title, c.title);
      EXPECT_EQ(messages[0].style, c.icon | msg::OkOnly) << what;
      EXPECT_EQ(focused(), c.focus) << what;
      EXPECT_FALSE(vantel::shown(resultFrame)) << what;  // nothing computed
      // The text boxes keep their entries; a refused text is selected whole.
      expectTypedTextsKept(e);
      if (auto* box = qobject_cast<TextBox*>(form.focusedControl())) {
        EXPECT_EQ(box->text(), c.value.left(box->maxLength())) << what;
        if (c.selected) {
          EXPECT_EQ(box->selectionStart(), 0) << what;
          EXPECT_EQ(box->selectedText(), box->text()) << what;
        }
      }
      if (form.focusedControl() == form.cmbAMonth) {
        EXPECT_EQ(form.cmbAMonth->text(), c.value);
        if (c.selected) {
          EXPECT_EQ(form.cmbAMonth->lineEdit()->selectedText(), c.value) << what;
        }
      }
    }
  }
};

TEST_F(CheckCalculateTest, MissingBirthDateChecksTheAgeThenTheDeathDate) {
  expectRefusals(form.OptBirth, form.FrameBirthDis,
                 kAgeRefusals + deathRefusals("Please enter a valid death year."));
}

TEST_F(CheckCalculateTest, MissingAgeChecksTheBirthDateThenTheDeathDate) {
  expectRefusals(form.OptAge, form.FrameAgeDis,
                 kBirthRefusals + deathRefusals("Please enter a valid a death year."));
}

TEST_F(CheckCalculateTest, MissingDeathDateChecksTheBirthDateThenTheAge) {
  expectRefusals(form.OptDeath, form.FrameDeathDis, kBirthRefusals + kAgeRefusals);
}

TEST_F(CheckCalculateTest, ADeathBeforeTheBirthIsRefused) {
  const QString prompt =
      "The death date is before the birth date.  Please check both dates and enter them again.";
  const Entries deaths[] = {
      {"January", "15", "1900", "", "", "", "January", "14", "1900"},
      {"January", "15", "1900", "", "", "", "December", "31", "1899"},
      {"March", "1", "1900", "", "", "", "February", "28", "1900"},
  };
  for (const auto& e : deaths) {
    SCOPED_TRACE(e.dMonth.toStdString() + ' ' + e.dDay.toStdString());
    choose(form.OptAge);
    fill(e);
    calculate();
    EXPECT_EQ(platform.messages().size(), 1);
    if (platform.messages().size() != 1) continue;
    EXPECT_EQ(platform.messages()[0].prompt, prompt);
    EXPECT_EQ(platform.messages()[0].title, "Death Before Birth!");
    EXPECT_EQ(platform.messages()[0].icon(), msg::Information);
    EXPECT_EQ(focused(), "txtDYear");
    EXPECT_EQ(form.txtDYear->selectedText(), e.dYear);
    EXPECT_FALSE(vantel::shown(form.FrameAgeDis));
  }
}

TEST_F(CheckCalculateTest, ACompleteRequestIsComputed) {
  struct Case {
    OptionButton* FormBAD::*option;
    Entries entries;
    TextBox* FormBAD::*result;
    const char* text;
  };
  const Case cases[] = {
      {&FormBAD::OptAge,
       {"January", "15", "1900", "", "", "", "January", "15", "1900"},
       &FormBAD::TxTAgeDis,
       "0 Years, 0 Months and 0 Days"},
      {&FormBAD::OptAge,
       {"March", "1", "1583", "", "", "", "March", "2", "1583"},
       &FormBAD::TxTAgeDis,
       "0 Years, 0 Months and 1 Day"},
      {&FormBAD::OptAge,
       {"January", "15", "1900", "", "", "", "May", "3", "2e3"},
       &FormBAD::TxTAgeDis,
       "100 Years, 3 Months and 18 Days"},
      {&FormBAD::OptBirth,
       {"", "", "", "0", "0", "0", "May", "3", "1950"},
       &FormBAD::TxTBirthDis,
       "May 3, 1950"},
      {&FormBAD::OptDeath,
       {"January", "15", "1900", "10", "5", "40", "", "", ""},
       &FormBAD::TxTDeathDis,
       "November 20, 1940"},
      {&FormBAD::OptDeath,
       {"January", "15", "1900", "07", "0", "0", "", "", ""},
       &FormBAD::TxTDeathDis,
       "August 15, 1900"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    choose(form.*(c.option));
    fill(c.entries);
    calculate();
    EXPECT_TRUE(platform.messages().isEmpty()) << platform.messages().value(0).title.toStdString();
    EXPECT_EQ((form.*(c.result))->text(), c.text);
    EXPECT_TRUE(vantel::shown((form.*(c.result))->parentWidget()));
  }
}

TEST_F(CheckCalculateTest, WithEveryFieldEmptyOnlyTheFirstCheckSpeaks) {
  choose(form.OptBirth);
  calculate();
  ASSERT_EQ(platform.messages().size(), 1);
  EXPECT_EQ(platform.messages()[0].prompt, "Please select an age (in months), at time of death.");
  EXPECT_EQ(focused(), "cmbAMonth");
}

TEST_F(CheckCalculateTest, WithNoOptionNothingIsCheckedOrComputed) {
  calculate();
  EXPECT_TRUE(platform.messages().isEmpty());
  for (QGroupBox* f : {form.FrameBirthDis, form.FrameAgeDis, form.FrameDeathDis})
    EXPECT_FALSE(vantel::shown(f));
}

// Enter in a year box presses Calculate while the focus stays there: the age is
// shown first, then the Calculate click's own 29-February check of that date
// speaks, once, and the focus goes to its day box.
TEST_F(CheckCalculateTest, ALeapDayOfACommonYearIsReportedAfterTheResult) {
  const QString rest =
      " is not a leap year and therefore only has 28 days, please pick another %1 day or enter a "
      "different %1 year.";
  struct Row {
    const char* name;
    Entries entries;  // no years yet, so that the day lists offer the 29th
    TextBox* FormBAD::*otherYear;
    const char* otherYearText;
    TextBox* FormBAD::*enterIn;  // the year of the 29th, typed last
    const char* title;
    const char* wording;
    const char* dayBox;
    const char* age;
  };
  const Row rows[] = {
      {"birth",
       {"February", "29", "", "", "", "", "May", "3", ""},
       &FormBAD::txtDYear,
       "1950",
       &FormBAD::txtBYear,
       "Non Leap Year! (Birth)",
       "birth",
       "cmbBDay",
       "50 Years, 2 Months and 4 Days"},
      {"death",
       {"May", "3", "", "", "", "", "February", "29", ""},
       &FormBAD::txtBYear,
       "1850",
       &FormBAD::txtDYear,
       "Non Leap Year! (Death)",
       "death",
       "cmbDDay",
       "49 Years, 9 Months and 26 Days"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    choose(form.OptAge);
    fill(row.entries);
    enter(form.*row.otherYear, row.otherYearText);
    enter(form.*row.enterIn, "1900");
    platform.clear();
    QTest::keyClick(form.*row.enterIn, Qt::Key_Return);
    EXPECT_EQ(form.TxTAgeDis->text(), row.age);
    EXPECT_TRUE(vantel::shown(form.FrameAgeDis));
    // Once: leaving the year box when the message sends the focus to the day
    // box does not check the date a second time.
    const auto messages = platform.messages();
    EXPECT_EQ(messages.size(), 1);
    for (const auto& m : messages) {
      EXPECT_EQ(m.prompt, "1900" + rest.arg(row.wording));
      EXPECT_EQ(m.title, row.title);
    }
    EXPECT_EQ(focused(), row.dayBox);
  }
}

// Whatever is typed into a year or age field, a request ends in one message or a
// result, and the typed text stays in its box.
TEST_F(CheckCalculateTest, HostileTextsInEveryTypedFieldGiveAMessageOrAResult) {
  const QString hostile[] = {"", " ", "abc", "-1", "12.5", "1e5", "9e99", "&H10", "12a", "0"};
  struct Field {
    OptionButton* FormBAD::*option;
    QString Entries::*entry;
    TextBox* FormBAD::*result;
  };
  const Field fields[] = {
      {&FormBAD::OptAge, &Entries::bYear, &FormBAD::TxTAgeDis},
      {&FormBAD::OptAge, &Entries::dYear, &FormBAD::TxTAgeDis},
      {&FormBAD::OptDeath, &Entries::aYears, &FormBAD::TxTDeathDis},
      {&FormBAD::OptBirth, &Entries::aMonths, &FormBAD::TxTBirthDis},
  };
  for (const auto& f : fields)
    for (const QString& text : hostile) {
      Entries e = kComplete;
      e.bYear = "1800";
      e.*(f.entry) = text;
      choose(form.*(f.option));
      fill(e);
      (form.*(f.result))->clear();
      calculate();
      const bool result = !(form.*(f.result))->text().isEmpty();
      EXPECT_EQ(platform.messages().size(), result ? 0 : 1) << '"' << text.toStdString() << '"';
      expectTypedTextsKept(e);
      if (f.entry == &Entries::aMonths) {
        EXPECT_EQ(form.cmbAMonth->text(), text);
      }
    }
}

// A birth date computed before 1583 is refused: the age in years is selected for
// correction, the result shown before stays, and so does BadResultShown.
TEST_F(CheckCalculateTest, ABirthDateBefore1583IsNotShown) {
  struct Row {
    const char* death;
    const char* ageYears;
    const char* ageDays;
    const char* birth;  // empty: refused
  };
  const Row rows[] = {
      {"1900", "1e3", "0", ""}, {"1900", "1e4", "0", ""},
      {"1583", "110", "0", ""}, {"1583", "0", "1", "February 28, 1583"},
      {"1583", "1", "0", ""},   {"1584", "1", "0", "March 1, 1583"},
  };
  const QString earlier = "December 1, 1900";
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.death) + " less " + row.ageYears + " years " + row.ageDays);
    choose(form.OptBirth);
    fill({"", "", "", "0", "0", "0", "December", "1", "1900"});
    calculate();  // a result first
    EXPECT_EQ(form.TxTBirthDis->text(), earlier);
    fill({"", "", "", "0", row.ageDays, row.ageYears, "March", "1", row.death});
    calculate();
    if (*row.birth) {
      EXPECT_TRUE(platform.messages().isEmpty());
      EXPECT_EQ(form.TxTBirthDis->text(), row.birth);
      continue;
    }
    EXPECT_EQ(platform.messages().size(), 1);
    if (platform.messages().isEmpty()) continue;
    const Call m = platform.messages()[0];
    EXPECT_EQ(m.prompt,
              "The birth date calculated from this age and death date falls before 1583.  "
              "Remember, this application only calculates from 1583 or later.");
    EXPECT_EQ(m.title, "Julian Year! (Birth)");
    EXPECT_EQ(m.style, msg::Information | msg::OkOnly);
    EXPECT_EQ(focused(), "txtAYear");
    EXPECT_EQ(form.txtAYear->selectedText(), row.ageYears);
    EXPECT_EQ(form.TxTBirthDis->text(), earlier);
    EXPECT_EQ(program.state<BadVariables>().BadResultShown, 1);
  }
}

// The checks added to the request (a typed age in months, a death before the
// birth) come after every check of the fields, in each mode.
TEST_F(CheckCalculateTest, AddedChecksComeAfterEveryFieldCheck) {
  struct Row {
    const char* name;
    OptionButton* FormBAD::*option;
    Entries entries;
    const char* title;
    const char* focus;
  };
  const Row rows[] = {
      {"months 13, days empty",
       &FormBAD::OptBirth,
       {"", "", "", "13", "", "40", "March", "1", "1950"},
       "Missing Age Field!",
       "cmbADay"},
      {"months 13, no death month",
       &FormBAD::OptBirth,
       {"", "", "", "13", "0", "40", "", "1", "1950"},
       "Missing Death Month!",
       "cmbDMonth"},
      {"months 13, death year 1582",
       &FormBAD::OptBirth,
       {"", "", "", "13", "0", "40", "March", "1", "1582"},
       "Julian Year! (Death)",
       "txtDYear"},
      {"months 13 otherwise complete",
       &FormBAD::OptBirth,
       {"", "", "", "13", "0", "40", "March", "1", "1950"},
       "Invalid Age! (Months)",
       "cmbAMonth"},
      {"months x, years empty",
       &FormBAD::OptDeath,
       {"January", "31", "1900", "x", "0", "", "", "", ""},
       "Missing Age Field!",
       "txtAYear"},
      {"months x otherwise complete",
       &FormBAD::OptDeath,
       {"January", "31", "1900", "x", "0", "40", "", "", ""},
       "Invalid Age! (Months)",
       "cmbAMonth"},
      {"death before birth, death year 1582",
       &FormBAD::OptAge,
       {"January", "31", "1900", "", "", "", "March", "1", "1582"},
       "Julian Year! (Death)",
       "txtDYear"},
      {"death before birth",
       &FormBAD::OptAge,
       {"January", "31", "1900", "", "", "", "March", "1", "1899"},
       "Death Before Birth!",
       "txtDYear"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    choose(form.*row.option);
    fill(row.entries);
    calculate();
    EXPECT_EQ(platform.messages().size(), 1);
    if (platform.messages().isEmpty()) continue;
    EXPECT_EQ(platform.messages()[0].title, row.title);
    EXPECT_EQ(focused(), row.focus);
  }
}

}  // namespace
}  // namespace vantel::test
