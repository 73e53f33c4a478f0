#include "shell/frmAbout.h"

#include "forms/Program.h"
#include "resources/Artwork.h"

namespace vantel {

frmAbout::frmAbout(Program& program)
    : Form(program, QStringLiteral("frmAbout"), QStringLiteral("Tamsford Genealogy Calculator")) {
  setupUi(this);
  adoptControls();
  // A fixed-size dialog without minimise and maximise buttons.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint);
  setWindowIcon(artwork::programIcon());
  setDefaultButton(cmdOK);
  setCancelButton(cmdOK);
  onClick(cmdOK, [this] { cmdOK_Click(); });
}

void frmAbout::cmdOK_Click() { program().close(*this); }

}  // namespace vantel
