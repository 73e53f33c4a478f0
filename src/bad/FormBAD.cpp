#include "bad/FormBAD.h"

#include <QScopedValueRollback>

#include "bad/CheckCalculate.h"
#include "calendar/CheckValues.h"
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
  setForeColor(TextHowto, colors::tooltipText());
  ImageTamsford->setPixmap(artwork::logo(QSize(105, 63)));
  setDefaultButton(CmdCalculate);

  using namespace menu;
  buildMenus<FormBAD>({
      bar(&FormBAD::mnuopen, "mnuopen", "&Open"),
      item(&FormBAD::mnuStart, "mnuStart", "&Getting Started", nullptr, inert),
      line(&FormBAD::mnuline3, "mnuline3"),
      // This form's own item: checked, and choosing it does nothing.
      item(&FormBAD::mnuCBYC, "mnuCBYC", "&Age-Birth-Death Date Calculator", nullptr, inert,
           Checked),
      item(&FormBAD::mnuCBYC2, "mnuCBYC2", "&Census Birth Year Calculator", nullptr, inert),
      item(&FormBAD::mnuDOW, "mnuDOW", "&Day of the Week Calculator", nullptr, inert),
      line(&FormBAD::mnuline1, "mnuline1"),
      item(&FormBAD::mnuPrint, "mnuPrint", "&Print Results", nullptr, inert, Disabled),
      line(&FormBAD::mnuline2, "mnuline2"),
      item(&FormBAD::mnuClose, "mnuClose", "&Close", nullptr, inert),
      line(&FormBAD::mnuline, "mnuline"),
      item(&FormBAD::mnuExit, "mnuExit", "E&xit", nullptr, inert),
      bar(&FormBAD::mnuEdit, "mnuEdit", "&Edit", Disabled),
      item(&FormBAD::mnuReset, "mnuReset", "&Reset Form", nullptr, inert),
      bar(&FormBAD::mnuView, "mnuView", "&View"),  // disabled by Form_Load
      bar(&FormBAD::mnuWindow, "mnuWindow", "&Window"),
      bar(&FormBAD::mnuHelp, "mnuHelp", "&Help"),
      item(&FormBAD::mnuAbout, "mnuAbout", "About Tamsford Genealogy Calculator", nullptr, inert),
  });
  wire();
}

void FormBAD::wire() {
  onGotFocus(cmbBMonth, [this] { cmbBMonth_GotFocus(); });
  onGotFocus(cmbDMonth, [this] { cmbDMonth_GotFocus(); });
  onGotFocus(cmbBDay, [this] { cmbBDay_GotFocus(); });
  onGotFocus(cmbDDay, [this] { cmbDDay_GotFocus(); });
  onGotFocus(cmbAMonth, [this] { cmbAMonth_GotFocus(); });
  onGotFocus(cmbADay, [this] { cmbADay_GotFocus(); });

  // Leaving a date field checks the date it belongs to; the age fields have no
  // check of their own.
  onLostFocus(cmbBMonth, [this] { CheckValues::CheckBirthMonth(program()); });
  onLostFocus(cmbBDay, [this] { checkOnLeaving(&CheckValues::CheckBirthDate); });
  onLostFocus(txtBYear, [this] { checkOnLeaving(&CheckValues::CheckBirthDate); });
  onLostFocus(cmbDMonth, [this] { CheckValues::CheckDeathMonth(program()); });
  onLostFocus(cmbDDay, [this] { checkOnLeaving(&CheckValues::CheckDeathDate); });
  onLostFocus(txtDYear, [this] { checkOnLeaving(&CheckValues::CheckDeathDate); });

  onClick(CmdCalculate, [this] { CmdCalculate_Click(); });
  for (QAbstractButton* notYet : {cmdReset, CmdPrintForm, cmdExit}) markInert(notYet);
}

void FormBAD::load() {
  for (QRadioButton* option : {OptBirth, OptAge, OptDeath}) setOptionValue(option, false);
  for (QGroupBox* f : {FrameBirth, FrameAge, FrameDeath, FrameAgeDis, FrameDeathDis, FrameBirthDis})
    f->hide();
  mnuView->menuAction()->setEnabled(false);
  cmdReset->setEnabled(false);
}

void FormBAD::cmbBMonth_GotFocus() { fillMonthList(cmbBMonth); }
void FormBAD::cmbDMonth_GotFocus() { fillMonthList(cmbDMonth); }

void FormBAD::cmbBDay_GotFocus() {
  chooseDayList(program(), cmbBMonth->text(), txtBYear->text(), kBirthDayLists);
}

void FormBAD::cmbDDay_GotFocus() {
  chooseDayList(program(), cmbDMonth->text(), txtDYear->text(), kDeathDayLists);
}

void FormBAD::cmbAMonth_GotFocus() { fillNumberList(cmbAMonth, 0, 12); }
void FormBAD::cmbADay_GotFocus() { fillNumberList(cmbADay, 0, 31); }

void FormBAD::checkOnLeaving(void (*check)(Program&)) {
  if (!calculating_) check(program());
}

void FormBAD::CmdCalculate_Click() {
  // A message of the request or of a date check moves the focus out of the
  // field the user pressed Enter in; the check on leaving that field would
  // repeat the date check this click makes anyway.
  const QScopedValueRollback<bool> calculating(calculating_, true);
  CheckValues::CheckCalculate(program());
  CheckValues::CheckBirthDate(program());
  CheckValues::CheckDeathDate(program());
}

}  // namespace vantel
