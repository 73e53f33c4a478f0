#include "fuzz/QtWarnings.h"

#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace vantel::fuzz {
namespace {

QStringList& caught() {
  static QStringList warnings;
  return warnings;
}

void handler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtDebugMsg || type == QtInfoMsg) return;
  if (isPlatformNoise(context.category, text)) return;
  caught() << QStringLiteral("%1 [%2]").arg(
      text, QLatin1String(context.category ? context.category : ""));
  if (type == QtFatalMsg) {
    fprintf(stderr, "Qt fatal: %s\n", qPrintable(text));
    abort();
  }
}

}  // namespace

bool isPlatformNoise(const char* category, const QString& text) {
  if (category && std::strncmp(category, "qt.qpa", 6) == 0) return true;
  // What the headless platform cannot do for a window (raise it, pass size
  // hints to a window manager it does not have), said by Qt's platform layer
  // outside any category.
  if (text.startsWith(QLatin1String("This plugin does not support "))) return true;
  // The font engine telling that a font installed on this machine has no
  // shaping tables for a script (digits of other scripts typed into a field).
  return text.trimmed().startsWith(QLatin1String("OpenType support missing for"));
}

void catchQtWarnings() { qInstallMessageHandler(handler); }

QStringList takeQtWarnings() {
  QStringList out;
  out.swap(caught());
  return out;
}

}  // namespace vantel::fuzz
