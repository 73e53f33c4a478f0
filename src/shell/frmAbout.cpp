#include "shell/frmAbout.h"

#include <QProcess>

#include "forms/Program.h"
#include "resources/Artwork.h"
#include "shell/SysInfo.h"

namespace vantel {

frmAbout::frmAbout(Program& program)
    : Form(program, QStringLiteral("frmAbout"), QStringLiteral("Tamsford Genealogy Calculator")) {
  setupUi(this);
  adoptControls();
  useFormBackground();
  // A fixed-size dialog without minimise and maximise buttons.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint);
  setWindowIcon(artwork::programIcon());
  picIcon->setPixmap(artwork::logo(QSize(112, 63)));
  // The texts stand on the dialog itself, not in white boxes.
  for (QPlainTextEdit* text : {Text1, Text2}) {
    QPalette p = text->palette();
    p.setColor(QPalette::Base, p.color(QPalette::Button));
    text->setPalette(p);
  }
  setDefaultButton(cmdOK);
  setCancelButton(cmdOK);
  wire();
}

void frmAbout::wire() {
  onClick(cmdOK, [this] { cmdOK_Click(); });
  onClick(cmdSysInfo, [this] { cmdSysInfo_Click(); });
}

void frmAbout::cmdOK_Click() { program().close(*this); }

void frmAbout::StartSysInfo() {
  const std::optional<Viewer> viewer =
      registry_ ? registeredViewer(*registry_) : viewerOnPath(qEnvironmentVariable("PATH"));
  // Started directly, never through a shell: its path is taken as it stands.
  if (viewer && QProcess::startDetached(viewer->program, viewer->arguments)) return;
  program().platform().msgBox(QStringLiteral("System Information Is Unavailable At This Time"),
                              QStringLiteral("Tamsford Genealogy Calculator"), msg::OkOnly);
}

}  // namespace vantel
