#pragma once
// A shown Day-of-week form and the steps a user takes on it.

#include "calendar/QStringPrinting.h"
#include "dow/FormDOW.h"
#include "support/ProgramFixture.h"

namespace vantel::test {

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
