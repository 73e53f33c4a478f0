#pragma once
// The About dialog, a top-level window of its own. Its controls are declared in
// frmAbout.ui. This version shows the caption, the program icon and the OK
// button; its texts and the system information button come later.

#include "forms/Form.h"
#include "ui_frmAbout.h"

namespace vantel {

class frmAbout : public Form, public Ui::frmAbout {
  Q_OBJECT
 public:
  explicit frmAbout(Program& program);

 private:
  void cmdOK_Click();
};

}  // namespace vantel
