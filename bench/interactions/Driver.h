#pragma once
// Plays a list of steps on the running program, one after the other, and times
// the ones that are measured: from the moment a step's input is sent to the X
// server to the moment the program, having received that input and done what
// it asked, has painted the result and has nothing left to do (its event loop
// is about to wait, and its next turn paints nothing more). A step that does not happen within its
// time ends the run with a message and exit code 1.
//
// Each measured step prints one line "time<TAB>name<TAB>milliseconds<TAB>
// processor milliseconds<TAB>start<TAB>end": the processor time of the process
// meanwhile, and the step's start and end on the monotonic clock in
// nanoseconds, which `perf record -k CLOCK_MONOTONIC` also stamps its samples
// with, so that a profile can be cut to one action.

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <vector>

struct Step {
  // Shown in the table; empty for a step that only prepares the next one.
  QString name;
  // Sends the input (or does the preparation).
  std::function<void()> act;
  // True once the action has happened: a window shown, a result written.
  std::function<bool()> done;
  // A step that is done when a paint of its result has ended; otherwise it is
  // done as soon as `done` holds, checked every 2 ms (a file written by
  // another process).
  bool waitsForPaint = true;
  int timeoutMs = 10000;
  // Timed from the input of the step before, which it follows at once.
  bool continuesClock = false;
};

class Driver : public QObject {
 public:
  explicit Driver(std::vector<Step> steps);
  // Starts the first step once the event loop runs.
  void start();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void begin();
  void check();
  void finish(qint64 ns);
  void fail(const char* why);

  std::vector<Step> steps_;
  std::size_t current_ = 0;
  bool waiting_ = false;
  bool inputSeen_ = false;
  bool paintedAfterDone_ = false;
  bool paintedSinceEnd_ = false;
  qint64 endNs_ = -1;   // the end as far as seen, from the step's start
  qint64 startNs_ = 0;  // monotonic clock
  qint64 cpuStartNs_ = 0;
  qint64 endCpuNs_ = 0;
  QElapsedTimer clock_;
  QTimer poll_;
  QTimer timeout_;
};
