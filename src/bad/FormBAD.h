#pragma once
// The Birth-Age-Death calculator's window: the user picks which of birth date,
// age at death and death date is missing, fills in the other two and has the
// third computed. Its controls are declared in FormBAD.ui, its menus in the
// table of FormBAD.cpp, where all its handlers are wired; the computation
// (SetValues, BADcalC), the checks (BadChecks) and the printing
// (BadPrinting) are procedures of their own that read and write these
// controls.

#include <QAction>
#include <QMenu>

#include "forms/Controls.h"
#include "forms/Form.h"
#include "ui_FormBAD.h"

namespace vantel {

class FormBAD : public Form, public Ui::FormBAD {
  Q_OBJECT
 public:
  explicit FormBAD(Program& program);

  // Form_Load: no option selected, every date and result frame hidden, the View
  // menu and the reset button disabled.
  void load() override;

  // Back to choosing the missing value: no option selected, every date and
  // result frame hidden, the birth fields emptied, the starting sentence in
  // the window-text colour. The age and death fields, the results,
  // BadResultShown and mnuPrint stay as they are.
  void ReseT();

  // Menus and their items, made from the menu table.
  QMenu* mnuopen = nullptr;
  QAction* mnuStart = nullptr;
  QAction* mnuline3 = nullptr;
  QAction* mnuCBYC = nullptr;
  QAction* mnuCBYC2 = nullptr;
  QAction* mnuDOW = nullptr;
  QAction* mnuline1 = nullptr;
  QAction* mnuPrint = nullptr;
  QAction* mnuline2 = nullptr;
  QAction* mnuClose = nullptr;
  QAction* mnuline = nullptr;
  QAction* mnuExit = nullptr;
  QMenu* mnuEdit = nullptr;
  QAction* mnuReset = nullptr;
  QMenu* mnuView = nullptr;
  QMenu* mnuWindow = nullptr;
  QMenu* mnuHelp = nullptr;
  QAction* mnuAbout = nullptr;

 private:
  void wire();

  // Click of an option button: the frames of the two known values shown, the
  // missing value's frame hidden and emptied (days, months, then year), every
  // result hidden, no result to print, the form resettable.
  void OptBirth_Click();
  void OptAge_Click();
  void OptDeath_Click();
  void chooseMissing(QRadioButton* option, QGroupBox* missing, ComboBox* days, ComboBox* months,
                     TextBox* year);

  // GotFocus of the list boxes: each list is emptied and rebuilt on every
  // entry, so a choice made before is lost.
  void cmbBMonth_GotFocus();
  void cmbDMonth_GotFocus();
  void cmbBDay_GotFocus();
  void cmbDDay_GotFocus();
  void cmbAMonth_GotFocus();
  void cmbADay_GotFocus();

  // LostFocus of a date field: the check of its date. Skipped while the
  // Calculate click runs, which checks both dates itself at its end.
  void checkOnLeaving(void (*check)(FormBAD&));

  // Click of "&Calculate Missing Data": the calculate request, then the two
  // 29-February checks, each whatever the one before found. So a 29 February
  // of a common year gets its message after the result is shown.
  void CmdCalculate_Click();

  void cmdReset_Click();
  void mnuReset_Click();
  void CmdPrintForm_Click();
  void mnuPrint_Click();
  // "E&xit Form", Close and Exit close this form only.
  void cmdExit_Click();
  void mnuClose_Click();
  void mnuExit_Click();
  void mnuStart_Click();
  void mnuCBYC2_Click();
  void mnuDOW_Click();
  void mnuAbout_Click();

  bool calculating_ = false;
};

}  // namespace vantel
