#include "forms/PrintFlow.h"

#include "forms/Program.h"

namespace vantel {

void refusePrint(Form& form, const PrintTexts& texts) {
  form.program().platform().refuse(
      {texts.refusal.toStdString(), "No Results to Print", Refusal::Critical});
}

PrintChoice askToPrint(Form& form, bool printable, const PrintTexts& texts) {
  if (!printable) {
    refusePrint(form, texts);
    return PrintChoice::Refused;
  }
  const int answer =
      form.program().platform().msgBox(texts.question, texts.questionTitle, msg::YesNo);
  return answer == msg::Yes ? PrintChoice::WithAddition : PrintChoice::Plain;
}

QString askAncestorName(Form& form) {
  return form.program().platform().inputBox(
      QStringLiteral("Enter you Ancestor's name in the box below."),
      QStringLiteral("Add Ancestor"));
}

void printThenRestore(Form& form, const std::function<void()>& restore) {
  struct Restore {
    const std::function<void()>& restore;
    ~Restore() {
      if (restore) restore();
    }
  } guard{restore};
  form.program().platform().printForm(form);
}

}  // namespace vantel
