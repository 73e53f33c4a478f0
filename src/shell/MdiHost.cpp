#include "shell/MdiHost.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

#include "shell/FormSplash.h"
#include "shell/frmAbout.h"

namespace vantel {

MdiHost::MdiHost(Program& program, Form& main, QMdiArea* area, QMenuBar* bar)
    : program_(program), main_(main), area_(area), bar_(bar) {
  connect(area_, &QMdiArea::subWindowActivated, this, [this] { refreshMenus(); });
}

bool MdiHost::isChild(const Form& form) const {
  return &form != &main_ && !qobject_cast<const FormSplash*>(&form) &&
         !qobject_cast<const frmAbout*>(&form);
}

QMdiSubWindow* MdiHost::windowOf(const Form& form) const {
  for (QMdiSubWindow* sub : area_->subWindowList())
    if (sub->widget() == &form) return sub;
  return nullptr;
}

void MdiHost::show(Form& form, bool front) {
  form.installEventFilter(this);  // installing twice keeps one filter
  if (!isChild(form)) {
    form.show();
    if (front) form.raise();
    form.activateWindow();
    return;
  }
  QMdiSubWindow* sub = windowOf(form);
  if (!sub) {
    sub =
        area_->addSubWindow(&form, Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                       Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    // The window takes the form's fixed client size.
    sub->setAttribute(Qt::WA_DeleteOnClose, false);
    sub->setWindowIcon(form.windowIcon());
    form.show();
    sub->adjustSize();
    growToFit();
  }
  form.show();
  if (sub->isMinimized())
    sub->showNormal();
  else
    sub->show();
  if (front) sub->raise();
  // Showing a form that is already shown activates it, with its entries and
  // its focus as the user left them.
  form.reactivate([this, sub] { area_->setActiveSubWindow(sub); });
  refreshMenus();
}

void MdiHost::hide(Form& form) {
  if (QMdiSubWindow* sub = windowOf(form)) {
    form.hide();
    sub->hide();
    handOnActivation(sub);
    refreshMenus();
    return;
  }
  form.hide();
}

void MdiHost::discard(Form& form) {
  form.removeEventFilter(this);
  if (QMdiSubWindow* sub = windowOf(form)) {
    handOnActivation(sub);
    area_->removeSubWindow(sub);
    // The form goes with its window, once the handler that closed it returns.
    sub->deleteLater();
  }
  refreshMenus();
}

void MdiHost::listWindows(QMenu* menu) {
  menu->clear();
  const Form* active = activeChild();
  int number = 0;
  for (Form* child : children()) {
    // A minimised window is still open (only its form is hidden); a hidden
    // form's window is hidden too.
    if (windowOf(*child)->isHidden()) continue;
    ++number;
    QAction* item = menu->addAction(QStringLiteral("&%1 %2").arg(number).arg(child->windowTitle()));
    // Only the active window carries a mark; the others show just their caption.
    item->setCheckable(child == active);
    item->setChecked(child == active);
    QPointer<Form> target = child;
    connect(item, &QAction::triggered, menu, [this, target] {
      if (target) program_.show(*target, true);
    });
  }
}

void MdiHost::handOnActivation(QMdiSubWindow* leaving) {
  // The shown child activated most recently before it takes its place.
  if (area_->currentSubWindow() && area_->currentSubWindow() != leaving) return;
  const QList<QMdiSubWindow*> recent = area_->subWindowList(QMdiArea::ActivationHistoryOrder);
  for (auto it = recent.crbegin(); it != recent.crend(); ++it)
    if (*it != leaving && !(*it)->isHidden()) {
      area_->setActiveSubWindow(*it);
      return;
    }
  area_->setActiveSubWindow(nullptr);
}

QList<Form*> MdiHost::children() const {
  QList<Form*> forms;
  for (QMdiSubWindow* sub : area_->subWindowList(QMdiArea::CreationOrder))
    if (auto* form = qobject_cast<Form*>(sub->widget())) forms.append(form);
  return forms;
}

Form* MdiHost::activeChild() const {
  // The current window, not the active one: while a message box or the About
  // dialog has the focus the main window is inactive but keeps its child's menus.
  QMdiSubWindow* sub = area_->currentSubWindow();
  if (!sub || sub->isHidden()) return nullptr;
  return qobject_cast<Form*>(sub->widget());
}

QRect MdiHost::childrenBounds() const {
  QRect bounds;
  for (QMdiSubWindow* sub : area_->subWindowList())
    if (!sub->isHidden()) bounds |= sub->geometry();
  return bounds;
}

void MdiHost::growToFit() {
  // The area is what the main window holds below its menu bar, whether or not
  // the window has been laid out yet.
  const QSize area = main_.size() - QSize(0, bar_->sizeHint().height());
  const int frame = 2 * area_->frameWidth();
  const QRect bounds = childrenBounds();
  const QSize need(bounds.right() + 1 + frame, bounds.bottom() + 1 + frame);
  QSize wanted = main_.size() + (need - area).expandedTo(QSize(0, 0));
  if (QScreen* screen = main_.screen()) {
    // Never beyond the screen; the area's scroll bars reach the rest.
    const QSize room = screen->availableGeometry().size() - (main_.frameSize() - main_.size());
    wanted = wanted.boundedTo(room.expandedTo(main_.size()));
  }
  if (wanted != main_.size()) main_.resize(wanted);
}

void MdiHost::activate(Form& child) { program_.show(child, true); }

void MdiHost::closeChildren() {
  for (Form* child : children()) program_.close(*child);
}

void MdiHost::refreshMenus() {
  const Form* active = activeChild();
  const QList<QMenu*>& menus = active ? active->menus() : main_.menus();
  const QList<QAction*> shown = bar_->actions();
  // Compared one by one: an emptied list and a never-filled one may not share
  // a data pointer, and Qt's own comparison then hands memcmp a null pointer.
  bool same = shown.size() == menus.size();
  for (qsizetype i = 0; same && i < menus.size(); ++i) same = shown[i] == menus[i]->menuAction();
  if (same) return;
  bar_->clear();
  for (QMenu* menu : menus) bar_->addMenu(menu);
}

bool MdiHost::eventFilter(QObject* watched, QEvent* event) {
  // A form's close box unloads the form, as its Close item does.
  if (event->type() == QEvent::Close) {
    if (auto* form = qobject_cast<Form*>(watched); form && form != &main_) {
      event->ignore();
      program_.close(*form);
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace vantel
