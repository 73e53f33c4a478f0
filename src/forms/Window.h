#pragma once
// The program's windows by name. A form opens, hides or closes another window
// by naming it, without knowing the class behind the name; the shell says once,
// at start-up, which form each name stands for (Program::name).

namespace vantel {

enum class Window {
  Begin,          // FormBegin, the Getting Started page
  BirthAgeDeath,  // FormBAD
  Census,         // FormCBYC
  CensusInfo,     // FormCenInfo
  DayOfWeek,      // FormDOW
  About,          // frmAbout
};

// Where an opened window stands among the others: as it was (a window already
// shown is only activated), or brought to the top of the window order.
enum Placement { KeepOrder, Front };

}  // namespace vantel
