#include "census/FormCenInfo.h"

#include <QTabBar>
#include <QToolButton>

#include "forms/PrintFlow.h"
#include "forms/Program.h"
#include "resources/Artwork.h"

namespace vantel {

FormCenInfo::FormCenInfo(Program& program)
    : Form(program, QStringLiteral("FormCenInfo"), QStringLiteral("Census Information")) {
  setupUi(this);
  adoptControls();
  useFormBackground();
  setWindowIcon(artwork::programIcon());
  ImageTamsford->setPixmap(artwork::logo(QSize(105, 63)));
  setDefaultButton(cmdCenExit);

  // Print, Close, Exit and About do what their namesakes on the other forms
  // do; Close hides the window as its Exit button does.
  using namespace menu;
  buildMenus<FormCenInfo>({
      bar(&FormCenInfo::mnuOpen, "mnuOpen", "&Open"),
      // A line stands first in the Open menu. Qt does not draw a line that
      // opens a menu, so it stays hidden; nothing is lost, as nothing stands
      // above it to set apart.
      line(&FormCenInfo::mnuline, "mnuline"),
      item(&FormCenInfo::mnuprint, "mnuprint", "&Print", nullptr, &FormCenInfo::mnuprint_Click),
      item(&FormCenInfo::mnuclose, "mnuclose", "&Close", nullptr, &FormCenInfo::mnuclose_Click),
      item(&FormCenInfo::mnuExit, "mnuExit", "E&xit", nullptr, &FormCenInfo::mnuExit_Click),
      bar(&FormCenInfo::mnuedit, "mnuedit", "&Edit", Disabled),
      bar(&FormCenInfo::mnuView, "mnuView", "&View"),
      item(&FormCenInfo::mnuXcenInfo, "mnuXcenInfo", "E&xit Census Information", nullptr,
           &FormCenInfo::mnuXcenInfo_Click),
      windows(&FormCenInfo::mnuWindow, "mnuWindow", "&Window"),
      bar(&FormCenInfo::mnuHelp, "mnuHelp", "&Help"),
      item(&FormCenInfo::mnuAbout, "mnuAbout", "&About Tamsford Genealogy Calculator", nullptr,
           &FormCenInfo::mnuAbout_Click),
  });
  wire();
  setUpTabs();
}

void FormCenInfo::wire() {
  onClick(cmdCenExit, [this] { cmdCenExit_Click(); });
}

void FormCenInfo::setUpTabs() {
  // The six tabs fit the tab control side by side, so its tab bar never scrolls;
  // Qt makes the bar's scroll buttons all the same, and they stay unused.
  SSTab2->setUsesScrollButtons(false);
  for (QToolButton* scroll : SSTab2->findChildren<QToolButton*>()) markInert(scroll);
  // The focus sits on the tab bar inside the tab control, which the declared
  // tab order does not name: Tab goes from it to the text of the tab shown.
  QWidget::setTabOrder(SSTab2->findChild<QTabBar*>(), txt1790);
}

void FormCenInfo::cmdCenExit_Click() { program().hide(*this); }
void FormCenInfo::mnuXcenInfo_Click() { program().hide(*this); }
void FormCenInfo::mnuprint_Click() { printThenRestore(*this); }
void FormCenInfo::mnuclose_Click() { program().hide(*this); }
void FormCenInfo::mnuExit_Click() { program().end(); }
void FormCenInfo::mnuAbout_Click() { program().open(Window::About); }

}  // namespace vantel
