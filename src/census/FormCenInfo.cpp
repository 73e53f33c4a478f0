#include "census/FormCenInfo.h"

#include "resources/Artwork.h"

namespace vantel {

FormCenInfo::FormCenInfo(Program& program)
    : Form(program, QStringLiteral("FormCenInfo"), QStringLiteral("Census Information")) {
  setupUi(this);
  adoptControls();
  setWindowIcon(artwork::programIcon());
}

}  // namespace vantel
