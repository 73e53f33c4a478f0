#define QTEST_QPA_MOUSE_HANDLING
#include "fuzz/Session.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QTest>
#include <ctime>

#include "forms/Program.h"
#include "fuzz/Player.h"
#include "fuzz/QtWarnings.h"
#include "shell/FormSplash.h"
#include "shell/WindowNames.h"

namespace vantel::fuzz {
namespace {

qint64 threadCpuMs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return qint64(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
}

}  // namespace

Session::Session() : platform_(std::make_unique<FuzzPlatform>()) { start(); }

Session::~Session() { stop(); }

void Session::settle() {
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

void Session::start() {
  ++starts_;
  ended_ = false;
  QApplication::setQuitOnLastWindowClosed(false);
  program_ = std::make_unique<Program>(*platform_);
  program_->onEnd([this] { ended_ = true; });
  nameWindows(*program_);
  // The program starts with its splash; a click on it opens the main window.
  Form& splash = program_->open<FormSplash>();
  settle();
  QTest::mouseClick(&splash, Qt::LeftButton, Qt::NoModifier, splash.rect().center());
  settle();
}

void Session::stop() {
  program_.reset();
  settle();
  QApplication::clipboard()->clear();
}

QList<Finding> Session::play(const Action& action) {
  platform_->beginStep(action.answers);
  QElapsedTimer wall;
  wall.start();
  const qint64 cpu = threadCpuMs();
  perform(*program_, action);
  settle();
  const qint64 wallMs = wall.elapsed(), cpuMs = threadCpuMs() - cpu;

  QList<Finding> findings;
  for (const QString& f : platform_->takeFindings())
    findings.append({f.startsWith(QLatin1String("print")) ? "print" : "box", f});
  for (const QString& w : takeQtWarnings()) findings.append({"warning", w});
  for (const QString& r : oracles_.check(*program_)) findings.append({"result", r});
  // Over the budget counts when the step itself worked for a good part of the
  // time; a step that merely waited for the processor while other programs
  // ran on the machine shows little of its own time.
  if (wallMs > kBudgetMs && cpuMs * 4 > wallMs)
    findings.append(
        {"slow",
         QStringLiteral("the step took %1 ms (%2 ms of processor time)").arg(wallMs).arg(cpuMs)});
  if (ended_) {
    stop();
    start();
  }
  return findings;
}

}  // namespace vantel::fuzz
