#pragma once
// The Census Information window, a child window of the main window that the
// Census form opens: one tab per census of 1790 to 1840, each with a text
// about that census. Its controls and texts are declared in FormCenInfo.ui,
// its menus in the table of FormCenInfo.cpp, where its handlers are wired.
//
// Its Exit button and Exit item only hide it, so the tab and the scroll
// position chosen stay for the next opening; its close box unloads it.

#include <QAction>
#include <QMenu>

#include "forms/Form.h"
#include "ui_FormCenInfo.h"

namespace vantel {

class FormCenInfo : public Form, public Ui::FormCenInfo {
  Q_OBJECT
 public:
  explicit FormCenInfo(Program& program);

  // The text boxes of the six tabs, txt1790 first.
  std::array<MultiLineText*, 6> censusTexts() const {
    return {txt1790, txt1800, txt1810, txt1820, txt1830, txt1840};
  }

  QMenu* mnuOpen = nullptr;
  QAction* mnuline = nullptr;
  QAction* mnuprint = nullptr;
  QAction* mnuclose = nullptr;
  QAction* mnuExit = nullptr;
  QMenu* mnuedit = nullptr;
  QMenu* mnuView = nullptr;
  QAction* mnuXcenInfo = nullptr;
  QMenu* mnuWindow = nullptr;
  QMenu* mnuHelp = nullptr;
  QAction* mnuAbout = nullptr;

 private:
  void wire();
  void setUpTabs();
  void cmdCenExit_Click();
  void mnuXcenInfo_Click();
  void mnuprint_Click();
  void mnuclose_Click();
  void mnuExit_Click();
  void mnuAbout_Click();
};

}  // namespace vantel
