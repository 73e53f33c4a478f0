#pragma once
// The base of every form of the program: a window holding named controls, its
// own menus, and the handlers its controls raise.
//
// Got-focus and lost-focus handlers run only when the focus moves from one
// control of this form to another. Qt also moves the focus when a window is
// activated, when a message box opens or closes and when a combo box opens its
// list; those moves never leave the form's set of controls and so raise nothing.
// A lost-focus handler that moves the focus elsewhere (after a message, say)
// decides where the got-focus handler runs: it runs once, for the control that
// has the focus when the lost-focus handler returns.

#include <QAbstractButton>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QWidget>
#include <functional>

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
  // Gives the focus to a control of this form.
  void focusControl(QWidget* control);

  // The button the Enter key presses and the one Esc presses.
  void setDefaultButton(QAbstractButton* button) { defaultButton_ = button; }
  void setCancelButton(QAbstractButton* button) { cancelButton_ = button; }

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

 protected:
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
  static constexpr const char* kControlProperty = "vantelControl";
  QWidget* controlOf(QWidget* w) const;
  void focusMoved(QWidget* now);

  Program& program_;
  QList<QMenu*> menus_;
  QHash<QWidget*, Handler> gotFocus_;
  QHash<QWidget*, Handler> lostFocus_;
  QPointer<QWidget> current_;
  bool inFocusMove_ = false;
  unsigned focusMoves_ = 0;
  QPointer<QAbstractButton> defaultButton_;
  QPointer<QAbstractButton> cancelButton_;
};

}  // namespace vantel
