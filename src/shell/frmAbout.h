#pragma once
// The About dialog, a top-level window of its own: the product, its version,
// the calculators and a legal notice, "OK" and "System Info...", which starts
// the system's information viewer (see SysInfo.h). Its controls are declared
// in frmAbout.ui; its handlers are wired in frmAbout.cpp.

#include "forms/Form.h"
#include "shell/Registry.h"
#include "ui_frmAbout.h"

namespace vantel {

class frmAbout : public Form, public Ui::frmAbout {
  Q_OBJECT
 public:
  explicit frmAbout(Program& program);

  // The registry that names the viewer: the system's, none (the viewer is then
  // looked up on PATH), or one a test stands in.
  void useRegistry(Registry* registry) { registry_ = registry; }
  // Starts the system-information viewer, or tells the user there is none.
  void StartSysInfo();

 private:
  void wire();
  void cmdOK_Click();
  void cmdSysInfo_Click() { StartSysInfo(); }

  Registry* registry_ = systemRegistry();
};

}  // namespace vantel
