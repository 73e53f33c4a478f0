// Mouse events through the platform's windows, as a user's clicks arrive.
#define QTEST_QPA_MOUSE_HANDLING
#include "fuzz/Player.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "forms/Program.h"
#include "fuzz/HostileTexts.h"
#include "fuzz/Session.h"

namespace vantel::fuzz {
namespace {

int below(std::mt19937_64& rng, int n) {
  return n <= 0 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(rng);
}
template <class T>
const T& oneOf(std::mt19937_64& rng, const QList<T>& list) {
  return list[below(rng, list.size())];
}

// The keys a user presses while working in the forms, beside typing.
const QStringList kKeys = {
    "Tab",    "Shift+Tab", "Return",   "Enter",   "Esc",     "Backspace", "Del",
    "Space",  "Up",        "Down",     "Left",    "Right",   "Home",      "End",
    "PgDown", "F4",        "Alt+Down", "Ctrl+A",  "Ctrl+C",  "Ctrl+X",    "Ctrl+V",
    "Ctrl+Z", "Ctrl+Y",    "Ctrl+Tab", "Ctrl+F4", "Ctrl+F6",
};

Form* formOf(QWidget* w) {
  for (; w; w = w->parentWidget())
    if (auto* f = qobject_cast<Form*>(w)) return f;
  return nullptr;
}

Form* shownForm(Program& program, const QString& name) {
  for (Form* f : program.forms())
    if (f->objectName() == name && f->isVisible()) return f;
  return nullptr;
}

// The form's own named controls that are on screen (those of a form shown
// inside it are that form's).
QList<QWidget*> controlsOf(Form* form) {
  QList<QWidget*> out;
  for (QWidget* w : form->findChildren<QWidget*>()) {
    const QString name = w->objectName();
    if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) || !w->isVisible()) continue;
    if (formOf(w) != form) continue;
    out.append(w);
  }
  return out;
}

QString pathOf(QWidget* w) { return formOf(w)->objectName() + QLatin1Char('/') + w->objectName(); }

QWidget* resolve(Program& program, const QString& path) {
  const int slash = path.indexOf(QLatin1Char('/'));
  Form* form = shownForm(program, path.left(slash));
  if (!form || slash < 0) return nullptr;
  for (QWidget* w : form->findChildren<QWidget*>(path.mid(slash + 1)))
    if (w->isVisible() && formOf(w) == form) return w;
  return nullptr;
}

bool isField(QWidget* w) {
  if (auto* e = qobject_cast<QLineEdit*>(w)) return !e->isReadOnly();
  if (auto* c = qobject_cast<QComboBox*>(w)) return c->isEditable();
  return false;
}

// The menu bar the main window shows, if a window has one on screen.
QMenuBar* mainMenuBar() {
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (!top->isVisible()) continue;
    for (QMenuBar* bar : top->findChildren<QMenuBar*>())
      if (bar->isVisible()) return bar;
  }
  return nullptr;
}

QMenu* barMenu(QMenuBar* bar, const QString& name) {
  for (QAction* a : bar->actions())
    if (a->menu() && a->objectName() == name && a->isVisible()) return a->menu();
  return nullptr;
}

QList<QAction*> itemsOf(QMenu* menu) {
  QList<QAction*> items;
  for (QAction* a : menu->actions())
    if (!a->isSeparator() && a->isVisible()) items.append(a);
  return items;
}

void click(QWidget* w, QPoint at = {}) {
  // The headless platform has no window manager: do what one does when a
  // window that is not the active one is clicked, and activate it.
  QWidget* top = w->window();
  if (!top->isActiveWindow() && !(top->windowType() == Qt::Popup)) {
    top->activateWindow();
    QCoreApplication::processEvents();
  }
  QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, at.isNull() ? w->rect().center() : at);
}

// Where a user clicks a control: the indicator of a check box or option, the
// text part of an editable combo box, the middle of anything else.
QPoint clickPoint(QWidget* w) {
  if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w))
    return QPoint(qMin(8, w->width() / 2), w->height() / 2);
  if (auto* c = qobject_cast<QComboBox*>(w); c && c->isEditable())
    return QPoint(qMax(1, w->width() / 3), w->height() / 2);
  return w->rect().center();
}

QString keyText(QKeyCombination key) {
  if (key.keyboardModifiers() & (Qt::ControlModifier | Qt::AltModifier)) return {};
  switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return QStringLiteral("\r");
    case Qt::Key_Tab: return QStringLiteral("\t");
    case Qt::Key_Backspace: return QStringLiteral("\b");
    case Qt::Key_Escape: return QStringLiteral("\x1b");
    case Qt::Key_Delete: return QStringLiteral("\x7f");
    case Qt::Key_Space: return QStringLiteral(" ");
    default: return {};
  }
}

// One key to the window that has the focus (or the open popup), as the
// keyboard sends it.
void press(QKeyCombination key, const QString& text) {
  // With no window to take it, a key goes nowhere.
  if (!QGuiApplication::focusWindow() && !QApplication::activePopupWidget() &&
      !QApplication::focusWidget() && !QApplication::activeWindow())
    return;
  QTest::sendKeyEvent(QTest::Click, static_cast<QWidget*>(nullptr), key.key(), text,
                      key.keyboardModifiers());
}

void pressSequence(const QString& sequence) {
  const QKeySequence keys(sequence, QKeySequence::PortableText);
  if (keys.isEmpty()) return;
  press(keys[0], keyText(keys[0]));
}

void typeText(const QString& text) {
  for (char32_t c : text.toUcs4()) {
    const QString ch = QString::fromUcs4(&c, 1);
    Qt::Key key = Qt::Key_unknown;
    if (c == '\n' || c == '\r')
      key = Qt::Key_Return;
    else if (c == '\t')
      key = Qt::Key_Tab;
    else if (c == '\b')
      key = Qt::Key_Backspace;
    else if (c == 0x1b)
      key = Qt::Key_Escape;
    else if (c >= 'a' && c <= 'z')
      key = Qt::Key(c - 'a' + 'A');
    else if (c >= 0x20 && c < 0x7f)
      key = Qt::Key(c);
    press(QKeyCombination(key), ch);
  }
}

// Closes popups a step left open, with Esc as a user would.
void closePopups() {
  for (int i = 0; i < 4 && QApplication::activePopupWidget(); ++i)
    press(QKeyCombination(Qt::Key_Escape), QStringLiteral("\x1b"));
}

void performMenu(const QString& arg) {
  const int slash = arg.indexOf(QLatin1Char('/'));
  QMenuBar* bar = mainMenuBar();
  QMenu* menu = bar ? barMenu(bar, arg.left(slash)) : nullptr;
  if (!menu) return;
  click(bar, bar->actionGeometry(menu->menuAction()).center());
  if (!menu->isVisible()) return;  // a disabled menu does not open
  const QString itemName = arg.mid(slash + 1);
  const QList<QAction*> items = itemsOf(menu);
  QAction* item = nullptr;
  if (itemName.startsWith(QLatin1Char('#'))) {
    const int i = itemName.mid(1).toInt();
    if (i < items.size()) item = items[i];
  } else {
    for (QAction* a : items)
      if (a->objectName() == itemName) item = a;
  }
  if (item) click(menu, menu->actionGeometry(item).center());
  closePopups();
}

void performPick(QComboBox* target, int index) {
  // The click may do something else than open the list: with a menu dropped
  // down, it chooses the menu item under the pointer, which may close the
  // box's window and delete the box.
  QPointer<QComboBox> box = target;
  click(box, box->isEditable() ? QPoint(box->width() - 6, box->height() / 2) : clickPoint(box));
  if (!box) return closePopups();
  QAbstractItemView* view = box->view();
  if (!view || !view->isVisible()) return closePopups();
  if (index >= box->count()) return closePopups();
  const QModelIndex item = box->model()->index(index, box->modelColumn(), box->rootModelIndex());
  view->scrollTo(item);
  // A menu-like list (the style's popup) sizes its items as menu items, which
  // may be wider than a narrow box's list: a user clicks what shows of them.
  const QRect place = view->visualRect(item) & view->viewport()->rect();
  if (place.isEmpty()) return closePopups();
  // A release right after the list opened is taken for the end of the opening
  // click; a user's pointer moves over the list first.
  QTest::mouseMove(view->viewport(), place.center());
  click(view->viewport(), place.center());
  closePopups();
}

// A click on the part of a child window's title bar that no other window
// covers; a window hidden under others is chosen from the Window menu's list
// instead, which activates it as the menu item does.
void activateChild(QMdiSubWindow* sub) {
  const int title = sub->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, sub);
  const QRegion open = sub->visibleRegion() & QRect(0, 0, sub->width(), qMax(4, title));
  // The middle of the widest free stretch, away from the title bar's buttons.
  QRect best;
  for (const QRect& r : open)
    if (r.width() > best.width()) best = r;
  if (best.width() >= 40) return click(sub, QPoint(best.center().x(), best.top() + title / 2));
  if (QMdiArea* area = sub->mdiArea()) area->setActiveSubWindow(sub);
}

// A user brings a window to the front before clicking a control that another
// window covers.
QWidget* reachable(QWidget* w, QPoint at) {
  if (!w || w->visibleRegion().contains(at)) return w;
  QWidget* sub = w;
  while (sub && !qobject_cast<QMdiSubWindow*>(sub)) sub = sub->parentWidget();
  if (sub) {
    QPointer<QWidget> target = w;
    activateChild(static_cast<QMdiSubWindow*>(sub));
    Session::settle();
    return target;
  }
  return w;
}

}  // namespace

QStringList shownForms(Program& program) {
  QStringList names;
  for (Form* f : program.forms())
    if (f->isVisible()) names << f->objectName();
  names.sort();
  return names;
}

void perform(Program& program, const Action& a) {
  switch (a.kind) {
    case Action::Click:
      if (QWidget* w = resolve(program, a.target); w && (w = reachable(w, clickPoint(w))))
        click(w, clickPoint(w));
      break;
    case Action::Type:
    case Action::Retype:
    case Action::Paste:
      if (QWidget* w = resolve(program, a.target); w && (w = reachable(w, clickPoint(w)))) {
        click(w, clickPoint(w));
        if (a.kind == Action::Retype) press(QKeyCombination(Qt::ControlModifier, Qt::Key_A), {});
        if (a.kind != Action::Paste) {
          typeText(a.arg);
        } else {
          QApplication::clipboard()->setText(a.arg);
          press(QKeyCombination(Qt::ControlModifier, Qt::Key_V), {});
        }
      }
      break;
    case Action::Key: pressSequence(a.arg); break;
    case Action::Pick:
      if (auto* box = qobject_cast<QComboBox*>(resolve(program, a.target));
          box && reachable(box, clickPoint(box)))
        performPick(box, a.arg.toInt());
      break;
    case Action::Menu: performMenu(a.arg); break;
    case Action::Tab:
      if (auto* tabs = qobject_cast<QTabWidget*>(resolve(program, a.target));
          tabs && a.arg.toInt() < tabs->count() && reachable(tabs, tabs->rect().topLeft()))
        click(tabs->tabBar(), tabs->tabBar()->tabRect(a.arg.toInt()).center());
      break;
    case Action::Activate:
    case Action::Close:
      if (Form* form = shownForm(program, a.target)) {
        auto* sub = qobject_cast<QMdiSubWindow*>(form->parentWidget());
        if (a.kind == Action::Close) {
          // What the window's close box does.
          (sub ? static_cast<QWidget*>(sub) : form->window())->close();
        } else if (sub) {
          activateChild(sub);
        } else {
          // A window manager raises and activates a clicked top-level window.
          form->window()->raise();
          form->window()->activateWindow();
        }
      }
      break;
  }
}

Action randomAction(Program& program, std::mt19937_64& rng) {
  Action a;
  a.answers = rng();
  // One shown form first, so that a form with many options does not crowd out
  // the others; then one of its controls.
  QList<Form*> forms, withControls;
  for (Form* f : program.forms()) {
    if (!f->isVisible()) continue;
    forms << f;
    if (!controlsOf(f).isEmpty()) withControls << f;
  }
  // A user works mostly in the active window.
  Form* working = withControls.isEmpty() ? nullptr : oneOf(rng, withControls);
  if (below(rng, 4) != 0) {
    QWidget* active = QApplication::activeWindow();
    if (auto* area = active ? active->findChild<QMdiArea*>() : nullptr;
        area && area->currentSubWindow() && area->currentSubWindow()->isVisible())
      active = area->currentSubWindow()->widget();
    if (auto* f = qobject_cast<Form*>(active); f && withControls.contains(f)) working = f;
  }
  QList<QWidget*> fields, buttons, combos, tabs, others;
  if (working) {
    for (QWidget* w : controlsOf(working)) {
      if (isField(w)) fields << w;
      if (qobject_cast<QAbstractButton*>(w))
        buttons << w;
      else if (qobject_cast<QComboBox*>(w))
        combos << w;
      else if (qobject_cast<QTabWidget*>(w))
        tabs << w;
      else if (!isField(w))
        others << w;
    }
  }
  QMenuBar* bar = mainMenuBar();
  QList<QAction*> menus, shortcuts;
  if (bar) {
    for (QAction* m : bar->actions()) {
      if (!m->menu() || !m->isVisible()) continue;
      menus << m;
      for (QAction* item : itemsOf(m->menu()))
        if (!item->shortcut().isEmpty()) shortcuts << item;
    }
  }

  for (;;) {
    const int roll = below(rng, 100);
    if (roll < 28 && !fields.isEmpty()) {
      // Typed after what the field holds, or in place of it (Ctrl+A first).
      a.kind = roll < 18 ? Action::Type : Action::Retype;
      a.target = pathOf(oneOf(rng, fields));
      a.arg = hostileText(rng, false);
    } else if (roll < 34 && !fields.isEmpty()) {
      a.kind = Action::Paste;
      a.target = pathOf(oneOf(rng, fields));
      a.arg = hostileText(rng, true);
    } else if (roll < 58 && !buttons.isEmpty()) {
      a.kind = Action::Click;
      a.target = pathOf(oneOf(rng, buttons));
    } else if (roll < 68 && !combos.isEmpty()) {
      auto* box = qobject_cast<QComboBox*>(oneOf(rng, combos));
      a.kind = Action::Pick;
      a.target = pathOf(box);
      // A list is often rebuilt when its box gets the focus; until then its
      // length is a guess, mostly a short one.
      const int guess = below(rng, 10) < 7 ? 12 : 32;
      a.arg = QString::number(below(rng, box->count() > 0 ? box->count() : guess));
    } else if (roll < 78) {
      a.kind = Action::Key;
      a.arg = kKeys[below(rng, kKeys.size())];
    } else if (roll < 90 && !menus.isEmpty()) {
      a.kind = Action::Menu;
      QAction* m = oneOf(rng, menus);
      QStringList items;
      for (QAction* item : itemsOf(m->menu()))
        if (!item->objectName().isEmpty()) items << item->objectName();
      // The Window menu's items are made when it opens: they go by place.
      const QString item = items.isEmpty() || below(rng, 10) == 0
                               ? QStringLiteral("#%1").arg(below(rng, 5))
                               : oneOf(rng, items);
      a.arg = m->objectName() + QLatin1Char('/') + item;
    } else if (roll < 93 && !menus.isEmpty()) {
      a.kind = Action::Key;
      if (!shortcuts.isEmpty() && below(rng, 2)) {
        a.arg = oneOf(rng, shortcuts)->shortcut().toString(QKeySequence::PortableText);
      } else {
        // A menu's access key: Alt and the letter after '&' in its caption.
        const QString caption = oneOf(rng, menus)->text();
        const int amp = caption.indexOf(QLatin1Char('&'));
        if (amp < 0 || amp + 1 >= caption.size()) continue;
        a.arg = QStringLiteral("Alt+") + caption.at(amp + 1).toUpper();
      }
    } else if (roll < 95 && !tabs.isEmpty()) {
      auto* t = qobject_cast<QTabWidget*>(oneOf(rng, tabs));
      a.kind = Action::Tab;
      a.target = pathOf(t);
      a.arg = QString::number(below(rng, t->count()));
    } else if (roll < 96 && !others.isEmpty()) {
      a.kind = Action::Click;
      a.target = pathOf(oneOf(rng, others));
    } else if (roll < 99 && !forms.isEmpty()) {
      a.kind = Action::Activate;
      a.target = oneOf(rng, forms)->objectName();
    } else if (roll == 99 && !forms.isEmpty()) {
      a.kind = Action::Close;
      a.target = oneOf(rng, forms)->objectName();
    } else {
      continue;
    }
    return a;
  }
}

Actions fillingSteps(Program& program, std::mt19937_64& rng) {
  QList<Form*> forms;
  for (Form* f : program.forms())
    if (f->isVisible() && !controlsOf(f).isEmpty()) forms << f;
  if (forms.isEmpty()) return {};
  Form* form = oneOf(rng, forms);
  const QList<QWidget*> controls = controlsOf(form);
  Actions steps;
  auto step = [&](Action::Kind kind, QWidget* w, const QString& arg) {
    steps.append({kind, w ? pathOf(w) : QString(), arg, rng()});
  };
  for (QWidget* w = form->nextInFocusChain(); w && w != form; w = w->nextInFocusChain()) {
    if (!controls.contains(w) || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus)) continue;
    if (auto* box = qobject_cast<QComboBox*>(w); box && below(rng, 4) != 0)
      step(Action::Pick, w, QString::number(below(rng, box->count() > 0 ? box->count() : 12)));
    else if (isField(w))
      step(Action::Retype, w, hostileText(rng, false));
    else if (auto* option = qobject_cast<QAbstractButton*>(w);
             option && option->isCheckable() && below(rng, 3) == 0)
      step(Action::Click, w, {});
  }
  step(Action::Key, nullptr, QStringLiteral("Return"));
  return steps;
}

OpeningPaths learnOpeningPaths() {
  OpeningPaths found;
  QStringList known;
  {
    Session start;
    known = shownForms(start.program());
  }
  // Each window found is searched in turn for items that open further windows.
  QList<QPair<QString, Actions>> queue;
  for (const QString& name : known) queue.append({name, {}});
  for (int next = 0; next < queue.size(); ++next) {
    const auto [form, path] = queue[next];
    Action activate{Action::Activate, form, {}, 0};
    QStringList items;
    {
      Session s;
      for (const Action& a : path) s.play(a);
      s.play(activate);
      // Only a window with menus of its own puts them on the main window's bar.
      Form* shown = shownForm(s.program(), form);
      if (!shown || shown->menus().isEmpty()) continue;
      if (QMenuBar* bar = mainMenuBar())
        for (QAction* m : bar->actions())
          if (m->menu() && m->isVisible() && m->isEnabled())
            for (QAction* item : itemsOf(m->menu()))
              if (item->isEnabled() && !item->objectName().isEmpty())
                items << m->objectName() + QLatin1Char('/') + item->objectName();
    }
    for (const QString& item : items) {
      Session s;
      for (const Action& a : path) s.play(a);
      s.play(activate);
      const QStringList before = shownForms(s.program());
      const int starts = s.starts();
      s.play(Action{Action::Menu, {}, item, 0});
      if (s.starts() != starts) continue;  // the item ended the program
      for (const QString& name : shownForms(s.program())) {
        if (before.contains(name) || known.contains(name)) continue;
        known << name;
        Actions opening = path;
        opening << activate << Action{Action::Menu, {}, item, 0};
        found.append({name, opening});
        queue.append({name, opening});
      }
    }
  }
  return found;
}

}  // namespace vantel::fuzz
