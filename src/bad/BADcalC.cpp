#include "bad/BADcalC.h"

#include "bad/BadEntries.h"
#include "bad/BadVariables.h"
#include "bad/FormBAD.h"
#include "forms/Colors.h"
#include "forms/Program.h"

namespace vantel {

namespace {

// The six steps that show a result, the same for every mode.
void showResult(FormBAD& f, TextBox* box, QGroupBox* frame, const std::string& result,
                const QString& sentence) {
  box->setText(QString::fromStdString(result));
  frame->show();
  f.TextHowto->setText(sentence);
  setForeColor(f.TextHowto, colors::navy());
  f.program().state<BadVariables>().BadResultShown = 1;
  f.mnuPrint->setEnabled(true);
}

}  // namespace

void BADcalC(FormBAD& f) {
  auto& v = f.program().state<BadVariables>();
  const auto mode = checkedMode(f);
  if (!mode) return;
  const BadResult result = computeMissing(*mode, {{v.BirthYear, v.BirthMonth, v.BirthDay},
                                                  {v.AgeYears, v.AgeMonths, v.AgeDays},
                                                  {v.DeathYear, v.DeathMonth, v.DeathDay}});
  if (result.refusal) return refuse(f, *result.refusal);

  switch (*mode) {
    case BadMode::Birth:
      v.CalcBirthYear = result.date->year;
      v.CalcBirthMonth = result.date->month;
      v.CalcBirthDay = result.date->day;
      return showResult(f, f.TxTBirthDis, f.FrameBirthDis, dateText(*result.date),
                        QStringLiteral("You supplied an age at death and a death date.  The birth "
                                       "date is displayed above."));
    case BadMode::Age:
      v.CalcAgeYears = result.age->years;
      v.CalcAgeMonths = result.age->months;
      v.CalcAgeDays = result.age->days;
      return showResult(f, f.TxTAgeDis, f.FrameAgeDis, ageText(*result.age),
                        QStringLiteral("You supplied a birth date and death date.  The age at "
                                       "death is displayed above."));
    case BadMode::Death:
      v.CalcDeathYear = result.date->year;
      v.CalcDeathMonth = result.date->month;
      v.CalcDeathDay = result.date->day;
      return showResult(f, f.TxTDeathDis, f.FrameDeathDis, dateText(*result.date),
                        QStringLiteral("You supplied a birth date and age at death.  The death "
                                       "date is displayed above."));
  }
}

}  // namespace vantel
