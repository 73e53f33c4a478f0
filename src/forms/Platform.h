#pragma once
// The services the program asks of its platform: the modal message box, the
// modal input box and printing a form. The real program answers them with Qt's
// dialogs and the printer; tests answer them from a script and record each call.

#include <QString>

#include "forms/rules/Refusal.h"

namespace vantel {

class Form;

// Message box styles are the sum of one icon and one button set.
namespace msg {
inline constexpr int OkOnly = 0;
inline constexpr int YesNo = 4;
inline constexpr int Critical = 16;
inline constexpr int Information = 64;
// Answers.
inline constexpr int Ok = 1;
inline constexpr int Yes = 6;
inline constexpr int No = 7;

static_assert(Critical == Refusal::Critical && Information == Refusal::Information);
inline int icon(int style) { return style & (Critical | Information); }
inline int buttons(int style) { return style & 7; }
}  // namespace msg

class Platform {
 public:
  virtual ~Platform() = default;
  // Shows prompt and title with the style's icon and buttons; returns msg::Ok,
  // msg::Yes or msg::No.
  virtual int msgBox(const QString& prompt, const QString& title, int style) = 0;
  // A refusal of the rules, with its OK button.
  int refuse(const Refusal& r) {
    return msgBox(QString::fromStdString(r.prompt), QString::fromStdString(r.title), r.icon);
  }
  // One line of text typed by the user; the empty text on Cancel.
  virtual QString inputBox(const QString& prompt, const QString& title) = 0;
  // Prints the form's client area as it is shown at this moment, one page.
  virtual void printForm(Form& form) = 0;
};

}  // namespace vantel
