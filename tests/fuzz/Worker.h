#pragma once
// The parts of the fuzzer that run the program (inside a QApplication on the
// offscreen platform): playing runs from seeds, replaying a saved list of
// steps, and learning how each window is opened through menus.
//
// A worker writes one line to its log before each step ("step" and the step),
// so that when the process dies (a crash, a sanitizer report, a hang) the
// supervisor still knows the run and its steps. After each run it writes
// "pass" with the run's counts; on a finding "fail", the kind and the detail,
// and it stops with exit code 3.

#include <QString>
#include <cstdint>

namespace vantel::fuzz {

inline constexpr int kFindingExit = 3;

struct WorkerOptions {
  std::uint64_t firstSeed = 1;
  std::uint64_t endSeed = 2;  // one past the last
  int steps = 50;
  QString log;
  QString plan;  // the opening paths learned beforehand; learned here when empty
};

int runWorker(const WorkerOptions& options);
// Plays the replay file in a fresh program; prints what fails and returns
// kFindingExit, or 0 when it plays clean. With a folder for pictures, saves
// each shown window after each step there, to look at what the run did.
int runReplay(const QString& file, bool quiet, const QString& pictures = {});
// Learns the opening paths and writes them to the file.
int runLearn(const QString& file);

// The offscreen platform with a screen large enough for every window; call
// before the QApplication is made.
void useLargeOffscreenScreen();

}  // namespace vantel::fuzz
