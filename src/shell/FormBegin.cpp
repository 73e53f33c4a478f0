#include "shell/FormBegin.h"

#include <QMenu>

#include "bad/FormBAD.h"
#include "census/FormCBYC.h"
#include "dow/FormDOW.h"
#include "forms/Program.h"
#include "resources/Artwork.h"
#include "shell/WindowMenu.h"
#include "shell/frmAbout.h"

namespace vantel {

FormBegin::FormBegin(Program& program)
    : Form(program, QStringLiteral("FormBegin"), QStringLiteral("Getting Started")) {
  setWindowIcon(artwork::programIcon());
  setFixedSize(708, 467);

  mnuOpen = addMenu("mnuOpen", QStringLiteral("&Open"));
  mnuStart = addItem(mnuOpen, "mnuStart", QStringLiteral("&Getting Started"));
  mnuStart->setCheckable(true);
  mnuStart->setChecked(true);
  mnuline1 = addSeparator(mnuOpen, "mnuline1");
  mnuBAD = addItem(mnuOpen, "mnuBAD", QStringLiteral("&Age-Birth-Death Data Calculator"));
  mnuCBYC = addItem(mnuOpen, "mnuCBYC", QStringLiteral("&Census Birth Year Calculator"));
  mnuDOW = addItem(mnuOpen, "mnuDOW", QStringLiteral("&Day of the Week Calculator"));
  mnuline = addSeparator(mnuOpen, "mnuline");
  mnuprint = addItem(mnuOpen, "mnuprint", QStringLiteral("&Print Form"));
  mnuprint->setEnabled(false);
  mnuline2 = addSeparator(mnuOpen, "mnuline2");
  mnuclose = addItem(mnuOpen, "mnuclose", QStringLiteral("&Close"));
  mnuline3 = addSeparator(mnuOpen, "mnuline3");
  mnuexit = addItem(mnuOpen, "mnuexit", QStringLiteral("E&xit"));

  mnuedit = addMenu("mnuedit", QStringLiteral("&Edit"));
  mnuedit->menuAction()->setEnabled(false);
  mnuClearForm = addItem(mnuedit, "mnuClearForm", QStringLiteral("&Clear Form"));
  mnuview = addMenu("mnuview", QStringLiteral("&View"));
  mnuview->menuAction()->setEnabled(false);
  mnuwindow = addMenu("mnuwindow", QStringLiteral("&Window"));
  listChildWindows(mnuwindow, program);
  mnuhelp = addMenu("mnuhelp", QStringLiteral("&Help"));
  mnuAbout = addItem(mnuhelp, "mnuAbout", QStringLiteral("&About Tamsford Genealogy Calculator"));

  onClick(mnuStart, [this] { this->program().open<FormBegin>(true); });
  onClick(mnuBAD, [this] { this->program().open<FormBAD>(true); });
  onClick(mnuCBYC, [this] { this->program().open<FormCBYC>(true); });
  onClick(mnuDOW, [this] { this->program().open<FormDOW>(true); });
  onClick(mnuclose, [this] { this->program().hide(*this); });
  onClick(mnuexit, [this] { this->program().end(); });
  onClick(mnuAbout, [this] { this->program().open<frmAbout>(); });
}

}  // namespace vantel
