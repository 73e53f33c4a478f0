#include "forms/Program.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMenu>

namespace vantel {

Program::~Program() {
  for (auto& [key, form] : forms_) delete form.data();
  // Forms closed earlier may still wait for their deferred deletion.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

const Program::Named& Program::named(Window window) const {
  const auto it = names_.find(window);
  // A window opened by a name the shell never registered is a fault of the
  // program's start-up, not of the user.
  if (it == names_.end()) qFatal("No form is registered for window %d", static_cast<int>(window));
  return it->second;
}

Form& Program::form(Window window) { return named(window).reference(*this); }

Form* Program::existing(Window window) const {
  const auto it = forms_.find(named(window).type);
  return it == forms_.end() ? nullptr : it->second.data();
}

Form& Program::open(Window window, Placement placement) {
  Form& f = form(window);
  show(f, placement == Front);
  return f;
}

void Program::show(Form& form, bool front) {
  if (host_) {
    host_->show(form, front);
    return;
  }
  form.show();
  if (front) {
    form.raise();
    form.activateWindow();
  }
}

void Program::hide(Form& form) {
  if (host_)
    host_->hide(form);
  else
    form.hide();
}

void Program::listWindows(QMenu* menu) {
  if (host_)
    host_->listWindows(menu);
  else
    menu->clear();
}

void Program::forget(Form& form) {
  for (auto it = forms_.begin(); it != forms_.end(); ++it)
    if (it->second == &form) {
      forms_.erase(it);
      break;
    }
  if (host_) host_->discard(form);
  form.hide();
  // The form may be closing from one of its own handlers: delete it once that
  // handler has returned.
  form.deleteLater();
}

void Program::close(Form& form) {
  form.unload();
  forget(form);
}

std::vector<Form*> Program::forms() const {
  std::vector<Form*> all;
  for (const auto& [key, form] : forms_)
    if (form) all.push_back(form.data());
  return all;
}

void Program::end() {
  for (Form* form : forms()) forget(*form);
  if (onEnd_) onEnd_();
}

}  // namespace vantel
