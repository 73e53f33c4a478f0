// The month-length check of the Day-of-week form, run when the month box is left.
#include "calendar/CheckValues.h"
#include "calendar/MonthLengthCases.h"
#include "dow/DowFixture.h"

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
    form.focusControl(form.CmbMth);
    form.CmbDay->setText(c.day);
    form.CmbMth->setText(c.month);
    form.txtYear->setText("1900");
    platform.clear();
    form.focusControl(form.txtYear);
    const auto messages = platform.messages();
    if (c.prompt.isEmpty()) {
      EXPECT_TRUE(messages.isEmpty()) << c.month << " " << c.day;
      EXPECT_EQ(focused(), "txtYear");
      EXPECT_EQ(form.CmbDay->text(), c.day);
      continue;
    }
    ASSERT_EQ(messages.size(), 1) << c.month << ' ' << c.day;
    EXPECT_EQ(messages[0].prompt, c.prompt);
    EXPECT_EQ(messages[0].title, "Too Many Days!");
    EXPECT_EQ(messages[0].style, msg::Information | msg::OkOnly);
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
    form.focusControl(form.CmdDOWgo);
    form.CmbMth->setText(c.month);
    form.CmbDay->setText(c.day);
    form.txtYear->setText(c.year);
    form.TxtDay->setText("");
    platform.clear();
    CheckValues::CheckDowDate(program);
    EXPECT_EQ(!form.TxtDay->text().isEmpty(), c.computed)
        << c.month << ' ' << c.day << ' ' << c.year;
    EXPECT_EQ(platform.messages().size(), c.computed ? 0 : 1);
  }
}

}  // namespace
}  // namespace vantel::test
