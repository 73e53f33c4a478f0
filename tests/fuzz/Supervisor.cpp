#include "fuzz/Supervisor.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <QStringList>
#include <QThread>
#include <array>
#include <cstdio>
#include <deque>

#include "fuzz/Action.h"
#include "fuzz/Shrink.h"
#include "fuzz/Worker.h"

extern char** environ;

namespace vantel::fuzz {
namespace {

// A worker silent this long is taken to hang.
constexpr qint64 kHangMs = 30000;

QString self() { return QFile::symLinkTarget(QStringLiteral("/proc/self/exe")); }

QString readFile(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

void writeFile(const QString& path, const QString& text) {
  QFile f(path);
  if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(text.toUtf8());
}

pid_t spawn(const QStringList& args, const QString& out, const QString& err) {
  posix_spawn_file_actions_t files;
  posix_spawn_file_actions_init(&files);
  const QByteArray outPath = out.toLocal8Bit(), errPath = err.toLocal8Bit();
  posix_spawn_file_actions_addopen(&files, 1, outPath.constData(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0644);
  posix_spawn_file_actions_addopen(&files, 2, errPath.constData(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0644);
  QList<QByteArray> bytes;
  bytes << self().toLocal8Bit();
  for (const QString& a : args) bytes << a.toLocal8Bit();
  std::vector<char*> argv;
  for (QByteArray& b : bytes) argv.push_back(b.data());
  argv.push_back(nullptr);
  pid_t pid = -1;
  if (posix_spawn(&pid, argv[0], &files, nullptr, argv.data(), environ) != 0) pid = -1;
  posix_spawn_file_actions_destroy(&files);
  return pid;
}

// How a process ended, as a finding: its kind (with the sanitizer's error for
// a crash, so that shrinking keeps the same fault) and a line of detail.
struct Outcome {
  bool failed = false;
  QString kind;
  QString detail;
};

Outcome crashOutcome(int status, const QString& err) {
  static const QRegularExpression asan(QStringLiteral("ERROR: (\\w+Sanitizer): ([\\w-]+)"));
  static const QRegularExpression ubsan(QStringLiteral("[^\\n]*runtime error: [^\\n]*"));
  static const QRegularExpression fatal(QStringLiteral("Qt fatal: [^\\n]*"));
  if (auto m = asan.match(err); m.hasMatch())
    return {true, QStringLiteral("crash:") + m.captured(2), m.captured(0)};
  if (auto m = ubsan.match(err); m.hasMatch())
    return {true, QStringLiteral("crash:undefined-behaviour"), m.captured(0).trimmed()};
  if (auto m = fatal.match(err); m.hasMatch())
    return {true, QStringLiteral("crash:qt-fatal"), m.captured(0)};
  if (WIFSIGNALED(status))
    return {true, QStringLiteral("crash:signal-%1").arg(WTERMSIG(status)),
            QStringLiteral("killed by signal %1").arg(WTERMSIG(status))};
  return {true, QStringLiteral("crash:exit-%1").arg(WEXITSTATUS(status)),
          QStringLiteral("exit code %1").arg(WEXITSTATUS(status))};
}

// A "fail" line of a log or of a replay's output.
Outcome failLine(const QString& text) {
  for (const QString& line : text.split(QLatin1Char('\n'))) {
    if (!line.startsWith(QLatin1String("fail\t"))) continue;
    const QStringList parts = line.split(QLatin1Char('\t'));
    return {true, parts.value(1), parts.mid(2).join(QLatin1Char('\t'))};
  }
  return {};
}

Outcome waitOutcome(pid_t pid, qint64 timeoutMs, const QString& out, const QString& err) {
  QElapsedTimer timer;
  timer.start();
  int status = 0;
  while (waitpid(pid, &status, WNOHANG) == 0) {
    if (timer.elapsed() > timeoutMs) {
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
      return {true, QStringLiteral("hang"),
              QStringLiteral("no answer within %1 s").arg(timeoutMs / 1000)};
    }
    QThread::msleep(20);
  }
  if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return {};
  if (WIFEXITED(status) && WEXITSTATUS(status) == kFindingExit) return failLine(readFile(out));
  return crashOutcome(status, readFile(err));
}

struct Worker {
  pid_t pid = -1;
  std::uint64_t from = 0, to = 0;
  QString log, err;
  qint64 logSize = 0;
  QElapsedTimer silent;
};

struct FailedRun {
  std::uint64_t seed;
  Actions steps;
  Outcome outcome;
  QString stderrTail;
};

struct Totals {
  long runs = 0;
  long steps = 0;
  std::array<long, 8> counts{};  // dates, ages, weekdays, census, messages, inputs, prints, starts
};

// Reads a finished worker's log: adds its passed runs to the totals and
// returns the run it stopped in, with that run's steps.
std::pair<std::uint64_t, Actions> readLog(const QString& log, Totals& totals, bool& inRun) {
  std::uint64_t seed = 0;
  Actions steps;
  inRun = false;
  for (const QString& line : readFile(log).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
    const QStringList p = line.split(QLatin1Char('\t'));
    if (p[0] == QLatin1String("run")) {
      seed = p.value(1).toULongLong();
      steps.clear();
      inRun = true;
    } else if (p[0] == QLatin1String("step")) {
      if (auto a = fromLine(line.mid(5))) steps.append(*a);
    } else if (p[0] == QLatin1String("pass") && p.size() >= 11) {
      ++totals.runs;
      totals.steps += p[2].toLong();
      for (int i = 0; i < 8; ++i) totals.counts[i] += p[3 + i].toLong();
      inRun = false;
    }
  }
  return {seed, steps};
}

// What makes two failures the same for shrinking: the kind, and for a Qt
// warning its text (a result or a crash keeps its kind while its values change).
QString signature(const Outcome& o) {
  return o.kind == QLatin1String("warning") ? o.kind + QLatin1Char('\t') + o.detail : o.kind;
}

QString tail(const QString& text, int lines) {
  QStringList all = text.split(QLatin1Char('\n'));
  return all.mid(std::max<qsizetype>(0, all.size() - lines)).join(QLatin1Char('\n'));
}

// Replays the steps in a fresh process; the outcome of the replay.
Outcome replay(const Actions& steps, const QString& dir) {
  const QString file = dir + QStringLiteral("/candidate.txt");
  writeFile(file, toText(steps));
  const pid_t pid =
      spawn({QStringLiteral("--replay"), file, QStringLiteral("--quiet")},
            dir + QStringLiteral("/candidate.out"), dir + QStringLiteral("/candidate.err"));
  if (pid < 0) return {};
  return waitOutcome(pid, kHangMs, dir + QStringLiteral("/candidate.out"),
                     dir + QStringLiteral("/candidate.err"));
}

void report(const FailedRun& f, const Actions& shortest, bool reproduced, const QString& file) {
  QStringList comments = {
      QStringLiteral("seed %1: %2").arg(f.seed).arg(f.outcome.kind),
      f.outcome.detail,
      reproduced
          ? QStringLiteral("shrunk from %1 steps to %2").arg(f.steps.size()).arg(shortest.size())
          : QStringLiteral("did not fail again on replay; these are all %1 steps of the run")
                .arg(f.steps.size()),
      QStringLiteral("replay: scripts/fuzz.sh --replay %1").arg(file),
  };
  writeFile(file, toText(shortest, comments));
  printf("\nFINDING %s\n  seed %llu, %s\n  %s\n", qPrintable(f.outcome.kind),
         static_cast<unsigned long long>(f.seed), qPrintable(f.outcome.detail),
         qPrintable(comments[2]));
  for (const Action& a : shortest) printf("    %s\n", qPrintable(toLine(a).left(200)));
  printf("  replay: scripts/fuzz.sh --replay %s\n", qPrintable(file));
  if (!f.stderrTail.isEmpty())
    printf("  last lines of its error output:\n%s\n", qPrintable(f.stderrTail));
}

}  // namespace

int runSupervisor(const SupervisorOptions& o) {
  QDir().mkpath(o.out);
  const QString dir = QDir(o.out).absolutePath();
  const QString work = dir + QStringLiteral("/work");
  QDir().mkpath(work);
  QElapsedTimer clock;
  clock.start();

  // Learn once how each window opens, then hand the plan to every worker.
  const QString plan = work + QStringLiteral("/opening-plan.txt");
  const pid_t learner =
      spawn({QStringLiteral("--learn"), plan}, work + QStringLiteral("/learn.out"),
            work + QStringLiteral("/learn.err"));
  const Outcome learned = waitOutcome(learner, 600000, work + QStringLiteral("/learn.out"),
                                      work + QStringLiteral("/learn.err"));
  if (learner < 0 || learned.failed) {
    fprintf(stderr, "learning how the windows open failed: %s\n%s\n", qPrintable(learned.detail),
            qPrintable(tail(readFile(work + QStringLiteral("/learn.err")), 30)));
    return 2;
  }
  printf("%s", qPrintable(readFile(work + QStringLiteral("/learn.out"))));
  printf("%ld runs of %d random steps from seed %llu on %d workers\n", o.runs, o.steps,
         static_cast<unsigned long long>(o.firstSeed), o.jobs);
  fflush(stdout);

  std::deque<std::pair<std::uint64_t, std::uint64_t>> pending;
  const std::uint64_t end = o.firstSeed + static_cast<std::uint64_t>(o.runs);
  const std::uint64_t batch =
      std::max<std::uint64_t>(1, std::min<std::uint64_t>(25, o.runs / (4 * o.jobs) + 1));
  for (std::uint64_t s = o.firstSeed; s < end; s += batch)
    pending.push_back({s, std::min(end, s + batch)});

  std::vector<Worker> workers;
  QList<FailedRun> failed;
  Totals totals;
  int nextLog = 0;
  qint64 lastReport = 0;
  bool stopped = false;
  while (!pending.empty() || !workers.empty()) {
    if (o.minutes > 0 && clock.elapsed() > qint64(o.minutes) * 60000 && !stopped) {
      stopped = true;
      pending.clear();
    }
    while (static_cast<int>(workers.size()) < o.jobs && !pending.empty()) {
      Worker w;
      std::tie(w.from, w.to) = pending.front();
      pending.pop_front();
      w.log = work + QStringLiteral("/worker-%1.log").arg(nextLog);
      w.err = work + QStringLiteral("/worker-%1.err").arg(nextLog++);
      QFile::remove(w.log);
      w.pid = spawn({QStringLiteral("--worker"), QStringLiteral("--from"), QString::number(w.from),
                     QStringLiteral("--to"), QString::number(w.to), QStringLiteral("--steps"),
                     QString::number(o.steps), QStringLiteral("--log"), w.log,
                     QStringLiteral("--plan"), plan},
                    work + QStringLiteral("/worker.out"), w.err);
      if (w.pid < 0) return 2;
      w.silent.start();
      workers.push_back(w);
    }
    QThread::msleep(50);
    for (auto it = workers.begin(); it != workers.end();) {
      int status = 0;
      bool hung = false;
      if (waitpid(it->pid, &status, WNOHANG) == 0) {
        const qint64 size = QFileInfo(it->log).size();
        if (size != it->logSize) {
          it->logSize = size;
          it->silent.restart();
        }
        if (it->silent.elapsed() < kHangMs) {
          ++it;
          continue;
        }
        kill(it->pid, SIGKILL);
        waitpid(it->pid, &status, 0);
        hung = true;
      }
      bool inRun = false;
      const auto [seed, steps] = readLog(it->log, totals, inRun);
      const QString log = readFile(it->log), err = readFile(it->err);
      Outcome outcome;
      if (hung)
        outcome = {true, QStringLiteral("hang"),
                   QStringLiteral("no step finished within %1 s").arg(kHangMs / 1000)};
      else if (WIFEXITED(status) && WEXITSTATUS(status) == kFindingExit)
        outcome = failLine(log);
      else if (!(WIFEXITED(status) && WEXITSTATUS(status) == 0))
        outcome = crashOutcome(status, err);
      if (outcome.failed && inRun) {
        ++totals.runs;
        totals.steps += steps.size();
        failed.append({seed, steps, outcome, tail(err, 12)});
        if (seed + 1 < it->to) pending.push_front({seed + 1, it->to});
      } else if (outcome.failed) {
        fprintf(stderr, "a worker failed outside any run: %s\n%s\n", qPrintable(outcome.detail),
                qPrintable(tail(err, 30)));
        return 2;
      }
      QFile::remove(it->log);
      QFile::remove(it->err);
      it = workers.erase(it);
    }
    if (clock.elapsed() - lastReport > 60000) {
      lastReport = clock.elapsed();
      printf("  %ld runs in %lld s (%.2f runs/s), %lld findings\n", totals.runs,
             clock.elapsed() / 1000, totals.runs * 1000.0 / clock.elapsed(),
             static_cast<long long>(failed.size()));
      fflush(stdout);
    }
  }
  const double seconds = clock.elapsed() / 1000.0;
  printf("\n%ld runs, %ld steps in %.0f s: %.2f runs/s, %.1f steps/s\n", totals.runs, totals.steps,
         seconds, totals.runs / seconds, totals.steps / seconds);
  printf(
      "results checked: %ld dates, %ld ages, %ld weekdays, %ld census lists; %ld message boxes, "
      "%ld input boxes, %ld prints, %ld program starts\n",
      totals.counts[0], totals.counts[1], totals.counts[2], totals.counts[3], totals.counts[4],
      totals.counts[5], totals.counts[6], totals.counts[7]);
  printf("%lld failing runs\n", static_cast<long long>(failed.size()));
  fflush(stdout);

  // Shrink a few failing runs of each kind of finding.
  QMap<QString, int> shrunk;
  for (const FailedRun& f : failed) {
    const QString file = dir + QStringLiteral("/seed-%1.txt").arg(f.seed);
    if (shrunk[signature(f.outcome)]++ >= o.shrinksPerKind) {
      writeFile(file,
                toText(f.steps, {QStringLiteral("seed %1: %2").arg(f.seed).arg(f.outcome.kind),
                                 f.outcome.detail, QStringLiteral("not shrunk")}));
      printf("\nFINDING %s (seed %llu, not shrunk: %s)\n", qPrintable(f.outcome.kind),
             static_cast<unsigned long long>(f.seed), qPrintable(file));
      continue;
    }
    auto sameFailure = [&](const Actions& candidate) {
      return signature(replay(candidate, work)) == signature(f.outcome);
    };
    const bool reproduced = sameFailure(f.steps);
    // Every replay of a hang waits out the time limit: fewer tries for those.
    const int tries = f.outcome.kind == QLatin1String("hang") ? 40 : o.shrinkTries;
    const Actions shortest = reproduced ? shrink(f.steps, sameFailure, tries) : f.steps;
    report(f, shortest, reproduced, file);
  }
  printf("\nfuzz: %lld passed, %lld failed\n", static_cast<long long>(totals.runs - failed.size()),
         static_cast<long long>(failed.size()));
  fflush(stdout);
  return failed.isEmpty() ? 0 : 1;
}

int runShrink(const QString& file, int tries) {
  const QString work = QFileInfo(file).absolutePath() + QStringLiteral("/.shrink-work");
  QDir().mkpath(work);
  FailedRun f{0, fromText(readFile(file)), replay(fromText(readFile(file)), work), {}};
  if (!f.outcome.failed) {
    printf("%s plays without a finding\n", qPrintable(file));
    return 0;
  }
  auto sameFailure = [&](const Actions& candidate) {
    return signature(replay(candidate, work)) == signature(f.outcome);
  };
  report(f, shrink(f.steps, sameFailure, tries), true, file + QStringLiteral(".min"));
  QDir(work).removeRecursively();
  return 1;
}

}  // namespace vantel::fuzz
