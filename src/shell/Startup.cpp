#include "shell/Startup.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <cstdio>

#include "forms/Program.h"
#include "forms/ProgramStyle.h"
#include "resources/Artwork.h"
#include "shell/FormSplash.h"
#include "shell/WindowNames.h"

namespace vantel {

namespace {

// Options of Qt's own that the application object reads; taken here without a
// word and not listed in the help.
struct QtOption {
  const char* name;
  bool takesValue;
};
constexpr QtOption kQtOptions[] = {
    {"platform", true},      {"platformpluginpath", true},
    {"platformtheme", true}, {"plugin", true},
    {"display", true},       {"qwindowgeometry", true},
    {"qwindowicon", true},   {"qwindowtitle", true},
    {"session", true},       {"style", true},
    {"stylesheet", true},    {"reverse", false},
    {"widgetcount", false},
};

void write(FILE* stream, const QString& text) {
  std::fputs(text.toLocal8Bit().constData(), stream);
  std::fflush(stream);
}

}  // namespace

std::optional<int> answerCommandLine(int argc, char* argv[]) {
  if (argc <= 1) return std::nullopt;  // the usual start from a menu or icon

  // Names the program in the help text; no window system is reached.
  QCoreApplication app(argc, argv);
  const QString command = QFileInfo(QCoreApplication::arguments().constFirst()).fileName();

  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Tamsford Genealogy Calculator: finds the birth dates, ages at death, death "
                     "dates, census birth years and weekdays that family records leave out."));
  // Qt's options are written with one dash (-platform offscreen).
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                QStringLiteral("Shows this help and ends."));
  const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                   QStringLiteral("Shows the version and ends."));
  parser.addOptions({help, version});
  for (const QtOption& qt : kQtOptions) {
    QCommandLineOption option(QString::fromLatin1(qt.name));
    if (qt.takesValue) option.setValueName(QStringLiteral("value"));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }

  const auto refuse = [&](const QString& problem) {
    write(stderr,
          QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n").arg(command, problem));
    return 2;
  };
  if (!parser.parse(QCoreApplication::arguments())) return refuse(parser.errorText());
  if (parser.isSet(help)) {
    // The usage line names the command as typed at a prompt, not its path.
    write(stdout, parser.helpText().replace(QCoreApplication::arguments().constFirst(), command));
    return 0;
  }
  if (parser.isSet(version)) {
    write(stdout,
          QStringLiteral("Tamsford Genealogy Calculator %1\n").arg(QStringLiteral(VANTEL_VERSION)));
    return 0;
  }
  if (!parser.positionalArguments().isEmpty()) {
    return refuse(QStringLiteral("Unexpected argument '%1': the program opens no files.")
                      .arg(parser.positionalArguments().constFirst()));
  }
  return std::nullopt;
}

int runProgram(Program& program) {
  QApplication::setApplicationName(QStringLiteral("Vantel"));
  QApplication::setApplicationVersion(QStringLiteral(VANTEL_VERSION));
  // Ties the windows to the desktop entry, so that the desktop shows the
  // program's own name and icon for them.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Vantel"));
  QApplication::setWindowIcon(artwork::programIcon());
  QApplication::setStyle(new ProgramStyle);
  // The program ends when its main window closes or an Exit item ends it, not
  // when the splash gives way.
  QApplication::setQuitOnLastWindowClosed(false);
  program.onEnd([] { QCoreApplication::quit(); });
  nameWindows(program);
  program.open<FormSplash>();
  return QApplication::exec();
}

}  // namespace vantel
