#include "bad/BadPrinting.h"

#include "bad/BadVariables.h"
#include "bad/FormBAD.h"
#include "forms/PrintFlow.h"
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

namespace {

// The button and the menu item refuse and ask alike.
const PrintTexts kPrintTexts{
    QStringLiteral("You have not calculated any missing information for your ancestor.  Select the "
                   "missing information you'd like to calculate."),
    QStringLiteral("Would you like to have your Ancestor's name added to this screen print?"),
    QStringLiteral("Add Ancestor?"),
};

}  // namespace

void PrintBadResults(FormBAD& f, const PrintTable& sentences) {
  // The sentences of the selected option; none after "&Reset Form", which
  // keeps BadResultShown but leaves no result on the form to print.
  const PrintSentences* row = f.OptBirth->isChecked()   ? &sentences.birth
                              : f.OptAge->isChecked()   ? &sentences.age
                              : f.OptDeath->isChecked() ? &sentences.death
                                                        : nullptr;
  const bool printable = f.program().state<BadVariables>().BadResultShown != 0 && row;
  switch (askToPrint(f, printable, kPrintTexts)) {
    case PrintChoice::Refused: return;
    case PrintChoice::Plain: return printThenRestore(f);
    case PrintChoice::WithAddition: break;
  }
  f.TextHowto->setText(QString::fromUtf8(row->aheadOfName) + askAncestorName(f) +
                       QString::fromUtf8(row->afterName));
  printThenRestore(f, [&] { f.TextHowto->setText(QString::fromUtf8(row->closing)); });
}

}  // namespace vantel
