#include "shell/WindowNames.h"

#include "bad/FormBAD.h"
#include "census/FormCBYC.h"
#include "census/FormCenInfo.h"
#include "dow/FormDOW.h"
#include "forms/Program.h"
#include "shell/FormBegin.h"
#include "shell/frmAbout.h"

namespace vantel {

void nameWindows(Program& program) {
  program.name<FormBegin>(Window::Begin);
  program.name<FormBAD>(Window::BirthAgeDeath);
  program.name<FormCBYC>(Window::Census);
  program.name<FormCenInfo>(Window::CensusInfo);
  program.name<FormDOW>(Window::DayOfWeek);
  program.name<frmAbout>(Window::About);
}

}  // namespace vantel
