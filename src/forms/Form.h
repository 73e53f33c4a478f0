#pragma once
// The base of every form of the program: a window holding named controls, its
// own menus, and the handlers its controls raise.
//
// Got-focus and lost-focus handlers run only when the focus moves from one
// control of this form to another. Qt also moves the focus when a window is
// activated, when a message box opens or closes and when a combo box opens its
// list; those moves never leave the form's set of controls and so raise nothing.
// The handlers run after Qt's focus change has finished (and before the next
// key or mouse event): the lost-focus handler of the control left, then the
// got-focus handler of the control that has the focus when it returns, so a
// lost-focus handler that moves the focus elsewhere (after a message, say) has
// the last word. Bringing the form back (reactivate) gives the focus back to
// the control that last had it and runs no handler.
//
// A form's controls are declared in its Designer file and made by the
// generated setupUi(); adoptControls() then makes them the form's controls.
// Its menus are one table (forms/MenuTable.h) read by buildMenus(). Its
// handlers are wired in one place of its own with onClick(), onGotFocus() and
// onLostFocus(); every command button and menu item is wired or marked as doing
// nothing on purpose (markInert), so that an unwired one can be found.

#include <QAbstractButton>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QWidget>
#include <functional>

#include "forms/MenuTable.h"

class QAction;
class QCheckBox;
class QMenu;
class QRadioButton;

namespace vantel {

class Program;

class Form : public QWidget {
  Q_OBJECT
 public:
  using Handler = std::function<void()>;

  Form(Program& program, const QString& name, const QString& caption);
  ~Form() override;

  Program& program() const { return program_; }

  // The form's menus, left to right; the main window shows them while this form
  // is active.
  const QList<QMenu*>& menus() const { return menus_; }

  // Run once when the form is created (Form_Load), and when it is closed
  // (Form_Unload).
  virtual void load() {}
  virtual void unload() {}

  // The control of this form that last got the focus.
  QWidget* focusedControl() const { return current_; }
  // Gives the focus to a control of this form; the handlers run before it
  // returns.
  void focusControl(QWidget* control);
  // Runs the focus handlers owed for the last focus move, if any.
  void runFocusHandlers();
  // Brings the form's window back through `activate` (which the window host
  // does): whatever control the window would give the focus to, it goes back
  // to the one that last had it, and no handler runs.
  void reactivate(const std::function<void()>& activate);

  // The button the Enter key presses and the one Esc presses.
  void setDefaultButton(QAbstractButton* button) { defaultButton_ = button; }
  void setCancelButton(QAbstractButton* button) { cancelButton_ = button; }
  // Presses the default button if it is there to press; says whether it did.
  bool pressDefaultButton();

  // Handlers, attached once when the form builds its controls.
  void onGotFocus(QWidget* control, Handler handler);
  void onLostFocus(QWidget* control, Handler handler);
  // A command button's click, raised by the user or by click().
  void onClick(QAbstractButton* button, Handler handler);
  // An option button's click: raised whenever it becomes selected, by the user
  // or from code.
  void onClick(QRadioButton* button, Handler handler);
  // A check box's click: raised on every change of its value, by the user or
  // from code.
  void onClick(QCheckBox* box, Handler handler);
  void onClick(QAction* item, Handler handler);

  // A command button or menu item that does nothing when chosen, on purpose.
  static void markInert(QObject* control);
  // Whether a handler runs when the control is chosen, and whether it is
  // marked as doing nothing on purpose.
  static bool isWired(const QObject* control);
  static bool isInert(const QObject* control);

 protected:
  // Makes every named widget inside the form, as the Designer file declared
  // it, one of the form's controls, and gives each the face its "face"
  // property names ("small", "explanatory" or "bold").
  void adoptControls();
  // Fills the form and its frames with the system's colour for window
  // backgrounds of dialogs (the scroll-bar and button face grey).
  void useFormBackground();

  // Builds the form's menu bar from its table (forms/MenuTable.h).
  template <class F>
  void buildMenus(menu::Table<F> rows);

  // Creates a control named as the program names it, parent inside this form.
  template <class W, class... Args>
  W* add(const char* name, QWidget* parent, Args&&... args) {
    W* w = new W(parent ? parent : this, std::forward<Args>(args)...);
    w->setObjectName(QLatin1String(name));
    w->setProperty(kControlProperty, true);
    return w;
  }
  QMenu* addMenu(const char* name, const QString& caption);
  QAction* addItem(QMenu* menu, const char* name, const QString& caption);
  QAction* addSeparator(QMenu* menu, const char* name);

  void keyPressEvent(QKeyEvent* event) override;

 private:
  QMenu* makeMenu(const menu::Kind kind, const char* name, const char* caption, unsigned state);
  QAction* makeItem(QMenu* menu, const menu::Kind kind, const char* name, const char* caption,
                    const char* shortcut, unsigned state);

  static constexpr const char* kControlProperty = "vantelControl";
  QWidget* controlOf(QWidget* w) const;
  void focusMoved(QWidget* now);

  Program& program_;
  QList<QMenu*> menus_;
  QHash<QWidget*, Handler> gotFocus_;
  QHash<QWidget*, Handler> lostFocus_;
  QPointer<QWidget> current_;
  QPointer<QWidget> leaving_;  // whose lost-focus handler is owed
  bool owed_ = false;
  bool running_ = false;
  bool reactivating_ = false;
  unsigned focusMoves_ = 0;
  QPointer<QAbstractButton> defaultButton_;
  QPointer<QAbstractButton> cancelButton_;
};

template <class F>
void Form::buildMenus(menu::Table<F> rows) {
  F& self = static_cast<F&>(*this);
  QMenu* current = nullptr;
  for (const menu::Row<F>& row : rows) {
    if (row.menu) {
      current = makeMenu(row.kind, row.name, row.caption, row.state);
      self.*row.menu = current;
      continue;
    }
    QAction* item = makeItem(current, row.kind, row.name, row.caption, row.shortcut, row.state);
    self.*row.item = item;
    if (row.handler) onClick(item, [&self, h = row.handler] { (self.*h)(); });
  }
}

}  // namespace vantel
