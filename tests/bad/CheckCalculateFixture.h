#pragma once
// A shown Birth-Age-Death form filled in as a user fills it: months and days
// chosen from the lists the boxes build on entry, years and ages typed.

#include "bad/FormBAD.h"
#include "support/ProgramFixture.h"

namespace vantel::test {

// The nine entry texts; an empty text leaves its box empty.
struct Entries {
  QString bMonth, bDay, bYear;
  QString aMonths, aDays, aYears;
  QString dMonth, dDay, dYear;
};

class BadTest : public ProgramTest {
 protected:
  FormBAD& form = shown<FormBAD>();

  // Selects the missing value's option; its handler shows the other two input
  // frames.
  void choose(QRadioButton* option) { setOptionValue(option, true); }

  // Enters a box (which rebuilds its list) and picks or types the text.
  void enter(ComboBox* box, const QString& text) {
    form.focusControl(box);
    if (!text.isEmpty()) box->setText(text);
  }
  void enter(TextBox* box, const QString& text) {
    form.focusControl(box);
    box->setText(text);
  }

  // Fills the visible frames: month, year, then the day, whose list depends on
  // both; the age as months, days and years.
  void fill(const Entries& e) {
    if (vantel::shown(form.FrameBirth)) {
      enter(form.cmbBMonth, e.bMonth);
      enter(form.txtBYear, e.bYear);
      enter(form.cmbBDay, e.bDay);
    }
    if (vantel::shown(form.FrameAge)) {
      enter(form.cmbAMonth, e.aMonths);
      enter(form.cmbADay, e.aDays);
      enter(form.txtAYear, e.aYears);
    }
    if (vantel::shown(form.FrameDeath)) {
      enter(form.cmbDMonth, e.dMonth);
      enter(form.txtDYear, e.dYear);
      enter(form.cmbDDay, e.dDay);
    }
  }

  // Clicks "&Calculate Missing Data" as with the mouse: the button takes the
  // focus first.
  void calculate() {
    form.focusControl(form.CmdCalculate);
    platform.clear();
    form.CmdCalculate->click();
  }

  QString focused() const {
    return form.focusedControl() ? form.focusedControl()->objectName() : QString();
  }
};

}  // namespace vantel::test
