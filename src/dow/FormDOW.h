#pragma once
// The Day-of-week calculator's window: a month, a day and a year go in, the
// weekday comes out in TxtDay. Its controls are declared in FormDOW.ui, its
// menus in the table of FormDOW.cpp, where all its handlers are wired; the
// checks live in DowChecks, the computation in DOWcalC.

#include <QAction>
#include <QMenu>

#include "forms/Controls.h"
#include "forms/Form.h"
#include "ui_FormDOW.h"

namespace vantel {

class FormDOW : public Form, public Ui::FormDOW {
  Q_OBJECT
 public:
  explicit FormDOW(Program& program);

  void load() override;

  // GotFocus of CmbDay: a list of as many days as the month and year allow.
  void CmbDay_GotFocus();
  // Click of CmdDOWgo: empties the result, then checks the date and computes.
  void CmdDOWgo_Click();
  // Empties the date and the result and puts the starting instructions back;
  // the note box, its text and the result's colour stay as they are.
  void ReseT();

  // Menus and their items, made from the menu table.
  QMenu* mnuopen = nullptr;
  QAction* mnuBegin = nullptr;
  QAction* mnuline3 = nullptr;
  QAction* mnuCBYC = nullptr;
  QAction* mnuCBYC3 = nullptr;
  QAction* mnuDOW = nullptr;
  QAction* mnuline1 = nullptr;
  QAction* mnuPrint = nullptr;
  QAction* mnuline = nullptr;
  QAction* mnuClose = nullptr;
  QAction* mnuline2 = nullptr;
  QAction* mnuExit = nullptr;
  QMenu* mnuEdit = nullptr;
  QAction* mnuReset = nullptr;
  QMenu* mnuView = nullptr;
  QMenu* mnuWindow = nullptr;
  QMenu* MnuHelp = nullptr;
  QAction* mnuAbout = nullptr;

 private:
  void wire();
  // Leaving a date field with text in it makes the form resettable.
  void enableResetIfFilled(const QString& text);

  void cmdReset_Click();
  void mnuReset_Click();
  void CmdPrintForm_Click();
  void mnuPrint_Click();
  void cmdPrntNote_Click();
  void cmdExit_Click();
  void mnuClose_Click();
  void mnuExit_Click();
  void mnuBegin_Click();
  void mnuCBYC_Click();
  void mnuCBYC3_Click();
  void mnuAbout_Click();

  // The first steps of both print commands: refuses while no weekday is shown
  // (and disables both print commands), then asks about a note and, on No,
  // prints at once. True when the user wants to write a note first.
  bool printOrAskForNote();
  void enablePrintCommands(bool enabled);
  void showNoteBox(const QString& text);
  // Keeps the focus out of the note box and its button before they hide.
  void moveFocusOffNote();
};

}  // namespace vantel
