#include "calendar/DayLists.h"

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

}  // namespace vantel
