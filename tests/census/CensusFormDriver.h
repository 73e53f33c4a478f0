#pragma once
// Drives the Census form as a user does before asking for a calculation: ticks
// a census, opens its age-range frame (for 1790 the frame of the chosen
// gender) and selects a range. Also reads back all 51 selection states.

#include <QString>
#include <initializer_list>
#include <vector>

#include "census/FormCBYC.h"

namespace vantel::test {

inline QCheckBox* censusBox(FormCBYC& form, int census) {
  return form.censusBoxes()[census::censusIndex(census)];
}

// Ticks a census and shows its frame; 1790 shows the gender frame named.
inline void tickCensus(FormCBYC& form, int census, const char* genderFrame = nullptr) {
  setCheckValue(censusBox(form, census), 1);
  if (census == 1790) {
    if (genderFrame) form.findChild<QGroupBox*>(QLatin1String(genderFrame))->show();
  } else {
    form.findChild<QGroupBox*>(QStringLiteral("Frame%1").arg(census))->show();
  }
}

// Ticks the census of each named range, opens its frame and selects it.
inline void chooseRanges(FormCBYC& form, std::initializer_list<const char*> options) {
  for (const char* name : options) {
    QRadioButton* opt = form.option(QLatin1String(name));
    const auto* frame = static_cast<QGroupBox*>(opt->parentWidget());
    const int census = frame->objectName().mid(5, 4).toInt();
    tickCensus(form, census, census == 1790 ? frame->objectName().toLatin1().constData() : nullptr);
    setOptionValue(opt, true);
  }
}

// The six box values followed by the 45 option values.
inline std::vector<int> selectionStates(FormCBYC& form) {
  std::vector<int> states;
  for (QCheckBox* box : form.censusBoxes()) states.push_back(checkValue(box));
  for (QRadioButton* opt : form.ageRangeOptions()) states.push_back(opt->isChecked() ? 1 : 0);
  return states;
}

// The years from first to last, each as four digits and a blank.
inline QString yearList(int first, int last) {
  QString text;
  for (int y = first; y <= last; ++y) text += QString::number(y) + QLatin1Char(' ');
  return text;
}

}  // namespace vantel::test
