#include "shell/MDIMain.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>

#include "forms/Program.h"
#include "resources/Artwork.h"
#include "shell/MdiHost.h"

namespace vantel {

MDIMain::MDIMain(Program& program)
    : Form(program, QStringLiteral("MDIMain"), QStringLiteral("Tamsford Genealogy Calculator")) {
  setupUi(this);
  adoptControls();
  setWindowIcon(artwork::programIcon());
  bar_ = new QMenuBar(this);
  mainLayout->setMenuBar(bar_);
  MDIClient->setBackground(palette().color(QPalette::Dark));

  using namespace menu;
  buildMenus<MDIMain>({
      bar(&MDIMain::Mnuopen, "Mnuopen", "&Open"),
      item(&MDIMain::mnuStart, "mnuStart", "&Getting Started", nullptr, &MDIMain::mnuStart_Click),
      line(&MDIMain::mnuline1, "mnuline1"),
      item(&MDIMain::MnuAge, "MnuAge", "&Age-Birth-Death date calculator", nullptr,
           &MDIMain::MnuAge_Click),
      item(&MDIMain::MnuCalc, "MnuCalc", "&Census birth Year calculator", nullptr,
           &MDIMain::MnuCalc_Click),
      item(&MDIMain::mnudow, "mnudow", "&Day of the week caluculator", nullptr,
           &MDIMain::mnuDOW_Click),
      line(&MDIMain::MnuLine2, "MnuLine2"),
      item(&MDIMain::mnuPrint, "mnuPrint", "&Print Form", nullptr, inert, Disabled),
      line(&MDIMain::mnuline3, "mnuline3"),
      item(&MDIMain::mnuClose, "mnuClose", "&Close", nullptr, inert, Disabled),
      line(&MDIMain::mnuline, "mnuline"),
      // Exit closes the main window: every window closes, then the program ends.
      item(&MDIMain::MnuExit, "MnuExit", "E&xit", nullptr, &MDIMain::mnuExit_Click),
      bar(&MDIMain::MnuEdit, "MnuEdit", "&Edit", Disabled),
      bar(&MDIMain::MnuView, "MnuView", "&View", Disabled),
      // The Window menu and its items never do anything; the menu stays disabled.
      bar(&MDIMain::MnuWindow, "MnuWindow", "&Window", Disabled),
      item(&MDIMain::mnuCass, "mnuCass", "&Casscade", nullptr, inert),
      item(&MDIMain::mnuTile, "mnuTile", "&Tile", nullptr, inert),
      item(&MDIMain::mnuArangIc, "mnuArangIc", "&Arragne Icons", nullptr, inert),
      bar(&MDIMain::mnuHelp, "mnuHelp", "&Help"),
      item(&MDIMain::mnuAbout, "mnuAbout", "&About Tamsford Genealogy Calculator", nullptr,
           &MDIMain::mnuAbout_Click),
  });

  host_ = std::make_unique<MdiHost>(program, *this, MDIClient, bar_);
  host_->refreshMenus();

  // A client area of 715 x 515 below the menu bar; it grows where a child
  // window with its frame needs more.
  resize(715, 515 + bar_->sizeHint().height());
  program.setHost(host_.get());
}

MDIMain::~MDIMain() { program().setHost(nullptr); }

void MDIMain::load() { program().open(Window::Begin); }

void MDIMain::unload() {
  host_->closeChildren();
  MDIForm_Unload();
}

void MDIMain::MDIForm_Unload() {
  if (Form* about = program().existing(Window::About)) program().close(*about);
}

void MDIMain::mnuStart_Click() { program().open(Window::Begin); }

void MDIMain::MnuAge_Click() { program().open(Window::BirthAgeDeath, Front); }
void MDIMain::MnuCalc_Click() { program().open(Window::Census, Front); }
void MDIMain::mnuDOW_Click() { program().open(Window::DayOfWeek, Front); }

void MDIMain::mnuExit_Click() { close(); }

void MDIMain::mnuAbout_Click() { program().open(Window::About); }

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
