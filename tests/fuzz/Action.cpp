#include "fuzz/Action.h"

#include <QStringList>
#include <algorithm>
#include <array>

namespace vantel::fuzz {
namespace {

constexpr std::array<const char*, 10> kKindNames = {
    "click", "type", "retype", "paste", "key", "pick", "menu", "tab", "activate", "close",
};

}  // namespace

QString toLine(const Action& a) {
  const QString arg = QString::fromLatin1(a.arg.toUtf8().toPercentEncoding("/#+"));
  return QStringLiteral("%1\t%2\t%3\t%4")
      .arg(QLatin1String(kKindNames[a.kind]), a.target, arg, QString::number(a.answers));
}

std::optional<Action> fromLine(const QString& line) {
  const QStringList parts = line.split(QLatin1Char('\t'));
  if (parts.size() != 4) return std::nullopt;
  Action a;
  const auto kind = std::find(kKindNames.begin(), kKindNames.end(), parts[0].toStdString());
  if (kind == kKindNames.end()) return std::nullopt;
  a.kind = static_cast<Action::Kind>(kind - kKindNames.begin());
  a.target = parts[1];
  a.arg = QString::fromUtf8(QByteArray::fromPercentEncoding(parts[2].toLatin1()));
  bool ok = false;
  a.answers = parts[3].toULongLong(&ok);
  if (!ok) return std::nullopt;
  return a;
}

QString toText(const Actions& actions, const QStringList& comments) {
  QString text;
  for (const QString& c : comments) text += QStringLiteral("# ") + c + QLatin1Char('\n');
  for (const Action& a : actions) text += toLine(a) + QLatin1Char('\n');
  return text;
}

Actions fromText(const QString& text) {
  Actions actions;
  for (const QString& line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
    if (line.startsWith(QLatin1Char('#'))) continue;
    if (auto a = fromLine(line)) actions.append(*a);
  }
  return actions;
}

}  // namespace vantel::fuzz
