#pragma once
// Which form each window name stands for. The program names its windows once,
// at start-up, before any form opens another by name; a test's program does
// the same before it uses the forms.

namespace vantel {

class Program;

void nameWindows(Program& program);

}  // namespace vantel
