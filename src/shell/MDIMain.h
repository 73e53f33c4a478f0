#pragma once
// The main window: a multiple-document window whose children are the
// calculators and the information pages, with the program's main menu bar.
// Closing it closes every child, then the About dialog, and ends the program.

#include <memory>

#include "forms/Form.h"

class QAction;
class QMdiArea;
class QMenu;
class QMenuBar;

namespace vantel {

class MdiHost;

class MDIMain : public Form {
  Q_OBJECT
 public:
  explicit MDIMain(Program& program);
  ~MDIMain() override;

  void load() override;    // MDIForm_Load
  void unload() override;  // every child closes, then MDIForm_Unload

  MdiHost& host() const { return *host_; }
  QMdiArea* area() const { return area_; }
  QMenuBar* menuBar() const { return bar_; }

  QMenu* Mnuopen;
  QAction* mnuStart;
  QAction* mnuline1;
  QAction* MnuAge;
  QAction* MnuCalc;
  QAction* mnudow;
  QAction* MnuLine2;
  QAction* mnuPrint;
  QAction* mnuline3;
  QAction* mnuClose;
  QAction* mnuline;
  QAction* MnuExit;
  QMenu* MnuEdit;
  QMenu* MnuView;
  QMenu* MnuWindow;
  QAction* mnuCass;
  QAction* mnuTile;
  QAction* mnuArangIc;
  QMenu* mnuHelp;
  QAction* mnuAbout;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void MDIForm_Unload();
  void mnuStart_Click();
  void mnuExit_Click();
  void mnuAbout_Click();

  QMenuBar* bar_;
  QMdiArea* area_;
  std::unique_ptr<MdiHost> host_;
};

}  // namespace vantel
