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
  if (buttons != msg::YesNo) return msg::Ok;
  return std::bernoulli_distribution(0.5)(rng_) ? msg::Yes : msg::No;
}

QString FuzzPlatform::inputBox(const QString& prompt, const QString& title) {
  ++inputCount;
  if (prompt.trimmed().isEmpty() || title.trimmed().isEmpty())
    findings_ << QStringLiteral("input box without a title or prompt: title %1, prompt %2")
                     .arg(quoted(title), quoted(prompt));
  if (std::bernoulli_distribution(0.3)(rng_)) return {};  // Cancel
  return hostileText(rng_, true);
}

void FuzzPlatform::printForm(Form& form) {
  ++printCount;
  lastPrint = form.grab().toImage();
  if (lastPrint.isNull() || lastPrint.width() < 2 || lastPrint.height() < 2)
    findings_ << QStringLiteral("print of %1 gave an empty picture").arg(form.objectName());
}

QStringList FuzzPlatform::takeFindings() {
  QStringList out;
  out.swap(findings_);
  return out;
}

}  // namespace vantel::fuzz
