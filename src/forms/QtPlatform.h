#pragma once
// The platform services of the running program: Qt's modal message box and
// input box, and printing on the default printer.

#include "forms/FormPrinter.h"
#include "forms/Platform.h"

namespace vantel {

class QtPlatform : public Platform {
 public:
  int msgBox(const QString& prompt, const QString& title, int style) override;
  QString inputBox(const QString& prompt, const QString& title) override;
  void printForm(Form& form) override;

 private:
  FormPrinter printer_;
};

}  // namespace vantel
