#include "forms/Form.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

#include "forms/Accessibility.h"
#include "forms/Fonts.h"
#include "forms/Program.h"

namespace vantel {

namespace {

// Watches the input of the whole program for the forms: a form's owed focus
// handlers run before the next key or mouse event reaches any window, so that
// what the user types next goes into the box as its handler left it; an Alt
// key that no access key took types nothing into a form's box; and Enter in a
// form's text or combo box presses the form's default button. (That last one
// is taken here, not left to rise to the form: with some desktops' platform
// themes, GTK's among them, a frame on the way swallows it.)
class InputWatcher : public QObject {
 public:
  static void ensure() {
    static InputWatcher* watcher = nullptr;
    if (watcher) return;
    watcher = new InputWatcher(qApp);
    qApp->installEventFilter(watcher);
  }
  static QList<QPointer<Form>>& owing() {
    static QList<QPointer<Form>> forms;
    return forms;
  }

 private:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::KeyPress:
        if (swallowsAltKey(watched, static_cast<QKeyEvent*>(event))) return true;
        runOwedHandlers();
        return pressesDefault(watched, static_cast<QKeyEvent*>(event));
      case QEvent::KeyRelease:
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease: runOwedHandlers(); break;
      default: break;
    }
    return false;
  }
  static void runOwedHandlers() {
    for (const QPointer<Form>& form : QList<QPointer<Form>>(owing()))
      if (form) form->runFocusHandlers();
  }
  static bool pressesDefault(QObject* watched, const QKeyEvent* key) {
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (!enter || (key->modifiers() & ~Qt::KeypadModifier) || !qobject_cast<QLineEdit*>(watched))
      return false;
    for (auto* w = qobject_cast<QWidget*>(watched); w; w = w->parentWidget())
      if (auto* form = qobject_cast<Form*>(w)) return form->pressDefaultButton();
    return false;
  }
  // Alt with a letter or digit whose access key is disabled reaches the box
  // that has the focus as a typed character; it types nothing.
  static bool swallowsAltKey(QObject* watched, const QKeyEvent* key) {
    const auto mods = key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (mods != Qt::AltModifier || key->text().isEmpty() || !key->text().at(0).isPrint())
      return false;
    for (auto* w = qobject_cast<QWidget*>(watched); w; w = w->parentWidget())
      if (qobject_cast<Form*>(w)) return true;
    return false;
  }
};

}  // namespace

Form::Form(Program& program, const QString& name, const QString& caption) : program_(program) {
  describeFormsToScreenReaders();
  InputWatcher::ensure();
  setObjectName(name);
  setWindowTitle(caption);
  setFont(fonts::form());
  setAttribute(Qt::WA_DeleteOnClose, false);
  connect(qApp, &QApplication::focusChanged, this,
          [this](QWidget*, QWidget* now) { focusMoved(now); });
}

Form::~Form() {
  // Destroying the window moves the focus once more; this form is no longer
  // there to hear of it.
  disconnect(qApp, nullptr, this, nullptr);
  InputWatcher::owing().removeAll(this);
  qDeleteAll(menus_);
}

QWidget* Form::controlOf(QWidget* w) const {
  for (; w && w != this; w = w->parentWidget())
    if (w->property(kControlProperty).toBool()) return isAncestorOf(w) ? w : nullptr;
  return nullptr;
}

void Form::focusMoved(QWidget* now) {
  QWidget* control = controlOf(now);
  if (!control || control == current_ || reactivating_) return;
  ++focusMoves_;
  const bool redirected = running_;  // a lost-focus handler sent the focus elsewhere
  if (!owed_ && !redirected) {
    // The handlers run once Qt has finished this focus change: a message they
    // show and the focus they move are then not undone by Qt's own focus
    // change, which gives the focus back to where the click or Tab went.
    owed_ = true;
    leaving_ = current_;
    InputWatcher::owing().append(this);
    QMetaObject::invokeMethod(this, &Form::runFocusHandlers, Qt::QueuedConnection);
  }
  current_ = control;
}

void Form::runFocusHandlers() {
  if (!owed_ || running_) return;
  owed_ = false;
  InputWatcher::owing().removeAll(this);
  const QPointer<QWidget> old = leaving_;
  if (old == current_) return;  // the focus came back before anything ran
  running_ = true;
  if (old) {
    if (auto h = lostFocus_.value(old)) h();
  }
  running_ = false;
  if (current_) {
    if (auto h = gotFocus_.value(current_)) h();
  }
}

void Form::focusControl(QWidget* control) {
  const unsigned movesBefore = focusMoves_;
  control->setFocus(Qt::OtherFocusReason);
  // A form that is not the active window keeps the request for when it is
  // activated; the form's own focused control and its handlers follow at once.
  if (focusMoves_ == movesBefore && current_ != control) focusMoved(control);
  runFocusHandlers();
}

void Form::reactivate(const std::function<void()>& activate) {
  if (!current_) return activate();  // never used yet: its first control takes the focus
  runFocusHandlers();
  reactivating_ = true;
  activate();
  // Not as a window activation: the box Qt gave the focus to on the way (which
  // selected its text, as on a Tab) then drops that selection again.
  if (current_ && current_->isEnabled() && !current_->isHidden())
    current_->setFocus(Qt::OtherFocusReason);
  reactivating_ = false;
}

void Form::onGotFocus(QWidget* control, Handler handler) {
  gotFocus_.insert(control, std::move(handler));
}
void Form::onLostFocus(QWidget* control, Handler handler) {
  lostFocus_.insert(control, std::move(handler));
}

namespace {
constexpr const char* kWiredProperty = "vantelWired";
constexpr const char* kInertProperty = "vantelInert";
constexpr const char* kFaceProperty = "face";
}  // namespace

void Form::markInert(QObject* control) { control->setProperty(kInertProperty, true); }
bool Form::isWired(const QObject* control) { return control->property(kWiredProperty).toBool(); }
bool Form::isInert(const QObject* control) { return control->property(kInertProperty).toBool(); }

void Form::onClick(QAbstractButton* button, Handler handler) {
  button->setProperty(kWiredProperty, true);
  connect(button, &QAbstractButton::clicked, this, [h = std::move(handler)] { h(); });
}

void Form::onClick(QRadioButton* button, Handler handler) {
  button->setProperty(kWiredProperty, true);
  connect(button, &QRadioButton::toggled, this, [h = std::move(handler)](bool on) {
    if (on) h();
  });
}

void Form::onClick(QCheckBox* box, Handler handler) {
  box->setProperty(kWiredProperty, true);
  connect(box, &QCheckBox::stateChanged, this, [h = std::move(handler)](int) { h(); });
}

void Form::onClick(QAction* item, Handler handler) {
  item->setProperty(kWiredProperty, true);
  connect(item, &QAction::triggered, this, [h = std::move(handler)] { h(); });
}

void Form::adoptControls() {
  for (QWidget* w : findChildren<QWidget*>()) {
    const QString name = w->objectName();
    if (name.isEmpty() || name.startsWith(QLatin1String("qt_"))) continue;
    w->setProperty(kControlProperty, true);
    const QString face = w->property(kFaceProperty).toString();
    if (face == QLatin1String("small"))
      w->setFont(fonts::small());
    else if (face == QLatin1String("explanatory"))
      w->setFont(fonts::explanatory());
    else if (face == QLatin1String("bold"))
      w->setFont(fonts::bold());
  }
}

void Form::useFormBackground() {
  QList<QWidget*> filled = {this};
  for (QGroupBox* frame : findChildren<QGroupBox*>()) filled.append(frame);
  for (QWidget* w : filled) {
    w->setBackgroundRole(QPalette::Button);
    w->setAutoFillBackground(true);
  }
}

QMenu* Form::makeMenu(const menu::Kind kind, const char* name, const char* caption,
                      unsigned state) {
  QMenu* menu = addMenu(name, QString::fromUtf8(caption));
  QAction* action = menu->menuAction();
  action->setEnabled(!(state & menu::Disabled));
  action->setVisible(!(state & menu::Hidden));
  if (kind == menu::Kind::WindowList) {
    menu->setProperty(kWiredProperty, true);
    connect(menu, &QMenu::aboutToShow, menu, [this, menu] { program_.listWindows(menu); });
  }
  return menu;
}

QAction* Form::makeItem(QMenu* menu, const menu::Kind kind, const char* name, const char* caption,
                        const char* shortcut, unsigned state) {
  if (kind == menu::Kind::Separator) return addSeparator(menu, name);
  QAction* item = addItem(menu, name, QString::fromUtf8(caption));
  if (shortcut) item->setShortcut(QKeySequence(QString::fromLatin1(shortcut)));
  if (state & menu::Checked) {
    // The check mark stays when the item is chosen. (An exclusive group would
    // keep it too, but styles then draw a radio dot instead of a check mark.)
    item->setCheckable(true);
    item->setChecked(true);
    connect(item, &QAction::triggered, item, [item] { item->setChecked(true); });
  }
  item->setEnabled(!(state & menu::Disabled));
  item->setVisible(!(state & menu::Hidden));
  if (kind == menu::Kind::InertItem) markInert(item);
  return item;
}

QMenu* Form::addMenu(const char* name, const QString& caption) {
  auto* menu = new QMenu(caption);
  menu->setObjectName(QLatin1String(name));
  menu->menuAction()->setObjectName(QLatin1String(name));
  menus_.append(menu);
  return menu;
}

QAction* Form::addItem(QMenu* menu, const char* name, const QString& caption) {
  QAction* item = menu->addAction(caption);
  item->setObjectName(QLatin1String(name));
  return item;
}

QAction* Form::addSeparator(QMenu* menu, const char* name) {
  QAction* line = menu->addSeparator();
  line->setObjectName(QLatin1String(name));
  return line;
}

bool Form::pressDefaultButton() {
  if (!defaultButton_ || !defaultButton_->isEnabled() || defaultButton_->isHidden()) return false;
  defaultButton_->click();
  return true;
}

void Form::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
  // A command button with the focus takes Enter itself (Qt leaves that to
  // buttons of dialogs); the default button takes it from any other control.
  auto* focused = qobject_cast<QPushButton*>(QApplication::focusWidget());
  if (enter && focused && isAncestorOf(focused) && focused->isEnabled()) {
    focused->click();
    return;
  }
  if (enter && pressDefaultButton()) return;
  if (key == Qt::Key_Escape && cancelButton_ && cancelButton_->isEnabled()) {
    cancelButton_->click();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace vantel
