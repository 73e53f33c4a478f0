#include "fuzz/FuzzPlatform.h"

#include "forms/Form.h"
#include "fuzz/HostileTexts.h"

namespace vantel::fuzz {
namespace {

QString quoted(const QString& text) { return QLatin1Char('"') + text.left(80) + QLatin1Char('"'); }

}  // namespace

int FuzzPlatform::msgBox(const QString& prompt, const QString& title, int style) {
  ++messageCount;
  if (prompt.trimmed().isEmpty() || title.trimmed().isEmpty())
    findings_ << QStringLiteral("message box without a title or prompt: title %1, prompt %2")
                     .arg(quoted(title), quoted(prompt));
  const int icon = msg::icon(style), buttons = msg::buttons(style);
  if (style != icon + buttons || (buttons != msg::OkOnly && buttons != msg::YesNo) ||
      icon == (msg::Critical | msg::Information))
    findings_ << QStringLiteral("message box %1 with the impossible style %2")
                     .arg(quoted(title))
                     .arg(style);
  const int answer = buttons != msg::YesNo                    ? msg::Ok
                     : std::bernoulli_distribution(0.5)(rng_) ? msg::Yes
                                                              : msg::No;
  trace << QStringLiteral("message box %1: %2 -> %3")
               .arg(quoted(title), quoted(prompt),
                    answer == msg::Ok    ? "OK"
                    : answer == msg::Yes ? "Yes"
                                         : "No");
  return answer;
}

QString FuzzPlatform::inputBox(const QString& prompt, const QString& title) {
  ++inputCount;
  if (prompt.trimmed().isEmpty() || title.trimmed().isEmpty())
    findings_ << QStringLiteral("input box without a title or prompt: title %1, prompt %2")
                     .arg(quoted(title), quoted(prompt));
  const QString answer =
      std::bernoulli_distribution(0.3)(rng_) ? QString() : hostileText(rng_, true);  // or Cancel
  trace << QStringLiteral("input box %1: %2 -> %3")
               .arg(quoted(title), quoted(prompt), quoted(answer));
  return answer;
}

void FuzzPlatform::printForm(Form& form) {
  ++printCount;
  lastPrint = form.grab().toImage();
  trace << QStringLiteral("print of %1, %2 x %3")
               .arg(form.objectName())
               .arg(lastPrint.width())
               .arg(lastPrint.height());
  if (lastPrint.isNull() || lastPrint.width() < 2 || lastPrint.height() < 2)
    findings_ << QStringLiteral("print of %1 gave an empty picture").arg(form.objectName());
}

QStringList FuzzPlatform::takeFindings() {
  QStringList out;
  out.swap(findings_);
  return out;
}

}  // namespace vantel::fuzz
