#pragma once
// The Getting Started page, the first child window of the main window. This
// version holds its menu bar, which leads to the calculators, the About dialog
// and the end of the program; the page's bands and explanations come later.

#include "forms/Form.h"

class QAction;
class QMenu;

namespace vantel {

class FormBegin : public Form {
  Q_OBJECT
 public:
  explicit FormBegin(Program& program);

  QMenu* mnuOpen;
  QAction* mnuStart;
  QAction* mnuline1;
  QAction* mnuBAD;
  QAction* mnuCBYC;
  QAction* mnuDOW;
  QAction* mnuline;
  QAction* mnuprint;
  QAction* mnuline2;
  QAction* mnuclose;
  QAction* mnuline3;
  QAction* mnuexit;
  QMenu* mnuedit;
  QAction* mnuClearForm;
  QMenu* mnuview;
  QMenu* mnuwindow;
  QMenu* mnuhelp;
  QAction* mnuAbout;
};

}  // namespace vantel
