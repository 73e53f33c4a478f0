#include "calendar/DayLists.h"

#include "calendar/rules/Calendar.h"
#include "forms/Controls.h"

namespace vantel {

void fillMonthList(ComboBox* box) {
  box->clearList();
  for (std::string_view name : kMonthNames)
    box->addListItem(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
}

void fillNumberList(ComboBox* box, int first, int last) {
  box->clearList();
  for (int n = first; n <= last; ++n) box->addListItem(QString::number(n));
}

void chooseDayList(Program& program, const QString& monthText, const QString& yearText,
                   const DayListProcedures& procedures) {
  const std::string month = monthText.toStdString();
  const std::string year = yearText.toStdString();
  switch (dayListLength(month, year)) {
    case 30: procedures.days30(program); break;
    case 29: procedures.days29(program); break;
    case 28: procedures.days28(program); break;
    default: procedures.days31(program); break;
  }
}

}  // namespace vantel
