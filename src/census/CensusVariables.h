#pragma once
// The census calculator's program-wide variables, kept by the Program
// (program.state<CensusVariables>()); they outlive the Census form.

#include <QString>

namespace vantel {

struct CensusVariables {
  // The possible birth years of the last calculation, ascending, each as four
  // digits and one blank; empty when nothing has been calculated.
  QString CensusYearsText;
};

}  // namespace vantel
