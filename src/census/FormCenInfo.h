#pragma once
// The Census Information window, a child window of the main window that the
// Census form opens. Its controls are declared in FormCenInfo.ui. This version
// is the empty window; its tabs of census texts and its menus come later.

#include "forms/Form.h"
#include "ui_FormCenInfo.h"

namespace vantel {

class FormCenInfo : public Form, public Ui::FormCenInfo {
  Q_OBJECT
 public:
  explicit FormCenInfo(Program& program);
};

}  // namespace vantel
