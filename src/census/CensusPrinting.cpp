#include "census/CensusPrinting.h"

#include "census/CensusVariables.h"
#include "census/FormCBYC.h"
#include "forms/PrintFlow.h"
#include "forms/Program.h"

namespace vantel::census {

namespace {

struct Texts {
  PrintTexts print;
  QString headingPrefix;
  QString closing;
};

// The button and the menu item were written separately and word their texts a
// little differently; each keeps its own.
const Texts kButtonTexts{
    {QStringLiteral("You have not calculated a possible birth year for your ancestor.  Select at "
                    "least one census year and age range value."),
     QStringLiteral("Would you like to have your Ancestor's name added to this screen print?"),
     QStringLiteral("Add Ancestor?")},
    QStringLiteral("Based on your input, the possible birth Years for "),
    QStringLiteral("Based on your selections, the possible years of birth for your Ancestor are:"),
};
const Texts kMenuTexts{
    {QStringLiteral("You have not calculated a possible birth year for your Ancestor.  Select at "
                    "least one census year and age range value."),
     QStringLiteral("Would you like to have your Ancestors name added to this screenprint?"),
     QStringLiteral("Add Ancestor?")},
    QStringLiteral("Based on your input, the possible Birth Years for "),
    QStringLiteral("Based on your selections, the possible years of Birth for your Ancestor are:"),
};

// Which 1790 gender has its range selected; the female option is tested first.
enum class Gender { Female, Male, None };

Gender chosenGender(const FormCBYC& form) {
  if (form.option(QStringLiteral("Opt1790F_1"))->isChecked()) return Gender::Female;
  if (form.option(QStringLiteral("Opt1790M_1"))->isChecked() ||
      form.option(QStringLiteral("Opt1790M_2"))->isChecked())
    return Gender::Male;
  return Gender::None;
}

// For the picture: the button of the chosen gender stands under its range as
// a heading, and neither "Change to:" shows.
void arrangeForPicture(FormCBYC& form) {
  const Gender gender = chosenGender(form);
  if (gender == Gender::None) return;
  form.CmdMaleA->setVisible(gender == Gender::Male);
  form.CmdFemaleA->setVisible(gender == Gender::Female);
  form.LbL1790F->hide();
  form.LbL1790M->hide();
}

// Back to the normal arrangement: "Change to:" and the other gender's button.
void arrangeAfterPicture(FormCBYC& form) {
  const Gender gender = chosenGender(form);
  if (gender == Gender::None) return;
  form.CmdMaleA->setVisible(gender == Gender::Female);
  form.CmdFemaleA->setVisible(gender == Gender::Male);
  form.LbL1790F->setVisible(gender == Gender::Female);
  form.LbL1790M->setVisible(gender == Gender::Male);
}

}  // namespace

void printResults(FormCBYC& form, PrintCommand command) {
  const Texts& texts = command == PrintCommand::Button ? kButtonTexts : kMenuTexts;
  const bool printable = !form.program().state<CensusVariables>().CensusYearsText.isEmpty();
  const PrintChoice choice = askToPrint(form, printable, texts.print);
  if (choice == PrintChoice::Refused) {
    if (command == PrintCommand::Button) form.mnuPrint->setEnabled(false);
    return;
  }
  const bool named = choice == PrintChoice::WithAddition;
  if (named)
    form.LblYourYears->setText(texts.headingPrefix + askAncestorName(form) +
                               QStringLiteral(" are:"));
  arrangeForPicture(form);
  printThenRestore(form, [&] {
    arrangeAfterPicture(form);
    if (named) form.LblYourYears->setText(texts.closing);
  });
}

}  // namespace vantel::census
