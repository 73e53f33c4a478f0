#pragma once
// The main window: a multiple-document window whose children are the
// calculators and the information pages, with the program's main menu bar.
// Closing it closes every child, then the About dialog, and ends the program.
// Its client area is declared in MDIMain.ui, its menus in the table of
// MDIMain.cpp.

#include <memory>

#include "forms/Form.h"
#include "ui_MDIMain.h"

class QAction;
class QMdiArea;
class QMenu;
class QMenuBar;

namespace vantel {

class MdiHost;

class MDIMain : public Form, public Ui::MDIMain {
  Q_OBJECT
 public:
  explicit MDIMain(Program& program);
  ~MDIMain() override;

  void load() override;    // MDIForm_Load
  void unload() override;  // every child closes, then MDIForm_Unload

  MdiHost& host() const { return *host_; }
  QMdiArea* area() const { return MDIClient; }
  QMenuBar* menuBar() const { return bar_; }

  QMenu* Mnuopen = nullptr;
  QAction* mnuStart = nullptr;
  QAction* mnuline1 = nullptr;
  QAction* MnuAge = nullptr;
  QAction* MnuCalc = nullptr;
  QAction* mnudow = nullptr;
  QAction* MnuLine2 = nullptr;
  QAction* mnuPrint = nullptr;
  QAction* mnuline3 = nullptr;
  QAction* mnuClose = nullptr;
  QAction* mnuline = nullptr;
  QAction* MnuExit = nullptr;
  QMenu* MnuEdit = nullptr;
  QMenu* MnuView = nullptr;
  QMenu* MnuWindow = nullptr;
  QAction* mnuCass = nullptr;
  QAction* mnuTile = nullptr;
  QAction* mnuArangIc = nullptr;
  QMenu* mnuHelp = nullptr;
  QAction* mnuAbout = nullptr;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void MDIForm_Unload();
  void mnuStart_Click();
  void MnuAge_Click();
  void MnuCalc_Click();
  void mnuDOW_Click();
  void mnuExit_Click();
  void mnuAbout_Click();

  QMenuBar* bar_;
  std::unique_ptr<MdiHost> host_;
};

}  // namespace vantel
