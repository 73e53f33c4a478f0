// The program as it starts, with the splash dismissed by a key press as soon
// as it shows; done when the Getting Started page inside the main window has
// been painted.
#include <QApplication>
#include <QKeyEvent>

#include "ShownProbe.h"
#include "forms/Program.h"
#include "forms/QtPlatform.h"
#include "shell/FormBegin.h"
#include "shell/FormSplash.h"
#include "shell/Startup.h"

namespace {

// Presses a character key on the splash the moment it is shown.
class KeyOnSplash : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show && qobject_cast<vantel::FormSplash*>(watched))
      QCoreApplication::postEvent(
          watched, new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a")));
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  vantel::QtPlatform platform;
  vantel::Program program(platform);
  KeyOnSplash key;
  ShownProbe probe(
      [](QWidget* w) { return qobject_cast<vantel::FormBegin*>(w) && w->isVisible(); });
  app.installEventFilter(&key);
  app.installEventFilter(&probe);
  return vantel::runProgram(program);
}
