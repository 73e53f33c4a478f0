#pragma once
// The one way every window prints: refuse while there is nothing to print, ask
// whether to add something (the ancestor's name, a note), change the form for
// the page, print it, and put the form back. Each window keeps its own texts in
// a table and decides what the addition is; the steps and their order are here.

#include <QString>
#include <functional>

namespace vantel {

class Form;

// The texts of one print command: the prompt of "No Results to Print" and the
// question with its title.
struct PrintTexts {
  QString refusal;
  QString question;
  QString questionTitle;
};

enum class PrintChoice { Refused, Plain, WithAddition };

// "No Results to Print" with the command's refusal prompt.
void refusePrint(Form& form, const PrintTexts& texts);

// Refuses when nothing can be printed; otherwise asks the question. Plain when
// the user answers No, WithAddition when Yes.
PrintChoice askToPrint(Form& form, bool printable, const PrintTexts& texts);

// The name the user types for the page; the empty text on Cancel.
QString askAncestorName(Form& form);

// Prints the form as it is shown now; restore then puts it back, whatever
// became of the page (printed, saved, declined or failed).
void printThenRestore(Form& form, const std::function<void()>& restore = {});

}  // namespace vantel
