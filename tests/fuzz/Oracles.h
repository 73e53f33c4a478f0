#pragma once
// The checks a fuzz run makes after every step, on what the program shows. They
// find the result controls by the names the program keeps for them, so they
// follow the windows as their layout changes:
//
// - FormBAD: TxTBirthDis and TxTDeathDis, when their frames show, hold a real
//   date of the Gregorian calendar ("December 23, 1869"); TxTAgeDis holds an
//   age of 0 to 11 months and 0 to 30 days ("50 Years, 1 Month and 26 Days").
// - FormDOW: a weekday written into TxtDay agrees with std::chrono's calendar
//   for the CmbMth, CmbDay and txtYear it was computed from (read when it was
//   written, since a user may change them afterwards).
// - FormCBYC: a list of years written into TextDisplay equals CensusYearsText
//   and the years every ticked census admits by the age-range table
//   (census::CensusAgeRanges), found by brute force from the check boxes and
//   options at the moment it was written.
//
// Each check also counts how often it ran, so a run can tell how much of the
// program's results it reached.

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QStringList>

namespace vantel {
class Program;
}

namespace vantel::fuzz {

struct OracleCounts {
  int dates = 0;
  int ages = 0;
  int weekdays = 0;
  int censusLists = 0;
};

class Oracles : public QObject {
  Q_OBJECT
 public:
  // Watches the result controls of the program's forms (new forms are found at
  // every check) and returns the findings of what they show now.
  QStringList check(Program& program);
  const OracleCounts& counts() const { return counts_; }

 private:
  void watch(Program& program);
  void weekdayWritten(QObject* form);
  void censusListWritten(Program& program, QObject* form);

  QStringList findings_;
  OracleCounts counts_;
  QHash<QObject*, bool> watched_;
};

// The checks on their own, for the tests of the oracles themselves: each gives
// the finding for a shown text, or the empty text when it is sound.
QString checkDateText(const QString& shown);
QString checkAgeText(const QString& shown);
QString checkWeekday(const QString& shown, const QString& month, const QString& day,
                     const QString& year);

}  // namespace vantel::fuzz
