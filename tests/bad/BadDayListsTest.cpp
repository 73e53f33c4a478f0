// The day lists of the Birth-Age-Death form, rebuilt each time a day box gets
// the focus from the month and year entered in its own frame, and the month and
// age lists rebuilt the same way.

#include "bad/BadDayLists.h"
#include "bad/FormBAD.h"
#include "support/ProgramFixture.h"

namespace vantel::test {
namespace {

QStringList numbers(int first, int last) {
  QStringList items;
  for (int n = first; n <= last; ++n) items << QString::number(n);
  return items;
}

class DayLists : public ProgramTest {
 protected:
  FormBAD& form = shown<FormBAD>();

  DayLists() {
    form.FrameBirth->show();
    form.FrameDeath->show();
    form.FrameAge->show();
  }

  // The month as a user chooses it: entering the box fills its list.
  void chooseMonth(ComboBox* box, const QString& month) {
    form.focusControl(box);
    box->setText(month);
  }
};

struct DayListCase {
  const char* month;
  const char* year;
  int days;
};

const DayListCase kCases[] = {
    {"February", "2000", 29},
    {"February", "1900", 28},
    {"February", "1996", 29},
    {"February", "1997", 28},
    {"February", "", 29},
    {"February", "abc", 29},
    // A year beyond 32 bits offers every day that could be valid.
    {"February", "9e99", 29},
    // Fractions round to the nearest year, a half to the even one (95.5 to 96,
    // 99.5 to 100); exponents are numbers too.
    {"February", "95.5", 29},
    {"February", "99.5", 28},
    {"February", "1e3", 28},
    {"February", "2e3", 29},
    {"January", "1900", 31},
    {"March", "", 31},
    {"May", "1900", 31},
    {"July", "1900", 31},
    {"August", "", 31},
    {"October", "1900", 31},
    {"December", "1900", 31},
    {"April", "1900", 30},
    {"June", "", 30},
    {"September", "2000", 30},
    {"November", "abc", 30},
};

TEST_F(DayLists, TheBirthDayListFollowsTheBirthMonthAndYear) {
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::string(c.month) + " " + c.year);
    chooseMonth(form.cmbBMonth, QString::fromUtf8(c.month));
    EXPECT_EQ(form.cmbBMonth->text(), QString::fromUtf8(c.month));
    form.focusControl(form.txtBYear);
    form.txtBYear->setText(QString::fromUtf8(c.year));
    form.focusControl(form.cmbBDay);
    EXPECT_EQ(form.cmbBDay->listItems(), numbers(1, c.days));
    EXPECT_EQ(form.cmbBDay->text(), QString());
  }
}

TEST_F(DayLists, TheDeathDayListFollowsTheDeathMonthAndYear) {
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::string(c.month) + " " + c.year);
    chooseMonth(form.cmbDMonth, QString::fromUtf8(c.month));
    form.focusControl(form.txtDYear);
    form.txtDYear->setText(QString::fromUtf8(c.year));
    form.focusControl(form.cmbDDay);
    EXPECT_EQ(form.cmbDDay->listItems(), numbers(1, c.days));
  }
}

// A month that is not one of the twelve names exactly (a drop-down list cannot
// hold one, so the procedure is given the text directly) offers 31 days.
TEST_F(DayLists, AMonthTextThatIsNoMonthNameOffers31Days) {
  for (const char* month : {"february", "Feb", "", "February ", "FEBRUARY"}) {
    SCOPED_TRACE(month);
    chooseDayList(form, QString::fromUtf8(month), QStringLiteral("1900"), kBirthDayLists);
    EXPECT_EQ(form.cmbBDay->listItems(), numbers(1, 31));
  }
}

TEST_F(DayLists, EachDayBoxReadsOnlyItsOwnFrame) {
  chooseMonth(form.cmbBMonth, QStringLiteral("April"));
  chooseMonth(form.cmbDMonth, QStringLiteral("February"));
  form.focusControl(form.txtDYear);
  form.txtDYear->setText(QStringLiteral("1900"));
  form.focusControl(form.cmbBDay);
  EXPECT_EQ(form.cmbBDay->listItems(), numbers(1, 30));
  form.focusControl(form.cmbDDay);
  EXPECT_EQ(form.cmbDDay->listItems(), numbers(1, 28));
  EXPECT_EQ(form.cmbBDay->listItems(), numbers(1, 30));
}

TEST_F(DayLists, EnteringADayBoxAgainRebuildsTheSameListAndLosesTheChoice) {
  chooseMonth(form.cmbBMonth, QStringLiteral("June"));
  form.focusControl(form.cmbBDay);
  form.cmbBDay->setText(QStringLiteral("15"));
  ASSERT_EQ(form.cmbBDay->text(), QStringLiteral("15"));
  form.focusControl(form.txtBYear);
  form.focusControl(form.cmbBDay);
  EXPECT_EQ(form.cmbBDay->listItems(), numbers(1, 30));
  EXPECT_EQ(form.cmbBDay->text(), QString());
}

// Each procedure fills its own box and no other, however full it was before.
TEST_F(DayLists, EveryProcedureFillsItsBoxWithItsDays) {
  const struct {
    void (*procedure)(FormBAD&);
    ComboBox* box;
    int days;
  } procedures[] = {
      {GetDays::BirthDays31, form.cmbBDay, 31}, {GetDays::BirthDays30, form.cmbBDay, 30},
      {GetDays::BirthDays29, form.cmbBDay, 29}, {GetDays::BirthDays28, form.cmbBDay, 28},
      {GetDays::DeathDays31, form.cmbDDay, 31}, {GetDays::DeathDays30, form.cmbDDay, 30},
      {GetDays::DeathDays29, form.cmbDDay, 29}, {GetDays::DeathDays28, form.cmbDDay, 28},
  };
  for (const auto& p : procedures) {
    ComboBox* other = p.box == form.cmbBDay ? form.cmbDDay : form.cmbBDay;
    other->clearList();
    other->addListItem(QStringLiteral("7"));
    p.procedure(form);
    p.procedure(form);
    EXPECT_EQ(p.box->listItems(), numbers(1, p.days)) << p.box->objectName().toStdString();
    EXPECT_EQ(other->listItems(), QStringList{QStringLiteral("7")});
  }
}

TEST_F(DayLists, MonthListsHoldTheTwelveNamesAfterEveryEntry) {
  const QStringList months = {"January",   "February", "March",    "April",
                              "May",       "June",     "July",     "August",
                              "September", "October",  "November", "December"};
  for (ComboBox* box : {form.cmbBMonth, form.cmbDMonth}) {
    SCOPED_TRACE(box->objectName().toStdString());
    chooseMonth(box, QStringLiteral("March"));
    EXPECT_EQ(box->text(), QStringLiteral("March"));
    form.focusControl(form.CmdCalculate);
    form.focusControl(box);
    EXPECT_EQ(box->listItems(), months);
    EXPECT_EQ(box->text(), QString());
  }
}

TEST_F(DayLists, AgeListsHoldZeroToTwelveMonthsAndZeroToThirtyOneDays) {
  for (int round = 0; round < 3; ++round) {
    form.focusControl(form.cmbAMonth);
    form.cmbAMonth->setText(QStringLiteral("5"));
    form.focusControl(form.cmbADay);
    EXPECT_EQ(form.cmbAMonth->listItems(), numbers(0, 12));
    EXPECT_EQ(form.cmbADay->listItems(), numbers(0, 31));
  }
  // The typed months text is lost when the box is entered again.
  form.focusControl(form.cmbAMonth);
  EXPECT_EQ(form.cmbAMonth->text(), QString());
}

}  // namespace
}  // namespace vantel::test
