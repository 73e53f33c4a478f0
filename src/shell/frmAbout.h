#pragma once
// The About dialog, a top-level window of its own. This version shows the
// caption, the program icon and the OK button; its texts and the system
// information button come later.

#include "forms/Form.h"

class QPushButton;

namespace vantel {

class frmAbout : public Form {
  Q_OBJECT
 public:
  explicit frmAbout(Program& program);

  QPushButton* cmdOK;
};

}  // namespace vantel
