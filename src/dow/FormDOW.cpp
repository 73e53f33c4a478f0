#include "dow/FormDOW.h"

#include <QMenu>
#include <QPalette>

#include "calendar/CheckValues.h"
#include "calendar/DayLists.h"
#include "forms/Colors.h"
#include "forms/Program.h"
#include "resources/Artwork.h"

namespace vantel {

FormDOW::FormDOW(Program& program)
    : Form(program, QStringLiteral("FormDOW"), QStringLiteral("Day of the Week Calculator")) {
  setupUi(this);
  adoptControls();
  useFormBackground();
  txtAddInfo->setBackgroundRole(QPalette::Midlight);  // the light 3-D colour
  setForeColor(TextHowto, colors::tooltipText());
  ImageTamsford->setPixmap(artwork::logo(QSize(105, 63)));
  setDefaultButton(CmdDOWgo);

  using namespace menu;
  buildMenus<FormDOW>({
      bar(&FormDOW::mnuopen, "mnuopen", "&Open"),
      item(&FormDOW::mnuBegin, "mnuBegin", "&Getting Started", "Ctrl+G", inert),
      line(&FormDOW::mnuline3, "mnuline3"),
      item(&FormDOW::mnuCBYC, "mnuCBYC", "Age-Birth-Death Date Calculator", "Ctrl+A", inert),
      item(&FormDOW::mnuCBYC3, "mnuCBYC3", "Census Birth Year Calculator", "Ctrl+C", inert),
      item(&FormDOW::mnuDOW, "mnuDOW", "Day of the Week Calculator", "Ctrl+D", inert, Checked),
      line(&FormDOW::mnuline1, "mnuline1"),
      item(&FormDOW::mnuPrint, "mnuPrint", "Print Form", "Ctrl+P", inert, Disabled),
      line(&FormDOW::mnuline, "mnuline"),
      item(&FormDOW::mnuClose, "mnuClose", "Close", "Ctrl+L", inert),
      line(&FormDOW::mnuline2, "mnuline2"),
      item(&FormDOW::mnuExit, "mnuExit", "Exit", "Ctrl+X", inert),
      bar(&FormDOW::mnuEdit, "mnuEdit", "&Edit", Disabled),
      item(&FormDOW::mnuReset, "mnuReset", "Reset Form", "Ctrl+R", inert),
      bar(&FormDOW::mnuView, "mnuView", "&View", Disabled),
      windows(&FormDOW::mnuWindow, "mnuWindow", "&Window"),
      bar(&FormDOW::MnuHelp, "MnuHelp", "&Help"),
      item(&FormDOW::mnuAbout, "mnuAbout", "About Tamsford Genealogy Calculator", nullptr, inert),
  });
  wire();
}

void FormDOW::wire() {
  // The month list is rebuilt on every entry, so a month chosen before is lost.
  onGotFocus(CmbMth, [this] { fillMonthList(CmbMth); });
  onGotFocus(CmbDay, [this] { CmbDay_GotFocus(); });

  onLostFocus(CmbMth, [this] {
    enableResetIfFilled(CmbMth->text());
    CheckValues::CheckDowMonth(program());
  });
  onLostFocus(CmbDay, [this] { enableResetIfFilled(CmbDay->text()); });
  onLostFocus(txtYear, [this] { enableResetIfFilled(txtYear->text()); });

  onClick(CmdDOWgo, [this] { CmdDOWgo_Click(); });
  for (QAbstractButton* notYet : {cmdReset, CmdPrintForm, cmdExit, cmdPrntNote}) markInert(notYet);
}

void FormDOW::enableResetIfFilled(const QString& text) {
  if (text.isEmpty()) return;
  mnuEdit->menuAction()->setEnabled(true);
  cmdReset->setEnabled(true);
}

void FormDOW::load() {
  cmdReset->setEnabled(false);
  CmdPrintForm->setEnabled(false);
  txtAddInfo->hide();
  cmdPrntNote->hide();
}

void FormDOW::CmbDay_GotFocus() {
  chooseDayList(program(), CmbMth->text(), txtYear->text(), kDowDayLists);
}

void FormDOW::CmdDOWgo_Click() {
  TxtDay->setText(QString());
  CheckValues::CheckDowDate(program());
}

}  // namespace vantel
