#include "shell/frmAbout.h"

#include <QPushButton>

#include "forms/Program.h"
#include "resources/Artwork.h"

namespace vantel {

frmAbout::frmAbout(Program& program)
    : Form(program, QStringLiteral("frmAbout"), QStringLiteral("Tamsford Genealogy Calculator")) {
  // A fixed-size dialog without minimise and maximise buttons.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint);
  setWindowIcon(artwork::programIcon());
  setFixedSize(382, 294);

  cmdOK = add<QPushButton>("cmdOK", nullptr);
  cmdOK->setText(QStringLiteral("OK"));
  cmdOK->setGeometry(283, 230, 84, 23);
  setDefaultButton(cmdOK);
  setCancelButton(cmdOK);
  onClick(cmdOK, [this] { this->program().close(*this); });
}

}  // namespace vantel
