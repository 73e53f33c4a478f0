#include "forms/Accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "forms/Controls.h"
#include "forms/Form.h"

namespace vantel {
namespace {

// A form: a window or dialog while it is a top-level window, a plain grouping
// once the main window hosts it as a child (its child window's frame is then
// the window).
class FormAccessible : public QAccessibleWidget {
 public:
  explicit FormAccessible(QWidget* form) : QAccessibleWidget(form) {}
  QAccessible::Role role() const override {
    if (!widget()->isWindow()) return QAccessible::Client;
    return widget()->windowType() == Qt::Dialog ? QAccessible::Dialog : QAccessible::Window;
  }
};

// A line: a separator that is never shown to assistive tools, as a picture
// that only decorates is hidden from them.
class LineAccessible : public QAccessibleWidget {
 public:
  explicit LineAccessible(QWidget* line) : QAccessibleWidget(line, QAccessible::Separator) {}
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.invisible = true;
    s.focusable = false;
    return s;
  }
};

bool isLine(QObject* object) {
  if (qobject_cast<Line*>(object)) return true;
  auto* frame = qobject_cast<QFrame*>(object);
  return frame && (frame->frameShape() == QFrame::HLine || frame->frameShape() == QFrame::VLine);
}

QAccessibleInterface* formControlAccessible(const QString& className, QObject* object) {
  if (className == QLatin1String("vantel::Form")) {
    if (auto* form = qobject_cast<Form*>(object)) return new FormAccessible(form);
  }
  // The program's dark-blue lines, and Qt's own drawn lines (an etched line
  // is one).
  if (className == QLatin1String("vantel::Line") || className == QLatin1String("QFrame")) {
    if (isLine(object)) return new LineAccessible(static_cast<QWidget*>(object));
  }
  return nullptr;
}

}  // namespace

void describeFormsToScreenReaders() {
  static const bool installed = [] {
    QAccessible::installFactory(formControlAccessible);
    return true;
  }();
  (void)installed;
}

}  // namespace vantel
