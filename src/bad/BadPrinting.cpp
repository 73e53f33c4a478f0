#include "bad/BadPrinting.h"

#include "bad/BadVariables.h"
#include "bad/FormBAD.h"
#include "forms/Program.h"

namespace vantel {

const PrintTable kButtonSentences{
    {"You supplied an age at death and a death date for ", ".  The Birth Date is displayed above.",
     "You supplied an age at death and a death date.  The birth date is displayed above."},
    {"You supplied a birth date and death date for ", ".  The age at death is displayed above.",
     "You supplied a birth date and death date.  The age at death is displayed above."},
    {"You supplied a Birth Date and Age for ", ".  The Death Date is displayed above.",
     "You supplied a birth Date and age at death.  The death date is displayed above."},
};

const PrintTable kMenuSentences{
    {"You supplied an Age at Death and a Death Date for ", ".  The Birth Date is displayed above.",
     "You supplied an Age at Death and a Death Date.  The Birth Date is displayed above."},
    {"You supplied a Birth Date and Death Date for ", ".  The Age at Death is displayed above.",
     "You supplied a Birth Date and Death Date.  The Age at Death is displayed above."},
    {"You supplied a Birth Date and Age for ", ".  The Death Date is displayed above.",
     "You supplied a Birth Date and Age at Death.  The Death Date is displayed above."},
};

void PrintBadResults(FormBAD& f, const PrintTable& sentences) {
  Platform& platform = f.program().platform();
  // The sentences of the selected option; none after "&Reset Form", which
  // keeps BadResultShown but leaves no result on the form to print.
  const PrintSentences* row = f.OptBirth->isChecked()   ? &sentences.birth
                              : f.OptAge->isChecked()   ? &sentences.age
                              : f.OptDeath->isChecked() ? &sentences.death
                                                        : nullptr;
  if (f.program().state<BadVariables>().BadResultShown == 0 || !row) {
    platform.msgBox(QStringLiteral("You have not calculated any missing information for your "
                                   "ancestor.  Select the missing information you'd like to "
                                   "calculate."),
                    QStringLiteral("No Results to Print"), msg::Critical + msg::OkOnly);
    return;
  }
  const int answer = platform.msgBox(
      QStringLiteral("Would you like to have your Ancestor's name added to this screen print?"),
      QStringLiteral("Add Ancestor?"), msg::YesNo);
  if (answer != msg::Yes) {
    platform.printForm(f);
    return;
  }
  const QString name =
      platform.inputBox(QStringLiteral("Enter you Ancestor's name in the box below."),
                        QStringLiteral("Add Ancestor"));
  f.TextHowto->setText(QString::fromUtf8(row->aheadOfName) + name +
                       QString::fromUtf8(row->afterName));
  platform.printForm(f);
  f.TextHowto->setText(QString::fromUtf8(row->closing));
}

}  // namespace vantel
