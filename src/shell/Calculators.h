#pragma once
// Opening the three calculators in front, as the main window's Open menu does.

namespace vantel {

class Program;

void openFormBAD(Program& program);
void openFormCBYC(Program& program);
void openFormDOW(Program& program);

}  // namespace vantel
