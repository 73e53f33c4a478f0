#include "dow/DOWcalC.h"

#include "calendar/CheckValues.h"
#include "dow/FormDOW.h"
#include "dow/rules/WeekdayRequest.h"
#include "forms/Colors.h"
#include "forms/Program.h"

namespace vantel {
namespace {

void showResult(FormDOW& form, std::string_view weekday) {
  form.TxtDay->setText(QString::fromLatin1(weekday.data(), static_cast<int>(weekday.size())));
  setForeColor(form.TxtDay, colors::navy());
  form.TextHowto->setText(
      QStringLiteral("The day of the week for the date you entered is displayed above."));
  setForeColor(form.TextHowto, colors::navy());
  form.Frame2->setTitle(QStringLiteral("Results"));
  const bool printable = !form.TxtDay->text().isEmpty();
  form.CmdPrintForm->setEnabled(printable);
  form.mnuPrint->setEnabled(printable);
}

// The message, then the focus back to the field at fault: a refused year
// selected whole, a refused typed month or day put back into its box, selected.
void refuse(FormDOW& form, const DowRefusal& refusal) {
  const std::array<QWidget*, 3> boxes{form.CmbMth, form.CmbDay, form.txtYear};
  QWidget* box = boxes[static_cast<std::size_t>(refusal.box)];
  vantel::refuse(form, refusal.message, box, refusal.correction);
}

}  // namespace

void DOWcalC(FormDOW& form) {
  const DowOutcome outcome =
      weekdayOf(form.CmbMth->text().toStdString(), form.CmbDay->text().toStdString(),
                form.txtYear->text().toStdString());
  if (outcome.refusal) return refuse(form, *outcome.refusal);
  if (!outcome.terms) return;  // no accepted date leaves the 16-bit range
  showResult(form, weekdayName(outcome.terms->DowRemainder));
}

}  // namespace vantel
