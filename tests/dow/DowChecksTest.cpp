// The month-length check of the Day-of-week form, run when the month box is left.
#include "dow/DowChecks.h"
#include "dow/DowFixture.h"
#include "support/MonthLengthCases.h"

namespace vantel::test {
namespace {

TEST_F(DowTest, LeavingTheMonthBoxChecksTheMonthLength) {
  auto cases = monthLengthCases();
  // Typed texts: only exact month names and days count.
  cases.insert(cases.end(), std::initializer_list<MonthLengthCase>{
                                {"May", "31", ""},
                                {"april", "31", ""},
                                {"April ", "31", ""},
                                {"", "31", ""},
                                {"April", "031", ""},
                            });
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << '"' << c.month << "\" \"" << c.day << '"');
    form.focusControl(form.CmbMth);
    form.CmbDay->setText(c.day);
    form.CmbMth->setText(c.month);
    form.txtYear->setText("1900");
    platform.clear();
    form.focusControl(form.txtYear);
    const auto messages = platform.messages();
    if (c.prompt.isEmpty()) {
      EXPECT_TRUE(messages.isEmpty());
      EXPECT_EQ(focused(), "txtYear");
      EXPECT_EQ(form.CmbDay->text(), c.day);
      continue;
    }
    EXPECT_EQ(messages.size(), 1);
    const Call message = messages.value(0);
    EXPECT_EQ(message.prompt, c.prompt);
    EXPECT_EQ(message.title, "Too Many Days!");
    EXPECT_EQ(message.style, msg::Information | msg::OkOnly);
    EXPECT_EQ(focused(), "CmbDay");
    EXPECT_EQ(form.CmbMth->text(), c.month);  // the check itself clears nothing
    EXPECT_EQ(form.txtYear->text(), "1900");
  }
}

// The day-of-week request calls the computation at once for any date but the
// 29th of February, and for that date only in a leap year.
TEST_F(DowTest, TheRequestCheckRefusesOnlyTheLeapDayOfACommonYear) {
  struct Case {
    const char *month, *day, *year;
    bool computed;
  };
  const Case cases[] = {
      {"February", "28", "1900", true},  {"February", "29", "2000", true},
      {"February", "29", "1996", true},  {"February", "29", "1900", false},
      {"February", "29", "1997", false}, {"February", "29", "2100", false},
      {"March", "29", "1900", true},     {"February", "30", "1996", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.month << ' ' << c.day << ' ' << c.year);
    form.focusControl(form.CmdDOWgo);
    form.CmbMth->setText(c.month);
    form.CmbDay->setText(c.day);
    form.txtYear->setText(c.year);
    form.TxtDay->setText("");
    platform.clear();
    CheckValues::CheckDowDate(form);
    EXPECT_EQ(!form.TxtDay->text().isEmpty(), c.computed);
    EXPECT_EQ(platform.messages().size(), c.computed ? 0 : 1);
  }
}

// 29 February of a century year is a leap day only when the century is divisible
// by 400, negative centuries included (remainders keep the year's sign). A leap
// day passes the check; the computation then gives its weekday, or refuses a
// negative year with its own message.
TEST_F(DowTest, TheLeapDayOfACenturyYearFollowsTheFourHundredYearRule) {
  const QString nonLeap = QStringLiteral(
      " is not a leap year and therefore only has 28 days, please select another day or enter a "
      "different year.");
  struct Case {
    const char* year;
    const char* outcome;  // the weekday, or the title of the one message
  };
  const Case cases[] = {
      {"1600", "Tuesday"},        {"2000", "Tuesday"},        {"2400", "Tuesday"},
      {"400", "Tuesday"},         {"0", "Tuesday"},           {"1700", "Non Leap Year!"},
      {"1800", "Non Leap Year!"}, {"1900", "Non Leap Year!"}, {"2100", "Non Leap Year!"},
      {"100", "Non Leap Year!"},  {"-100", "Non Leap Year!"}, {"-300", "Non Leap Year!"},
      {"-400", "Invalid Year!"},  {"-800", "Invalid Year!"},  {"-104", "Invalid Year!"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "29 February " << c.year);
    calculate("February", "29", c.year);
    const QString outcome = c.outcome;
    const auto messages = platform.messages();
    if (!outcome.endsWith('!')) {
      EXPECT_EQ(form.TxtDay->text(), outcome);
      EXPECT_TRUE(messages.isEmpty());
      continue;
    }
    EXPECT_EQ(form.TxtDay->text(), "");
    EXPECT_EQ(messages.size(), 1);
    EXPECT_EQ(messages.value(0).title, outcome);
    if (outcome == "Non Leap Year!") {
      EXPECT_EQ(messages.value(0).prompt, c.year + nonLeap);
      EXPECT_EQ(focused(), "CmbDay");
    }
  }
}

}  // namespace
}  // namespace vantel::test
