#pragma once
// Runs many fuzz runs in worker processes, one per core, watches them, and
// turns each failing run into a replay file of the shortest list of steps that
// still fails the same way.
//
// The runs are numbered by seed, from the first seed on, and handed to the
// workers in small batches. A worker that stops on a finding, dies (a crash,
// a sanitizer report) or stays silent too long (a hang: killed) is followed by
// a new one from the next seed. Once all runs are done, the failing runs are
// shrunk by replaying ever shorter step lists in fresh processes.

#include <QString>
#include <cstdint>

namespace vantel::fuzz {

struct SupervisorOptions {
  std::uint64_t firstSeed = 1;
  long runs = 20;
  int jobs = 1;
  int steps = 50;
  int minutes = 0;  // stop handing out runs after this long; 0 for no limit
  QString out = QStringLiteral("fuzz-findings");
  int shrinkTries = 300;
  int shrinksPerKind = 3;
};

// Returns 0 when every run passed, 1 when there were findings, 2 on a failure
// of the fuzzer itself.
int runSupervisor(const SupervisorOptions& options);

// Shrinks the failing steps of a replay file (one saved by hand, say) into
// FILE.min; returns 1 when it failed and was shrunk, 0 when it does not fail.
int runShrink(const QString& file, int tries);

}  // namespace vantel::fuzz
