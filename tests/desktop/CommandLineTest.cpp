// The command line: --help and --version answer and end without opening a
// window, so without any display; anything else the program does not take is
// refused with a word on how to get help and a non-zero exit code.

#include <gtest/gtest.h>

#include <QProcess>

#include "support/QStringPrinting.h"

namespace vantel::test {
namespace {

struct Answer {
  int exitCode;
  QString out;
  QString err;
};

// Runs the program with no display of any kind: a window it tried to open
// would end the run with Qt's message that no display can be reached.
Answer runVantel(const QStringList& arguments) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.remove(QStringLiteral("DISPLAY"));
  env.remove(QStringLiteral("WAYLAND_DISPLAY"));
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
  QProcess process;
  process.setProcessEnvironment(env);
  process.start(QStringLiteral(VANTEL_BINARY), arguments);
  if (!process.waitForFinished(30000)) {
    process.kill();
    process.waitForFinished();
    return {-1, {}, QStringLiteral("no answer within 30 seconds")};
  }
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
          QString::fromLocal8Bit(process.readAllStandardOutput()),
          QString::fromLocal8Bit(process.readAllStandardError())};
}

TEST(CommandLine, HelpAndVersionAnswerWithoutADisplay) {
  const QString version = QStringLiteral("Tamsford Genealogy Calculator " VANTEL_VERSION "\n");
  for (const char* option : {"--version", "-v"}) {
    SCOPED_TRACE(option);
    const Answer run = runVantel({QLatin1String(option)});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, version);
    EXPECT_EQ(run.err, "");
  }
  for (const char* option : {"--help", "-h"}) {
    SCOPED_TRACE(option);
    const Answer run = runVantel({QLatin1String(option)});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.startsWith("Usage: vantel [options]\nTamsford Genealogy Calculator: "))
        << run.out.toStdString();
    EXPECT_TRUE(run.out.contains("--version")) << run.out.toStdString();
    EXPECT_FALSE(run.out.contains("-platform")) << "Qt's own options are not listed";
    EXPECT_EQ(run.err, "");
  }
  // Qt's own options are taken as the application object would take them.
  EXPECT_EQ(runVantel({"-platform", "offscreen", "-reverse", "--version"}).out, version);
}

TEST(CommandLine, AnythingElseIsRefusedWithAPointerToTheHelp) {
  struct Case {
    QStringList arguments;
    QString problem;
  };
  const Case cases[] = {
      {{"--frobnicate"}, "Unknown option 'frobnicate'."},
      {{"-x"}, "Unknown option 'x'."},
      {{"-style"}, "Missing value after '-style'."},
      {{"family.ged"}, "Unexpected argument 'family.ged': the program opens no files."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments.join(' ').toStdString());
    const Answer run = runVantel(c.arguments);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "vantel: " + c.problem + "\nTry 'vantel --help' for more information.\n");
  }
}

}  // namespace
}  // namespace vantel::test
