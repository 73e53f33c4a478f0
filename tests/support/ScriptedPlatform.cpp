#include "support/ScriptedPlatform.h"

#include "forms/Form.h"

namespace vantel::test {

int ScriptedPlatform::msgBox(const QString& prompt, const QString& title, int style) {
  calls.append(Call{Call::Message, prompt, title, style, {}, {}});
  if (whileShown) whileShown(calls.back());
  if (!answers.empty()) {
    const int answer = answers.front();
    answers.pop_front();
    return answer;
  }
  return msg::buttons(style) == msg::YesNo ? msg::No : msg::Ok;
}

QString ScriptedPlatform::inputBox(const QString& prompt, const QString& title) {
  calls.append(Call{Call::Input, prompt, title, 0, {}, {}});
  if (inputs.empty()) return {};
  QString text = inputs.front();
  inputs.pop_front();
  return text;
}

void ScriptedPlatform::printForm(Form& form) {
  calls.append(Call{Call::Print, {}, {}, 0, form.objectName(), form.grab().toImage()});
  if (whilePrinting) whilePrinting(form);
}

QList<Call> ScriptedPlatform::messages() const {
  QList<Call> out;
  for (const Call& c : calls)
    if (c.kind == Call::Message) out.append(c);
  return out;
}

QList<Call> ScriptedPlatform::prints() const {
  QList<Call> out;
  for (const Call& c : calls)
    if (c.kind == Call::Print) out.append(c);
  return out;
}

}  // namespace vantel::test
