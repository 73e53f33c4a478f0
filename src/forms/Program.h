#pragma once
// The running program: the one shared instance of each form, the program-wide
// variables of the calculators, the platform services, and the window
// operations every form uses (open, open in front, close, hide, end), by the
// form's class or by the window's name.
//
// Referring to a form that does not exist creates it and runs its load handler;
// closing a form destroys it, and the next reference creates it afresh. The
// program-wide variables live here and survive the closing of forms. Tests make
// a Program of their own, so every test starts from a fresh program.

#include <QPointer>
#include <functional>
#include <map>
#include <memory>
#include <typeindex>

class QMenu;

#include "forms/Form.h"
#include "forms/Platform.h"
#include "forms/Window.h"

namespace vantel {

// How forms appear on screen. The main window hosts the child forms inside
// itself; without a host every form is a top-level window of its own.
class WindowHost {
 public:
  virtual ~WindowHost() = default;
  virtual void show(Form& form, bool front) = 0;
  virtual void hide(Form& form) = 0;
  // The form is being closed: take its window away.
  virtual void discard(Form& form) = 0;
  // Fills a Window menu with the open child windows, the active one marked;
  // choosing one activates it.
  virtual void listWindows(QMenu* menu) = 0;
};

class Program {
 public:
  explicit Program(Platform& platform) : platform_(&platform) {}
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  Platform& platform() const { return *platform_; }
  void setPlatform(Platform& platform) { platform_ = &platform; }
  void setHost(WindowHost* host) { host_ = host; }

  // The shared instance of form F, created (and loaded) on first reference.
  template <class F>
  F& form() {
    const std::type_index key(typeid(F));
    if (auto it = forms_.find(key); it != forms_.end() && it->second)
      return static_cast<F&>(*it->second);
    auto* created = new F(*this);
    forms_[key] = created;
    created->load();
    return *created;
  }
  // The shared instance of form F if it exists, else nullptr; creates nothing.
  template <class F>
  F* existing() const {
    auto it = forms_.find(std::type_index(typeid(F)));
    return it == forms_.end() ? nullptr : static_cast<F*>(it->second.data());
  }

  // Window names: the window is form F. Registered once, by the shell, before
  // any form opens another window by name.
  template <class F>
  void name(Window window) {
    names_.insert_or_assign(window,
                            Named{typeid(F), [](Program& p) -> Form& { return p.form<F>(); }});
  }
  // The shared instance of the named window's form, created (and loaded) on
  // first reference, as form<F>() does.
  Form& form(Window window);
  // The named window's form if it exists, else nullptr; creates nothing.
  Form* existing(Window window) const;

  // Program-wide variables of type S, made on first use and kept until the
  // program ends.
  template <class S>
  S& state() {
    auto& slot = states_[std::type_index(typeid(S))];
    if (!slot) slot = std::shared_ptr<void>(new S(), [](void* p) { delete static_cast<S*>(p); });
    return *static_cast<S*>(slot.get());
  }

  // Window operations.
  template <class F>
  F& open(bool front = false) {
    F& f = form<F>();
    show(f, front);
    return f;
  }
  Form& open(Window window, Placement placement = KeepOrder);
  void show(Form& form, bool front);
  void hide(Form& form);
  // Fills a Window menu with the open child windows (empty without a host).
  void listWindows(QMenu* menu);
  // Unloads the form: runs its unload handler and destroys it.
  void close(Form& form);
  // Every form that exists, in no particular order.
  std::vector<Form*> forms() const;
  // Ends the program at once: every form goes without its unload handler.
  void end();
  // Called when the program ends, after every form has gone.
  void onEnd(std::function<void()> handler) { onEnd_ = std::move(handler); }

 private:
  void forget(Form& form);

  struct Named {
    std::type_index type;
    Form& (*reference)(Program&);
  };
  const Named& named(Window window) const;

  Platform* platform_;
  WindowHost* host_ = nullptr;
  std::map<std::type_index, QPointer<Form>> forms_;
  std::map<std::type_index, std::shared_ptr<void>> states_;
  std::map<Window, Named> names_;
  std::function<void()> onEnd_;
};

}  // namespace vantel
