#pragma once
// A shown Day-of-week form and the steps a user takes on it.

#include "dow/FormDOW.h"
#include "support/ProgramFixture.h"

namespace vantel::test {

// Fills the date fields one after the other, as a user does, so that leaving
// them makes the form resettable, then clicks "&Calculate the Day of Week".
inline void enterDate(FormDOW& form, const QString& month, const QString& day,
                      const QString& year) {
  form.focusControl(form.CmbMth);
  form.CmbMth->setText(month);
  form.focusControl(form.CmbDay);
  form.CmbDay->setText(day);
  form.focusControl(form.txtYear);
  form.txtYear->setText(year);
  QTest::mouseClick(form.CmdDOWgo, Qt::LeftButton);
}

class DowTest : public ProgramTest {
 protected:
  FormDOW& form = shown<FormDOW>();

  // Types the date and clicks "&Calculate the Day of Week" as with the mouse:
  // the button takes the focus first, so no field is left during the request.
  void calculate(const QString& month, const QString& day, const QString& year) {
    form.focusControl(form.CmdDOWgo);
    form.CmbMth->setText(month);
    form.CmbDay->setText(day);
    form.txtYear->setText(year);
    platform.clear();
    form.CmdDOWgo->click();
  }

  QString focused() const {
    return form.focusedControl() ? form.focusedControl()->objectName() : QString();
  }
};

}  // namespace vantel::test
