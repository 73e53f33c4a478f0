#pragma once
// The month-length check's cases shared by both date calculators: a month
// name and a day, and the prompt of its "Too Many Days!" message (empty when
// the date passes).

#include <QString>
#include <vector>

namespace vantel::test {

struct MonthLengthCase {
  const char *month, *day;
  QString prompt;
};

inline std::vector<MonthLengthCase> monthLengthCases() {
  const QString thirty = " only has 30 days, please pick another day or enter a different Month.";
  const QString february =
      " has a maximum of 29 days (Leap Year), please pick another day or enter a different Month.";
  return {
      {"April", "31", "April" + thirty},
      {"June", "31", "June" + thirty},
      {"September", "31", "September" + thirty},
      {"November", "31", "November" + thirty},
      {"February", "30", "February" + february},
      {"February", "31", "February" + february},
      // No message: the year is not looked at.
      {"February", "29", ""},
      {"April", "30", ""},
      {"March", "31", ""},
  };
}

}  // namespace vantel::test
