#include "dow/FormDOW.h"

#include <QMenu>
#include <QPalette>
#include <QTextCursor>

#include "calendar/DayLists.h"
#include "dow/DowChecks.h"
#include "dow/DowDayLists.h"
#include "forms/Colors.h"
#include "forms/PrintFlow.h"
#include "forms/Program.h"
#include "resources/Artwork.h"

namespace vantel {

FormDOW::FormDOW(Program& program)
    : Form(program, QStringLiteral("FormDOW"), QStringLiteral("Day of the Week Calculator")) {
  setupUi(this);
  adoptControls();
  useFormBackground();
  // The note box paints the light 3-D colour: a text box paints its inside,
  // not itself.
  txtAddInfo->viewport()->setBackgroundRole(QPalette::Midlight);
  setForeColor(TextHowto, colors::tooltipText());
  ImageTamsford->setPixmap(artwork::logo(QSize(105, 63)));
  setDefaultButton(CmdDOWgo);

  using namespace menu;
  buildMenus<FormDOW>({
      bar(&FormDOW::mnuopen, "mnuopen", "&Open"),
      item(&FormDOW::mnuBegin, "mnuBegin", "&Getting Started", "Ctrl+G", &FormDOW::mnuBegin_Click),
      line(&FormDOW::mnuline3, "mnuline3"),
      // mnuCBYC opens Birth-Age-Death, mnuCBYC3 the Census calculator.
      item(&FormDOW::mnuCBYC, "mnuCBYC", "Age-Birth-Death Date Calculator", "Ctrl+A",
           &FormDOW::mnuCBYC_Click),
      item(&FormDOW::mnuCBYC3, "mnuCBYC3", "Census Birth Year Calculator", "Ctrl+C",
           &FormDOW::mnuCBYC3_Click),
      // This form's own item only carries the check mark.
      item(&FormDOW::mnuDOW, "mnuDOW", "Day of the Week Calculator", "Ctrl+D", inert, Checked),
      line(&FormDOW::mnuline1, "mnuline1"),
      item(&FormDOW::mnuPrint, "mnuPrint", "Print Form", "Ctrl+P", &FormDOW::mnuPrint_Click,
           Disabled),
      line(&FormDOW::mnuline, "mnuline"),
      item(&FormDOW::mnuClose, "mnuClose", "Close", "Ctrl+L", &FormDOW::mnuClose_Click),
      line(&FormDOW::mnuline2, "mnuline2"),
      // Exit ends the program at once; Close closes this form only.
      item(&FormDOW::mnuExit, "mnuExit", "Exit", "Ctrl+X", &FormDOW::mnuExit_Click),
      bar(&FormDOW::mnuEdit, "mnuEdit", "&Edit", Disabled),
      item(&FormDOW::mnuReset, "mnuReset", "Reset Form", "Ctrl+R", &FormDOW::mnuReset_Click),
      bar(&FormDOW::mnuView, "mnuView", "&View", Disabled),
      windows(&FormDOW::mnuWindow, "mnuWindow", "&Window"),
      bar(&FormDOW::MnuHelp, "MnuHelp", "&Help"),
      item(&FormDOW::mnuAbout, "mnuAbout", "About Tamsford Genealogy Calculator", nullptr,
           &FormDOW::mnuAbout_Click),
  });
  wire();
}

void FormDOW::wire() {
  // The month list is rebuilt on every entry, so a month chosen before is lost.
  onGotFocus(CmbMth, [this] { fillMonthList(CmbMth); });
  onGotFocus(CmbDay, [this] { CmbDay_GotFocus(); });

  onLostFocus(CmbMth, [this] {
    enableResetIfFilled(CmbMth->text());
    CheckValues::CheckDowMonth(*this);
  });
  onLostFocus(CmbDay, [this] { enableResetIfFilled(CmbDay->text()); });
  onLostFocus(txtYear, [this] { enableResetIfFilled(txtYear->text()); });

  onClick(CmdDOWgo, [this] { CmdDOWgo_Click(); });
  onClick(cmdReset, [this] { cmdReset_Click(); });
  onClick(CmdPrintForm, [this] { CmdPrintForm_Click(); });
  onClick(cmdPrntNote, [this] { cmdPrntNote_Click(); });
  onClick(cmdExit, [this] { cmdExit_Click(); });
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
  chooseDayList(*this, CmbMth->text(), txtYear->text(), kDowDayLists);
}

void FormDOW::CmdDOWgo_Click() {
  TxtDay->setText(QString());
  CheckValues::CheckDowDate(*this);
}

void FormDOW::ReseT() {
  CmbMth->clearList();
  CmbDay->clearList();
  txtYear->setText(QString());
  TxtDay->setText(QString());
  enablePrintCommands(false);
  TextHowto->setText(QStringLiteral(
      "To begin, enter the date above for which you'd like to calculate the day of the week."));
  setForeColor(TextHowto, colors::tooltipText());
  Frame2->setTitle(QStringLiteral("Instructions"));
  mnuEdit->menuAction()->setEnabled(false);
  cmdReset->setEnabled(false);
}

void FormDOW::cmdReset_Click() { ReseT(); }
void FormDOW::mnuReset_Click() { ReseT(); }

void FormDOW::enablePrintCommands(bool enabled) {
  CmdPrintForm->setEnabled(enabled);
  mnuPrint->setEnabled(enabled);
}

namespace {

// The button and the menu item refuse and ask alike; so does the note's button.
const PrintTexts kPrintTexts{
    QStringLiteral("You have not calculated a day of the week.  Select a complete date and "
                   "calculate a day of the week."),
    QStringLiteral("Would you like to add a note regarding this date and coresponding day of the "
                   "week to this screen print?"),
    QStringLiteral("Add Note?"),
};

}  // namespace

void FormDOW::moveFocusOffNote() {
  // Hiding the control that has the focus sends the focus on in tab order, past
  // the note's button round to the month box, whose entry would empty the month
  // about to be printed.
  QWidget* focused = focusedControl();
  if (focused == txtAddInfo || focused == cmdPrntNote)
    focusControl(CmdPrintForm->isEnabled() ? CmdPrintForm : CmdDOWgo);
}

bool FormDOW::printOrAskForNote() {
  switch (askToPrint(*this, !TxtDay->text().isEmpty(), kPrintTexts)) {
    case PrintChoice::Refused: enablePrintCommands(false); return false;
    case PrintChoice::WithAddition: return true;
    case PrintChoice::Plain: break;
  }
  moveFocusOffNote();
  txtAddInfo->hide();
  cmdPrntNote->hide();
  printThenRestore(*this);
  return false;
}

void FormDOW::showNoteBox(const QString& text) {
  txtAddInfo->show();
  cmdPrntNote->show();
  txtAddInfo->setPlainText(text);
}

void FormDOW::CmdPrintForm_Click() {
  if (!printOrAskForNote()) return;
  showNoteBox(QStringLiteral("Add note here."));
  focusControl(txtAddInfo);
  // The first 16 characters: the whole note, so that typing replaces it.
  QTextCursor cursor = txtAddInfo->textCursor();
  cursor.setPosition(0);
  cursor.setPosition(qMin(16, static_cast<int>(txtAddInfo->toPlainText().size())),
                     QTextCursor::KeepAnchor);
  txtAddInfo->setTextCursor(cursor);
  enablePrintCommands(false);
}

void FormDOW::mnuPrint_Click() {
  if (printOrAskForNote()) showNoteBox(QStringLiteral("Add Note here."));
}

void FormDOW::cmdPrntNote_Click() {
  if (TxtDay->text().isEmpty()) {
    refusePrint(*this, kPrintTexts);
    return enablePrintCommands(false);
  }
  moveFocusOffNote();
  cmdPrntNote->hide();
  // The page shows the note box and what was typed into it.
  printThenRestore(*this, [this] {
    txtAddInfo->hide();
    enablePrintCommands(true);
  });
}

void FormDOW::cmdExit_Click() {
  Program& p = program();
  p.close(*this);
  p.hide(p.form(Window::CensusInfo));
}

void FormDOW::mnuClose_Click() { program().close(*this); }
void FormDOW::mnuExit_Click() { program().end(); }

void FormDOW::mnuBegin_Click() { program().open(Window::Begin, Front); }
void FormDOW::mnuCBYC_Click() { program().open(Window::BirthAgeDeath, Front); }
void FormDOW::mnuCBYC3_Click() { program().open(Window::Census, Front); }
void FormDOW::mnuAbout_Click() { program().open(Window::About, Front); }

}  // namespace vantel
