#pragma once
// The lists the date and age boxes offer, rebuilt each time a box gets the
// focus: the twelve month names, a run of numbers, and the day-list choice,
// which picks the one procedure that fills a day box with as many days as the
// month and year typed allow (31, 30, 29 or 28). The calculators name their
// procedures (bad/BadDayLists.h, dow/DowDayLists.h); each fills its box with
// fillNumberList.

#include <QString>

#include "calendar/rules/Calendar.h"

namespace vantel {

class ComboBox;

// Empties the box's list (and text) and adds "January" to "December".
void fillMonthList(ComboBox* box);

// Empties the box's list (and text) and adds the numbers first to last, in
// decimal without leading zeros.
void fillNumberList(ComboBox* box, int first, int last);

// The four procedures that fill one day box of form F, by the number of days
// offered.
template <class F>
struct DayListProcedures {
  void (*days31)(F&);
  void (*days30)(F&);
  void (*days29)(F&);
  void (*days28)(F&);
};

// The day-list choice: calls exactly one of the procedures, as the month text
// and the year text decide (calendar/rules/Calendar.h, dayListLength).
template <class F>
void chooseDayList(F& form, const QString& monthText, const QString& yearText,
                   const DayListProcedures<F>& procedures) {
  switch (dayListLength(monthText.toStdString(), yearText.toStdString())) {
    case 30: procedures.days30(form); break;
    case 29: procedures.days29(form); break;
    case 28: procedures.days28(form); break;
    default: procedures.days31(form); break;
  }
}

}  // namespace vantel
