#pragma once
// A platform for tests: records every message box, input box and print the
// program asks for, and answers from queues the test fills beforehand.

#include <QImage>
#include <QList>
#include <QString>
#include <deque>
#include <functional>

#include "forms/Platform.h"

namespace vantel::test {

struct Call {
  enum Kind { Message, Input, Print } kind;
  QString prompt;
  QString title;
  int style = 0;
  QString formName;  // Print: the form printed
  QImage image;      // Print: the form as shown at the moment of the call

  int icon() const { return msg::icon(style); }
  int buttons() const { return msg::buttons(style); }
};

class ScriptedPlatform : public Platform {
 public:
  int msgBox(const QString& prompt, const QString& title, int style) override;
  QString inputBox(const QString& prompt, const QString& title) override;
  void printForm(Form& form) override;

  // Answers given in order; an empty queue answers OK, or No to a question,
  // and the empty text to an input box.
  std::deque<int> answers;
  std::deque<QString> inputs;
  // Runs during every message box, as a user's action while it is open would.
  std::function<void(const Call&)> whileShown;
  // Runs during every print, while the form is as printed.
  std::function<void(Form&)> whilePrinting;

  QList<Call> calls;
  QList<Call> messages() const;
  QList<Call> prints() const;
  void clear() { calls.clear(); }
};

}  // namespace vantel::test
