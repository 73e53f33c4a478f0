#pragma once
// The program's run from the splash to its end.

namespace vantel {

class Program;

// Shows the splash and runs the event loop until the program ends; returns the
// process's exit code.
int runProgram(Program& program);

}  // namespace vantel
