#pragma once
// The running program of a fuzz run: a fresh vantel::Program on the fuzz
// platform, started as a user starts it (the splash, then a click on it), and
// started again whenever a step ends it. Steps are played through real Qt
// events (Player.h); after each one the session collects the findings: those
// of the platform (message boxes, prints), Qt's warnings, the result checks
// (Oracles.h), and the step's time against the budget of one second.

#include <QString>
#include <memory>

#include "fuzz/Action.h"
#include "fuzz/FuzzPlatform.h"
#include "fuzz/Oracles.h"

namespace vantel {
class Program;
}

namespace vantel::fuzz {

struct Finding {
  QString kind;  // "box", "print", "result", "warning", "slow", "leak", "crash", "hang"
  QString detail;
};

class Session {
 public:
  Session();
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // Plays the step and returns what went wrong, if anything.
  QList<Finding> play(const Action& action);

  Program& program() { return *program_; }
  FuzzPlatform& platform() { return *platform_; }
  const Oracles& oracles() const { return oracles_; }
  int starts() const { return starts_; }

  // Delivers posted events and deletions, as the event loop would between two
  // user actions.
  static void settle();

  // Wall-time budget of one step, in milliseconds.
  static constexpr qint64 kBudgetMs = 1000;

 private:
  void start();
  void stop();

  std::unique_ptr<FuzzPlatform> platform_;
  std::unique_ptr<Program> program_;
  Oracles oracles_;
  bool ended_ = false;
  int starts_ = 0;
};

}  // namespace vantel::fuzz
