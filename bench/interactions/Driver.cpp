#include "Driver.h"

#include <time.h>
#include <unistd.h>

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QEvent>
#include <cstdio>

namespace {

// A pause after each step, so that what the window manager and the X server
// do after it (focus, exposure of what lay beneath) is over before the next.
constexpr int kSettleMs = 40;

bool isInput(QEvent::Type type) {
  switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::ShortcutOverride: return true;
    default: return false;
  }
}

}  // namespace

Driver::Driver(std::vector<Step> steps) : steps_(std::move(steps)) {
  poll_.setInterval(2);
  connect(&poll_, &QTimer::timeout, this, [this] { check(); });
  timeout_.setSingleShot(true);
  connect(&timeout_, &QTimer::timeout, this, [this] { fail("did not happen in time"); });
  connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
          [this] { check(); });
  qApp->installEventFilter(this);
}

namespace {

// The processor time the whole process has used: what an action costs the
// program itself, which a busy machine inflates far less than the wall clock.
qint64 nowNs(clockid_t clock) {
  timespec now{};
  clock_gettime(clock, &now);
  return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

qint64 processorNs() { return nowNs(CLOCK_PROCESS_CPUTIME_ID); }

}  // namespace

void Driver::start() {
  QTimer::singleShot(0, this, [this] { begin(); });
}

void Driver::begin() {
  if (current_ == steps_.size()) {
    std::puts("end");
    std::fflush(stdout);
    _exit(0);  // the program's own end is not measured
  }
  const Step& step = steps_[current_];
  inputSeen_ = !step.waitsForPaint;
  paintedAfterDone_ = false;
  paintedSinceEnd_ = false;
  endNs_ = -1;
  waiting_ = true;
  timeout_.start(step.timeoutMs);
  if (!step.waitsForPaint) poll_.start();
  if (!step.continuesClock) {
    clock_.start();
    startNs_ = nowNs(CLOCK_MONOTONIC);
    cpuStartNs_ = processorNs();
  }
  step.act();
}

bool Driver::eventFilter(QObject* watched, QEvent* event) {
  if (waiting_) {
    if (isInput(event->type()) && event->spontaneous()) {
      inputSeen_ = true;
    } else if (event->type() == QEvent::Paint && inputSeen_) {
      // A paint counts once the action has happened: the paints of a pressed
      // button before the click's handler ran are not the result.
      if (!paintedAfterDone_) paintedAfterDone_ = steps_[current_].done();
      paintedSinceEnd_ = true;
    }
  }
  return QObject::eventFilter(watched, event);
}

void Driver::check() {
  if (!waiting_) return;
  const Step& step = steps_[current_];
  if (!step.waitsForPaint) {
    if (step.done()) {
      endCpuNs_ = processorNs();
      finish(clock_.nsecsElapsed());
    }
    return;
  }
  if (!(inputSeen_ && paintedAfterDone_ && step.done())) return;
  // The event loop is about to wait after painting the result. That is the
  // end unless the next turn of the loop paints again (work the action left
  // queued): a timer wakes the loop for one more turn to see.
  if (endNs_ < 0 || paintedSinceEnd_) {
    endNs_ = clock_.nsecsElapsed();
    endCpuNs_ = processorNs();
    paintedSinceEnd_ = false;
    QTimer::singleShot(0, this, [] {});
    return;
  }
  finish(endNs_);
}

void Driver::finish(qint64 ns) {
  const double ms = ns / 1e6;
  waiting_ = false;
  poll_.stop();
  timeout_.stop();
  const Step& step = steps_[current_];
  if (!step.name.isEmpty()) {
    std::printf("time\t%s\t%.3f\t%.3f\t%lld\t%lld\n", qPrintable(step.name), ms,
                (endCpuNs_ - cpuStartNs_) / 1e6, startNs_, startNs_ + ns);
    std::fflush(stdout);
  }
  ++current_;
  const bool next = current_ < steps_.size() && steps_[current_].continuesClock;
  QTimer::singleShot(next ? 0 : kSettleMs, this, [this] { begin(); });
}

void Driver::fail(const char* why) {
  // A preparation is named after the measured step it prepares.
  std::size_t named = current_;
  while (named < steps_.size() && steps_[named].name.isEmpty()) ++named;
  const QString action = named < steps_.size() ? steps_[named].name : QStringLiteral("the end");
  std::fprintf(stderr, "interactions: step %zu (%s%s) %s\n", current_ + 1,
               named == current_ ? "" : "preparing ", qPrintable(action), why);
  std::fflush(stderr);
  _exit(1);
}
