#pragma once
// Printing the Birth-Age-Death form's results: a picture of the form as it
// stands, optionally with the ancestor's name written into its instructions
// box for the page. The button and the menu item print alike and differ only
// in the wording of the sentences they write.

namespace vantel {

class FormBAD;

// The sentences written into TextHowto around a print with the ancestor's
// name: the text ahead of the name and the text after it, on the page; the
// closing sentence, on screen afterwards.
struct PrintSentences {
  const char* aheadOfName;
  const char* afterName;
  const char* closing;
};

// One row for each missing value, in the order OptBirth, OptAge, OptDeath.
struct PrintTable {
  PrintSentences birth, age, death;
};

// The button "&Print Results" (CmdPrintForm) and the menu item of the same
// caption (mnuPrint).
extern const PrintTable kButtonSentences;
extern const PrintTable kMenuSentences;

// Refuses while no result is shown (or no option is selected any more, after
// "&Reset Form"); otherwise asks whether to add the ancestor's name and prints
// the form once, with the name if the user wants it. The name is used exactly
// as typed; Cancel gives the empty name.
void PrintBadResults(FormBAD& form, const PrintTable& sentences);

}  // namespace vantel
