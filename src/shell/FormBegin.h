#pragma once
// The Getting Started page, the first child window of the main window. Its
// controls are declared in FormBegin.ui, its menus in the table of
// FormBegin.cpp, which leads to the calculators, the About dialog and the end of
// the program.

#include <QAction>
#include <QMenu>

#include "forms/Form.h"
#include "ui_FormBegin.h"

namespace vantel {

class FormBegin : public Form, public Ui::FormBegin {
  Q_OBJECT
 public:
  explicit FormBegin(Program& program);

  QMenu* mnuOpen = nullptr;
  QAction* mnuStart = nullptr;
  QAction* mnuline1 = nullptr;
  QAction* mnuBAD = nullptr;
  QAction* mnuCBYC = nullptr;
  QAction* mnuDOW = nullptr;
  QAction* mnuline = nullptr;
  QAction* mnuprint = nullptr;
  QAction* mnuline2 = nullptr;
  QAction* mnuclose = nullptr;
  QAction* mnuline3 = nullptr;
  QAction* mnuexit = nullptr;
  QMenu* mnuedit = nullptr;
  QAction* mnuClearForm = nullptr;
  QMenu* mnuview = nullptr;
  QMenu* mnuwindow = nullptr;
  QMenu* mnuhelp = nullptr;
  QAction* mnuAbout = nullptr;

 private:
  void mnuStart_Click();
  void mnuBAD_Click();
  void mnuCBYC_Click();
  void mnuDOW_Click();
  void mnuClose_Click();
  void mnuExit_Click();
  void mnuAbout_Click();
};

}  // namespace vantel
