#pragma once
// Watches for the first paint of one widget; then writes "shown" on standard
// output and ends the process at once. The benchmark's clock stops when that
// line arrives.

#include <QObject>
#include <functional>

class QWidget;

class ShownProbe : public QObject {
 public:
  // `target` says whether a painted widget is the one being waited for.
  explicit ShownProbe(std::function<bool(QWidget*)> target);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<bool(QWidget*)> target_;
};
