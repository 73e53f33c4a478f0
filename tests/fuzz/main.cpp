// The project's fuzzer: random use of the real program, run after run.
//
//   vantel_fuzz [--runs N] [--seed S] [--jobs J] [--steps K] [--minutes M] [--out DIR]
//       N runs (seeds S, S+1, ...) of K random steps each on J worker processes;
//       failing runs are shrunk and saved in DIR as replay files.
//   vantel_fuzz --replay FILE [--quiet] [--pictures DIR]
//       plays a replay file in a fresh program and says whether it fails;
//       saves a picture of each window after each step in DIR.
//   vantel_fuzz --shrink FILE [--tries T]
//       shrinks a failing replay file into FILE.min.
//
// The worker modes (--worker, --learn) are started by the fuzzer itself.

#include <QApplication>
#include <QStringList>
#include <QThread>
#include <cstdio>

#include "fuzz/Supervisor.h"
#include "fuzz/Worker.h"

namespace {

int usage() {
  fprintf(stderr,
          "usage: vantel_fuzz [--runs N] [--seed S] [--jobs J] [--steps K] [--minutes M] "
          "[--out DIR]\n       vantel_fuzz --replay FILE [--quiet] [--pictures DIR]\n"
          "       vantel_fuzz --shrink FILE [--tries T]\n");
  return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
  using namespace vantel::fuzz;
  QStringList args;
  for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
  auto value = [&](const char* name, const QString& fallback = {}) {
    const int i = args.indexOf(QLatin1String(name));
    return i >= 0 && i + 1 < args.size() ? args[i + 1] : fallback;
  };
  const bool worker = args.contains(QLatin1String("--worker"));
  const QString replayFile = value("--replay"), learnFile = value("--learn");

  if (worker || !replayFile.isEmpty() || !learnFile.isEmpty()) {
    useLargeOffscreenScreen();
    QApplication app(argc, argv);
    if (!replayFile.isEmpty())
      return runReplay(replayFile, args.contains(QLatin1String("--quiet")), value("--pictures"));
    if (!learnFile.isEmpty()) return runLearn(learnFile);
    WorkerOptions o;
    o.firstSeed = value("--from", "1").toULongLong();
    o.endSeed = value("--to", "2").toULongLong();
    o.steps = value("--steps", "50").toInt();
    o.log = value("--log");
    o.plan = value("--plan");
    return runWorker(o);
  }

  if (const QString file = value("--shrink"); !file.isEmpty())
    return runShrink(file, value("--tries", "300").toInt());

  SupervisorOptions o;
  bool ok = true, all = true;
  o.runs = value("--runs", "20").toLong(&ok);
  all &= ok;
  o.firstSeed = value("--seed", "1").toULongLong(&ok);
  all &= ok;
  o.jobs = value("--jobs", QString::number(QThread::idealThreadCount())).toInt(&ok);
  all &= ok;
  o.steps = value("--steps", "50").toInt(&ok);
  all &= ok;
  o.minutes = value("--minutes", "0").toInt(&ok);
  all &= ok;
  o.out = value("--out", o.out);
  if (!all || o.runs < 1 || o.jobs < 1 || o.steps < 0) return usage();
  return runSupervisor(o);
}
