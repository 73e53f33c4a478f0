#pragma once
// The program's run: its command line, then the splash, up to its end.

#include <optional>

namespace vantel {

class Program;

// Reads the command line before any window exists, so that --help and
// --version answer on a terminal without a display. Returns the exit code when
// the command line has been answered (help, version) or refused (an unknown
// option, an argument the program does not take); nothing when the program is
// to start. Qt's own options (-platform, -style, -reverse, ...) are left to
// the application object made afterwards.
std::optional<int> answerCommandLine(int argc, char* argv[]);

// Shows the splash and runs the event loop until the program ends; returns the
// process's exit code.
int runProgram(Program& program);

}  // namespace vantel
