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

QAccessibleInterface* formControlAccessible(const QString& className, QObject* object) {
  if (className == QLatin1String("vantel::Form")) {
    if (auto* form = qobject_cast<Form*>(object)) return new FormAccessible(form);
  }
  if (className == QLatin1String("vantel::Line")) {
    if (auto* line = qobject_cast<Line*>(object)) return new LineAccessible(line);
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
