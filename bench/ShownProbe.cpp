#include "ShownProbe.h"

#include <unistd.h>

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>

ShownProbe::ShownProbe(std::function<bool(QWidget*)> target) : target_(std::move(target)) {}

bool ShownProbe::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Paint && watched->isWidgetType() &&
      target_(static_cast<QWidget*>(watched))) {
    // Once this paint has reached the screen.
    QTimer::singleShot(0, [] {
      std::fputs("shown\n", stdout);
      std::fflush(stdout);
      _exit(0);
    });
  }
  return QObject::eventFilter(watched, event);
}
