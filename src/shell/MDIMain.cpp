#include "shell/MDIMain.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

#include "bad/FormBAD.h"
#include "census/FormCBYC.h"
#include "dow/FormDOW.h"
#include "forms/Program.h"
#include "resources/Artwork.h"
#include "shell/FormBegin.h"
#include "shell/MdiHost.h"
#include "shell/frmAbout.h"

namespace vantel {

MDIMain::MDIMain(Program& program)
    : Form(program, QStringLiteral("MDIMain"), QStringLiteral("Tamsford Genealogy Calculator")) {
  setWindowIcon(artwork::programIcon());

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  bar_ = new QMenuBar(this);
  layout->setMenuBar(bar_);
  area_ = new QMdiArea(this);
  area_->setObjectName(QStringLiteral("MDIClient"));
  area_->setBackground(palette().color(QPalette::Dark));
  layout->addWidget(area_);

  Mnuopen = addMenu("Mnuopen", QStringLiteral("&Open"));
  mnuStart = addItem(Mnuopen, "mnuStart", QStringLiteral("&Getting Started"));
  mnuline1 = addSeparator(Mnuopen, "mnuline1");
  MnuAge = addItem(Mnuopen, "MnuAge", QStringLiteral("&Age-Birth-Death date calculator"));
  MnuCalc = addItem(Mnuopen, "MnuCalc", QStringLiteral("&Census birth Year calculator"));
  mnudow = addItem(Mnuopen, "mnudow", QStringLiteral("&Day of the week caluculator"));
  MnuLine2 = addSeparator(Mnuopen, "MnuLine2");
  mnuPrint = addItem(Mnuopen, "mnuPrint", QStringLiteral("&Print Form"));
  mnuPrint->setEnabled(false);
  mnuline3 = addSeparator(Mnuopen, "mnuline3");
  mnuClose = addItem(Mnuopen, "mnuClose", QStringLiteral("&Close"));
  mnuClose->setEnabled(false);
  mnuline = addSeparator(Mnuopen, "mnuline");
  MnuExit = addItem(Mnuopen, "MnuExit", QStringLiteral("E&xit"));

  MnuEdit = addMenu("MnuEdit", QStringLiteral("&Edit"));
  MnuEdit->menuAction()->setEnabled(false);
  MnuView = addMenu("MnuView", QStringLiteral("&View"));
  MnuView->menuAction()->setEnabled(false);
  // The Window menu and its items never do anything; the menu stays disabled.
  MnuWindow = addMenu("MnuWindow", QStringLiteral("&Window"));
  MnuWindow->menuAction()->setEnabled(false);
  mnuCass = addItem(MnuWindow, "mnuCass", QStringLiteral("&Casscade"));
  mnuTile = addItem(MnuWindow, "mnuTile", QStringLiteral("&Tile"));
  mnuArangIc = addItem(MnuWindow, "mnuArangIc", QStringLiteral("&Arragne Icons"));

  mnuHelp = addMenu("mnuHelp", QStringLiteral("&Help"));
  mnuAbout = addItem(mnuHelp, "mnuAbout", QStringLiteral("&About Tamsford Genealogy Calculator"));

  onClick(mnuStart, [this] { mnuStart_Click(); });
  onClick(MnuAge, [this] { this->program().open<FormBAD>(true); });
  onClick(MnuCalc, [this] { this->program().open<FormCBYC>(true); });
  onClick(mnudow, [this] { this->program().open<FormDOW>(true); });
  onClick(MnuExit, [this] { mnuExit_Click(); });
  onClick(mnuAbout, [this] { mnuAbout_Click(); });

  host_ = std::make_unique<MdiHost>(program, *this, area_, bar_);
  host_->refreshMenus();

  // A client area of 715 x 515 below the menu bar; it grows where a child
  // window with its frame needs more.
  resize(715, 515 + bar_->sizeHint().height());
  area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  program.setHost(host_.get());
}

MDIMain::~MDIMain() { program().setHost(nullptr); }

void MDIMain::load() { program().open<FormBegin>(); }

void MDIMain::unload() {
  host_->closeChildren();
  MDIForm_Unload();
}

void MDIMain::MDIForm_Unload() {
  if (frmAbout* about = program().existing<frmAbout>()) program().close(*about);
}

void MDIMain::mnuStart_Click() { program().open<FormBegin>(); }

void MDIMain::mnuExit_Click() { close(); }

void MDIMain::mnuAbout_Click() { program().open<frmAbout>(); }

void MDIMain::closeEvent(QCloseEvent* event) {
  // The program decides what goes: the children and the About dialog with
  // their unload handlers, then this window, then the program itself.
  event->ignore();
  Program& p = program();
  p.close(*this);
  p.end();
}

void MDIMain::showEvent(QShowEvent* event) {
  Form::showEvent(event);
  host_->refreshMenus();
}

}  // namespace vantel
