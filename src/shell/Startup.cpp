#include "shell/Startup.h"

#include <QApplication>

#include "forms/Program.h"
#include "resources/Artwork.h"
#include "shell/FormSplash.h"

namespace vantel {

int runProgram(Program& program) {
  QApplication::setApplicationName(QStringLiteral("Vantel"));
  QApplication::setWindowIcon(artwork::programIcon());
  // The program ends when its main window closes or an Exit item ends it, not
  // when the splash gives way.
  QApplication::setQuitOnLastWindowClosed(false);
  program.onEnd([] { QCoreApplication::quit(); });
  program.open<FormSplash>();
  return QApplication::exec();
}

}  // namespace vantel
