#pragma once
// The Getting Started page, the first child window of the main window: a band
// for each calculator with its icon, which opens it, a summary, and a "More
// Info" button that shows the calculator's explanation below the bands, one at
// a time. Its controls are declared in FormBegin.ui, its menus in the table of
// FormBegin.cpp, where all its handlers are wired.

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
  void wire();
  // Shows this explanation alone and makes the page clearable.
  void showExplanation(QWidget* text);

  void Picture2_Click();
  void Picture1_Click();
  void Picture4_Click();
  void PictureInfoBAD_Click() { showExplanation(TextBAD); }
  void PictureInfoCBY_Click() { showExplanation(TextCBY); }
  void PictureInfoDOW_Click() { showExplanation(TextDOW); }
  void mnuClearForm_Click();
  void mnuStart_Click();
  void mnuBAD_Click();
  void mnuCBYC_Click();
  void mnuDOW_Click();
  void mnuClose_Click();
  void mnuExit_Click();
  void mnuAbout_Click();
};

}  // namespace vantel
