#include "fuzz/Worker.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <random>

#include "fuzz/Player.h"
#include "fuzz/QtWarnings.h"
#include "fuzz/Session.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#define VANTEL_FUZZ_LEAK_CHECK 1
#endif

namespace vantel::fuzz {
namespace {

QString readFile(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(f.readAll());
}

bool writeFile(const QString& path, const QString& text) {
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  return f.write(text.toUtf8()) >= 0;
}

// "== Form" opens each path; the steps follow one a line.
QString planText(const OpeningPaths& paths) {
  QString text;
  for (const auto& [form, steps] : paths)
    text += QStringLiteral("== ") + form + "\n" + toText(steps);
  return text;
}

OpeningPaths parsePlan(const QString& text) {
  OpeningPaths paths;
  for (const QString& line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
    if (line.startsWith(QLatin1String("== ")))
      paths.append({line.mid(3), {}});
    else if (auto a = fromLine(line); a && !paths.isEmpty())
      paths.back().second.append(*a);
  }
  return paths;
}

// Whether the heap holds memory no longer reachable; the report goes to the
// standard error.
bool leaked() {
#ifdef VANTEL_FUZZ_LEAK_CHECK
  return __lsan_do_recoverable_leak_check() != 0;
#else
  return false;
#endif
}

class Log {
 public:
  explicit Log(const QString& path) : file_(path) {
    if (!path.isEmpty()) file_.open(QIODevice::WriteOnly | QIODevice::Append);
  }
  void line(const QString& text) {
    if (!file_.isOpen()) return;
    file_.write((text + QLatin1Char('\n')).toUtf8());
    file_.flush();
  }

 private:
  QFile file_;
};

QString describe(const Finding& f) { return f.kind + QLatin1Char('\t') + f.detail; }

}  // namespace

void useLargeOffscreenScreen() {
  if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) return;
  // The calculators and the main window fit side by side on it, so that every
  // control can be clicked without scrolling.
  const QString config = QDir::temp().filePath(
      QStringLiteral("vantel-fuzz-screen-%1.json").arg(QCoreApplication::applicationPid()));
  writeFile(config, QStringLiteral(R"({"screens": [{"name": "fuzz", "x": 0, "y": 0,
    "width": 1920, "height": 1200, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})"));
  qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toUtf8());
}

int runWorker(const WorkerOptions& o) {
  catchQtWarnings();
  const OpeningPaths paths = o.plan.isEmpty() ? learnOpeningPaths() : parsePlan(readFile(o.plan));
  takeQtWarnings();  // what learning raised is found again by the runs that do it
  Log log(o.log);
  for (std::uint64_t seed = o.firstSeed; seed < o.endSeed; ++seed) {
    log.line(QStringLiteral("run\t%1").arg(seed));
    std::mt19937_64 rng(seed);
    Session session;
    int steps = 0;
    auto play = [&](const Action& a) {
      log.line(QStringLiteral("step\t") + toLine(a));
      ++steps;
      const QList<Finding> findings = session.play(a);
      session.platform().trace.clear();
      if (findings.isEmpty()) return;
      log.line(QStringLiteral("fail\t") + describe(findings.front()));
      fprintf(stderr, "seed %llu: %s\n", static_cast<unsigned long long>(seed),
              qPrintable(describe(findings.front())));
      fflush(stderr);
      _exit(kFindingExit);
    };
    // Every window a menu opens, opened through its menus at the start; and
    // again, half of the times a step closed one or ended the program, so that
    // runs go on in all windows.
    auto openAll = [&] {
      for (const auto& [form, path] : paths)
        if (!shownForms(session.program()).contains(form))
          for (const Action& a : path) play(a);
    };
    openAll();
    for (int i = 0; i < o.steps; ++i) {
      const QStringList before = shownForms(session.program());
      if (std::uniform_int_distribution<int>(0, 9)(rng) == 0)
        for (const Action& a : fillingSteps(session.program(), rng)) play(a);
      else
        play(randomAction(session.program(), rng));
      const QStringList after = shownForms(session.program());
      const bool closed = std::any_of(before.begin(), before.end(),
                                      [&](const QString& f) { return !after.contains(f); });
      if (closed && std::bernoulli_distribution(0.5)(rng)) openAll();
    }
    const OracleCounts c = session.oracles().counts();
    const FuzzPlatform& p = session.platform();
    const QString counts = QStringLiteral("%1\t%2\t%3\t%4\t%5\t%6\t%7\t%8\t%9")
                               .arg(steps)
                               .arg(c.dates)
                               .arg(c.ages)
                               .arg(c.weekdays)
                               .arg(c.censusLists)
                               .arg(p.messageCount)
                               .arg(p.inputCount)
                               .arg(p.printCount)
                               .arg(session.starts());
    if (leaked()) {
      log.line(QStringLiteral("fail\tleak\tmemory lost during the run (report on stderr)"));
      _exit(kFindingExit);
    }
    log.line(QStringLiteral("pass\t%1\t").arg(seed) + counts);
  }
  fflush(stderr);
  _exit(0);  // the runs' own leaks were checked after each run
}

int runReplay(const QString& file, bool quiet, const QString& pictures) {
  catchQtWarnings();
  const Actions steps = fromText(readFile(file));
  Session session;
  int n = 0;
  for (const Action& a : steps) {
    ++n;
    if (!quiet) printf("%3d  %s\n", n, qPrintable(toLine(a)));
    const QList<Finding> findings = session.play(a);
    for (const QString& t : session.platform().trace)
      if (!quiet) printf("       %s\n", qPrintable(t));
    session.platform().trace.clear();
    if (!pictures.isEmpty()) {
      QDir().mkpath(pictures);
      for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && !w->objectName().isEmpty())
          w->grab().save(QStringLiteral("%1/step-%2-%3.png")
                             .arg(pictures)
                             .arg(n, 3, 10, QLatin1Char('0'))
                             .arg(w->objectName()));
    }
    if (!findings.isEmpty()) {
      printf("fail\t%s\nat step %d of %lld\n", qPrintable(describe(findings.front())), n,
             static_cast<long long>(steps.size()));
      fflush(stdout);
      _exit(kFindingExit);
    }
  }
  if (leaked()) {
    printf("fail\tleak\tmemory lost during the replay (report on stderr)\n");
    fflush(stdout);
    _exit(kFindingExit);
  }
  const OracleCounts c = session.oracles().counts();
  printf(
      "pass\t%d steps played without a finding; results checked: %d dates, %d ages, %d "
      "weekdays, %d census lists\n",
      n, c.dates, c.ages, c.weekdays, c.censusLists);
  fflush(stdout);
  _exit(0);
}

int runLearn(const QString& file) {
  catchQtWarnings();
  const OpeningPaths paths = learnOpeningPaths();
  if (!writeFile(file, planText(paths))) return 2;
  for (const auto& [form, steps] : paths)
    printf("%s opens in %lld steps\n", qPrintable(form), static_cast<long long>(steps.size()));
  fflush(stdout);
  _exit(0);
}

}  // namespace vantel::fuzz
