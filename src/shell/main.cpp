// Starts the program.
#include <QApplication>

#include "forms/Program.h"
#include "forms/QtPlatform.h"
#include "shell/Startup.h"

int main(int argc, char* argv[]) {
  if (const std::optional<int> answered = vantel::answerCommandLine(argc, argv)) return *answered;
  QApplication app(argc, argv);
  vantel::QtPlatform platform;
  vantel::Program program(platform);
  return vantel::runProgram(program);
}
