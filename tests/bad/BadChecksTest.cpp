// The date checks of the Birth-Age-Death form, run when a date field is left.
#include "bad/CheckCalculateFixture.h"
#include "support/MonthLengthCases.h"

namespace vantel::test {
namespace {

class LeavingABadDateField : public BadTest {
 protected:
  void SetUp() override { choose(form.OptAge); }  // birth and death frames shown

  struct Date {
    ComboBox *month, *day;
    TextBox* year;
  };
  Date birth() const { return {form.cmbBMonth, form.cmbBDay, form.txtBYear}; }
  Date death() const { return {form.cmbDMonth, form.cmbDDay, form.txtDYear}; }
};

TEST_F(LeavingABadDateField, MonthLengthChecks) {
  const auto cases = monthLengthCases();
  for (const Date& d : {birth(), death()})
    for (const auto& c : cases) {
      enter(d.year, "1900");
      enter(d.month, "");
      enter(d.day, c.day);  // no month yet: the list offers 31 days
      enter(d.month, c.month);
      platform.clear();
      form.focusControl(d.year);  // leaves the month box
      const auto messages = platform.messages();
      const std::string what = d.month->objectName().toStdString() + ' ' + c.month + ' ' + c.day;
      SCOPED_TRACE(what);
      if (c.prompt.isEmpty()) {
        EXPECT_TRUE(messages.isEmpty()) << what;
        EXPECT_EQ(focused(), d.year->objectName());
        continue;
      }
      EXPECT_EQ(messages.size(), 1);
      if (messages.size() != 1) continue;
      EXPECT_EQ(messages[0].prompt, c.prompt);
      EXPECT_EQ(messages[0].title, "Too Many Days!");
      EXPECT_EQ(messages[0].style, msg::Information | msg::OkOnly);
      EXPECT_EQ(focused(), d.day->objectName()) << what;
      EXPECT_EQ(d.month->text(), c.month);  // the check clears nothing itself
      EXPECT_EQ(d.year->text(), "1900");
    }
}

TEST_F(LeavingABadDateField, LeapDayChecks) {
  const QString rest =
      " is not a leap year and therefore only has 28 days, please pick another %1 day or enter a "
      "different %1 year.";
  struct Case {
    const char* year;
    bool refused;
  };
  const Case cases[] = {
      {"1900", true},  {"1997", true}, {"2100", true},  {"2000", false},
      {"1996", false}, {"", false},    {"19x0", false}, {"abc", false},
      {"9e99", false}, {"1e5", false}, {"12.5", false},  // rounds to 12, a leap year
  };
  struct Side {
    Date date;
    const char* word;
    const char* title;
  };
  for (const Side& s : {Side{birth(), "birth", "Non Leap Year! (Birth)"},
                        Side{death(), "death", "Non Leap Year! (Death)"}})
    for (const auto& c : cases)
      for (bool leaveDay : {false, true}) {  // the year box and the day box both check
        enter(s.date.month, "February");
        enter(s.date.year, "");
        enter(s.date.day, "29");  // no year yet: the list offers the 29th
        if (leaveDay)
          s.date.year->setText(c.year);  // the day box keeps the focus
        else
          enter(s.date.year, c.year);
        platform.clear();
        form.focusControl(form.CmdCalculate);
        const auto messages = platform.messages();
        const std::string what = std::string(s.word) + ' ' + c.year + (leaveDay ? " day" : " year");
        SCOPED_TRACE(what);
        if (!c.refused) {
          EXPECT_TRUE(messages.isEmpty()) << what;
          continue;
        }
        EXPECT_EQ(messages.size(), 1);
        if (messages.size() != 1) continue;
        EXPECT_EQ(messages[0].prompt, c.year + rest.arg(s.word));
        EXPECT_EQ(messages[0].title, s.title);
        EXPECT_EQ(messages[0].style, msg::Information | msg::OkOnly);
        EXPECT_EQ(focused(), s.date.day->objectName()) << what;
        EXPECT_EQ(s.date.year->text(), c.year);
      }
}

// The age fields have no check on leaving.
TEST_F(LeavingABadDateField, AgeFieldsAreNotChecked) {
  choose(form.OptDeath);
  enter(form.cmbAMonth, "99");
  enter(form.txtAYear, "abc");
  enter(form.cmbADay, "");
  form.focusControl(form.CmdCalculate);
  EXPECT_TRUE(platform.messages().isEmpty());
}

}  // namespace
}  // namespace vantel::test
