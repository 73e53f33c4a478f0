#include "bad/FormBAD.h"

#include <QLineEdit>
#include <QScopedValueRollback>

#include "bad/BadChecks.h"
#include "bad/BadDayLists.h"
#include "bad/BadPrinting.h"
#include "bad/BadVariables.h"
#include "calendar/DayLists.h"
#include "forms/Colors.h"
#include "forms/Program.h"
#include "resources/Artwork.h"

namespace vantel {

FormBAD::FormBAD(Program& program)
    : Form(program, QStringLiteral("FormBAD"),
           QStringLiteral("Birth - Age - Death Date Calculator")) {
  setupUi(this);
  adoptControls();
  useFormBackground();
  setForeColor(TextHowto, colors::tooltipText());
  for (TextBox* result : {TxTBirthDis, TxTAgeDis, TxTDeathDis})
    setForeColor(result, colors::navy());
  ImageTamsford->setPixmap(artwork::logo(QSize(105, 63)));
  QIcon icon;
  for (int side : {16, 32})
    icon.addPixmap(artwork::picture(QStringLiteral("bad.svg"), {side, side}));
  setWindowIcon(icon);
  // The typing field of the age in months is read out under the box's name.
  cmbAMonth->lineEdit()->setAccessibleName(cmbAMonth->accessibleName());
  setDefaultButton(CmdCalculate);

  using namespace menu;
  buildMenus<FormBAD>({
      bar(&FormBAD::mnuopen, "mnuopen", "&Open"),
      item(&FormBAD::mnuStart, "mnuStart", "&Getting Started", nullptr, &FormBAD::mnuStart_Click),
      line(&FormBAD::mnuline3, "mnuline3"),
      // This form's own item, Birth-Age-Death despite its name: checked, and
      // choosing it does nothing. mnuCBYC2 opens the Census calculator.
      item(&FormBAD::mnuCBYC, "mnuCBYC", "&Age-Birth-Death Date Calculator", nullptr, inert,
           Checked),
      item(&FormBAD::mnuCBYC2, "mnuCBYC2", "&Census Birth Year Calculator", nullptr,
           &FormBAD::mnuCBYC2_Click),
      item(&FormBAD::mnuDOW, "mnuDOW", "&Day of the Week Calculator", nullptr,
           &FormBAD::mnuDOW_Click),
      line(&FormBAD::mnuline1, "mnuline1"),
      item(&FormBAD::mnuPrint, "mnuPrint", "&Print Results", nullptr, &FormBAD::mnuPrint_Click,
           Disabled),
      line(&FormBAD::mnuline2, "mnuline2"),
      item(&FormBAD::mnuClose, "mnuClose", "&Close", nullptr, &FormBAD::mnuClose_Click),
      line(&FormBAD::mnuline, "mnuline"),
      // Exit closes this form only, as Close does; the program goes on.
      item(&FormBAD::mnuExit, "mnuExit", "E&xit", nullptr, &FormBAD::mnuExit_Click),
      bar(&FormBAD::mnuEdit, "mnuEdit", "&Edit", Disabled),
      item(&FormBAD::mnuReset, "mnuReset", "&Reset Form", nullptr, &FormBAD::mnuReset_Click),
      bar(&FormBAD::mnuView, "mnuView", "&View"),  // disabled by Form_Load
      windows(&FormBAD::mnuWindow, "mnuWindow", "&Window"),
      bar(&FormBAD::mnuHelp, "mnuHelp", "&Help"),
      item(&FormBAD::mnuAbout, "mnuAbout", "About Tamsford Genealogy Calculator", nullptr,
           &FormBAD::mnuAbout_Click),
  });
  wire();
}

void FormBAD::wire() {
  onClick(OptBirth, [this] { OptBirth_Click(); });
  onClick(OptAge, [this] { OptAge_Click(); });
  onClick(OptDeath, [this] { OptDeath_Click(); });

  onGotFocus(cmbBMonth, [this] { cmbBMonth_GotFocus(); });
  onGotFocus(cmbDMonth, [this] { cmbDMonth_GotFocus(); });
  onGotFocus(cmbBDay, [this] { cmbBDay_GotFocus(); });
  onGotFocus(cmbDDay, [this] { cmbDDay_GotFocus(); });
  onGotFocus(cmbAMonth, [this] { cmbAMonth_GotFocus(); });
  onGotFocus(cmbADay, [this] { cmbADay_GotFocus(); });

  // Leaving a date field checks the date it belongs to; the age fields have no
  // check of their own.
  onLostFocus(cmbBMonth, [this] { CheckValues::CheckBirthMonth(*this); });
  onLostFocus(cmbBDay, [this] { checkOnLeaving(&CheckValues::CheckBirthDate); });
  onLostFocus(txtBYear, [this] { checkOnLeaving(&CheckValues::CheckBirthDate); });
  onLostFocus(cmbDMonth, [this] { CheckValues::CheckDeathMonth(*this); });
  onLostFocus(cmbDDay, [this] { checkOnLeaving(&CheckValues::CheckDeathDate); });
  onLostFocus(txtDYear, [this] { checkOnLeaving(&CheckValues::CheckDeathDate); });

  onClick(CmdCalculate, [this] { CmdCalculate_Click(); });
  onClick(cmdReset, [this] { cmdReset_Click(); });
  onClick(CmdPrintForm, [this] { CmdPrintForm_Click(); });
  onClick(cmdExit, [this] { cmdExit_Click(); });
}

void FormBAD::load() {
  for (QRadioButton* option : {OptBirth, OptAge, OptDeath}) setOptionValue(option, false);
  for (QGroupBox* f : {FrameBirth, FrameAge, FrameDeath, FrameAgeDis, FrameDeathDis, FrameBirthDis})
    f->hide();
  mnuView->menuAction()->setEnabled(false);
  cmdReset->setEnabled(false);
}

void FormBAD::OptBirth_Click() {
  chooseMissing(OptBirth, FrameBirth, cmbBDay, cmbBMonth, txtBYear);
}
void FormBAD::OptAge_Click() { chooseMissing(OptAge, FrameAge, cmbADay, cmbAMonth, txtAYear); }
void FormBAD::OptDeath_Click() {
  chooseMissing(OptDeath, FrameDeath, cmbDDay, cmbDMonth, txtDYear);
}

void FormBAD::chooseMissing(QRadioButton* option, QGroupBox* missing, ComboBox* days,
                            ComboBox* months, TextBox* year) {
  if (!option->isChecked()) {
    mnuEdit->menuAction()->setEnabled(false);
    cmdReset->setEnabled(false);
    return;
  }
  for (QGroupBox* entry : {FrameBirth, FrameAge, FrameDeath}) entry->setVisible(entry != missing);
  days->clearList();
  months->clearList();
  year->setText(QString());
  for (QGroupBox* result : {FrameBirthDis, FrameAgeDis, FrameDeathDis}) result->hide();
  TextHowto->setText(QStringLiteral(
      "Complete the missing information above and then select the Calculate Missing Data "
      "button."));
  program().state<BadVariables>().BadResultShown = 0;
  mnuPrint->setEnabled(false);
  mnuEdit->menuAction()->setEnabled(true);
  cmdReset->setEnabled(true);
}

void FormBAD::cmbBMonth_GotFocus() { fillMonthList(cmbBMonth); }
void FormBAD::cmbDMonth_GotFocus() { fillMonthList(cmbDMonth); }

void FormBAD::cmbBDay_GotFocus() {
  chooseDayList(*this, cmbBMonth->text(), txtBYear->text(), kBirthDayLists);
}

void FormBAD::cmbDDay_GotFocus() {
  chooseDayList(*this, cmbDMonth->text(), txtDYear->text(), kDeathDayLists);
}

void FormBAD::cmbAMonth_GotFocus() { fillNumberList(cmbAMonth, 0, 12); }
void FormBAD::cmbADay_GotFocus() { fillNumberList(cmbADay, 0, 31); }

void FormBAD::checkOnLeaving(void (*check)(FormBAD&)) {
  if (!calculating_) check(*this);
}

void FormBAD::CmdCalculate_Click() {
  // A message of the request or of a date check moves the focus out of the
  // field the user pressed Enter in; the check on leaving that field would
  // repeat the date check this click makes anyway.
  const QScopedValueRollback<bool> calculating(calculating_, true);
  CheckValues::CheckCalculate(*this);
  CheckValues::CheckBirthDate(*this);
  CheckValues::CheckDeathDate(*this);
}

void FormBAD::ReseT() {
  // Hiding the field that has the focus would hand the focus to the next
  // field in tab order, whose list would then be rebuilt and its choice lost;
  // the age and death fields must keep theirs. The option frame stays shown.
  if (QWidget* field = focusedControl();
      field && (FrameBirth->isAncestorOf(field) || FrameAge->isAncestorOf(field) ||
                FrameDeath->isAncestorOf(field)))
    focusControl(OptBirth);
  for (QRadioButton* option : {OptBirth, OptAge, OptDeath}) setOptionValue(option, false);
  for (QGroupBox* f : {FrameBirth, FrameAge, FrameDeath, FrameAgeDis, FrameDeathDis, FrameBirthDis})
    f->hide();
  cmbBDay->clearList();
  cmbBMonth->clearList();
  txtBYear->setText(QString());
  mnuEdit->menuAction()->setEnabled(false);
  cmdReset->setEnabled(false);
  TextHowto->setText(QStringLiteral(
      "To begin, choose from above the missing information you'd like to calculate."));
  setForeColor(TextHowto, colors::windowText());
}

void FormBAD::cmdReset_Click() { ReseT(); }
void FormBAD::mnuReset_Click() { ReseT(); }
void FormBAD::CmdPrintForm_Click() { PrintBadResults(*this, kButtonSentences); }
void FormBAD::mnuPrint_Click() { PrintBadResults(*this, kMenuSentences); }
// Each closes this form only; the program and its other windows go on.
void FormBAD::cmdExit_Click() { program().close(*this); }
void FormBAD::mnuClose_Click() { program().close(*this); }
void FormBAD::mnuExit_Click() { program().close(*this); }
void FormBAD::mnuStart_Click() { program().open(Window::Begin, Front); }
void FormBAD::mnuCBYC2_Click() { program().open(Window::Census, Front); }
void FormBAD::mnuDOW_Click() { program().open(Window::DayOfWeek, Front); }
void FormBAD::mnuAbout_Click() { program().open(Window::About); }

}  // namespace vantel
