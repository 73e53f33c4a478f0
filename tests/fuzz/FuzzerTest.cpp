// The fuzzer's own parts: its oracles must tell a sound result from an
// impossible one, its steps must survive a replay file, and shrinking must
// find the shortest failing list.
#include <gtest/gtest.h>

#include "fuzz/Action.h"
#include "fuzz/Oracles.h"
#include "fuzz/QtWarnings.h"
#include "fuzz/Shrink.h"

namespace vantel::fuzz {
namespace {

struct OracleRow {
  const char* name;
  QString (*check)(const QString&);
  QString shown;
  bool sound;
};

TEST(FuzzOracles, DatesAndAgesAsTheFormWritesThem) {
  const OracleRow rows[] = {
      {"plain date", checkDateText, "December 23, 1869", true},
      {"leap day", checkDateText, "February 29, 2000", true},
      {"leap day of a common century", checkDateText, "February 29, 1900", false},
      {"thirty-first of a short month", checkDateText, "April 31, 1870", false},
      {"day zero", checkDateText, "May 0, 1870", false},
      {"no month", checkDateText, "Smarch 3, 1870", false},
      {"other layout", checkDateText, "1869-12-23", false},
      {"age", checkAgeText, "50 Years, 1 Month and 26 Days", true},
      {"ones", checkAgeText, "1 Year, 1 Month and 1 Day", true},
      {"zeros", checkAgeText, "0 Years, 0 Months and 0 Days", true},
      {"negative years", checkAgeText, "-3 Years, 11 Months and 30 Days", true},
      {"twelve months", checkAgeText, "3 Years, 12 Months and 0 Days", false},
      {"thirty-one days", checkAgeText, "3 Years, 0 Months and 31 Days", false},
      {"negative days", checkAgeText, "3 Years, 0 Months and -1 Days", false},
      {"plural of one", checkAgeText, "1 Years, 0 Months and 0 Days", false},
      {"singular of two", checkAgeText, "2 Years, 2 Month and 0 Days", false},
  };
  for (const OracleRow& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(row.check(row.shown).isEmpty(), row.sound) << row.check(row.shown).toStdString();
  }
}

TEST(FuzzOracles, WeekdaysAgainstTheCalendar) {
  struct Row {
    const char* name;
    const char *shown, *month, *day, *year;
    bool sound;
  } rows[] = {
      {"a Thursday", "Thursday", "December", "23", "1869", true},
      {"year zero", "Saturday", "January", "1", "0", true},
      {"last day", "Friday", "December", "31", "9999", true},
      {"leap day", "Tuesday", "February", "29", "2000", true},
      {"year in exponent notation", "Thursday", "December", "23", "1.869e3", true},
      {"year rounded half to even", "Thursday", "December", "23", " 1869.5 ", false},
      {"day with a leading zero", "Thursday", "December", "023", "1869", true},
      {"day with blanks around it", "Thursday", "December", " 23 ", "1869", true},
      {"day with a tab", "Thursday", "December", "23\t", "1869", false},
      {"wrong weekday", "Friday", "December", "23", "1869", false},
      {"no weekday", "Funday", "December", "23", "1869", false},
      {"day the month lacks", "Monday", "February", "29", "1900", false},
      {"month not in the list", "Thursday", "december", "23", "1869", false},
      {"day with a sign", "Thursday", "December", "+23", "1869", false},
      {"year past 9999", "Monday", "January", "1", "10000", false},
      {"year of other digits", "Thursday", "December", "23", "١٨٦٩", false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const QString finding = checkWeekday(row.shown, row.month, row.day, row.year);
    EXPECT_EQ(finding.isEmpty(), row.sound) << finding.toStdString();
  }
}

TEST(FuzzSteps, EveryKindAndAnyTextSurviveAReplayFile) {
  const Actions steps = {
      {Action::Type, "FormDOW/txtYear", "12\t34\n\r\x01" + QString(QChar(0)) + "%1 ١٨ 😀", 42},
      {Action::Paste, "FormBAD/txtBYear", QString(5000, QLatin1Char('9')), 0},
      {Action::Key, {}, "Shift+Tab", 18446744073709551615ULL},
      {Action::Menu, {}, "mnuwindow/#2", 7},
      {Action::Pick, "FormDOW/CmbMth", "11", 1},
      {Action::Close, "FormCBYC", {}, 3},
  };
  EXPECT_EQ(fromText(toText(steps, {"a comment"})), steps);
  EXPECT_FALSE(fromLine("jump\tFormDOW/x\t\t1").has_value());
}

TEST(FuzzShrink, FindsTheShortestListThatStillFails) {
  QList<int> steps;
  for (int i = 0; i < 60; ++i) steps << i;
  int tries = 0;
  // Fails when step 41 comes after step 7 with step 13 somewhere.
  auto fails = [&](const QList<int>& l) {
    ++tries;
    return l.contains(13) && l.indexOf(7) >= 0 && l.indexOf(41) > l.indexOf(7);
  };
  EXPECT_EQ(shrink(steps, fails, 500), (QList<int>{7, 13, 41}));
  EXPECT_LT(tries, 200);
  // Stopped early, it still gives a list that fails.
  EXPECT_TRUE(fails(shrink(steps, fails, 10)));
}

TEST(FuzzQtWarnings, OnlyThePlatformsOwnMessagesAreIgnored) {
  EXPECT_TRUE(isPlatformNoise("qt.qpa.offscreen", "anything"));
  EXPECT_TRUE(isPlatformNoise("default", "This plugin does not support raise()"));
  EXPECT_TRUE(
      isPlatformNoise("default", "  OpenType support missing for \"Liberation Sans\", script 12"));
  EXPECT_FALSE(isPlatformNoise("default", "QObject::connect: No such signal"));
  EXPECT_FALSE(
      isPlatformNoise("qt.widgets.painting", "QPainter::begin: Paint device returned engine == 0"));
}

}  // namespace
}  // namespace vantel::fuzz
