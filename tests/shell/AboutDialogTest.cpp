// The About dialog: its texts shown whole, Enter and Esc, and System Info,
// which starts the viewer found on PATH or named by the registry, or tells the
// user there is none.
#include <QAccessible>
#include <QFile>
#include <QTemporaryDir>

#include "shell/FakeRegistry.h"
#include "shell/ShellFixture.h"

namespace vantel::test {
namespace {

class AboutTest : public ShellTest {
 protected:
  frmAbout& openAbout() {
    frmAbout& about = program.open<frmAbout>();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&about));
    return about;
  }
};

TEST_F(AboutTest, ShowsProductVersionCalculatorsAndNoticeWhole) {
  frmAbout& about = openAbout();
  EXPECT_EQ(about.Text1->text(),
            "Currently has three (3) Calculators:\r\n"
            "\r\n"
            "1. Birth - Age - Death Date Calculator - Will calculate a missing \r\n"
            "age or date of an event, using two known values.\r\n"
            "\r\n"
            "2. Census Birth Year Calculator - Combines Census data and \r\n"
            "returns the only possible years in which a person could have \r\n"
            "been born.\r\n"
            "\r\n"
            "3. Day of the week calculator - This Calculator will calculate the day of the \r\n"
            "week (Sunday, Monday, Tuesday, etc.), for any given date.\r\n"
            "\r\n");
  EXPECT_EQ(about.Text2->text().split("\r\n"),
            QStringList({"Tamsford Genealogy Calculator", "Copyright \u00a9 the Vantel project",
                         "https://vantel.example.org/"}));
  EXPECT_EQ(about.lblVersion->text(), "Version 1.3.0");
  EXPECT_TRUE(about.lblDisclaimer->text().endsWith("Tamsford Genealogy Calculator, Version 1.3.0"));
  EXPECT_EQ(QAccessible::queryAccessibleInterface(about.picIcon)->text(QAccessible::Name),
            "Tamsford Genealogy Calculator logo");

  // Nothing cut off, and the list ends above the etched line that crosses its box.
  for (const MultiLineText* box : {about.Text1, about.Text2}) {
    SCOPED_TRACE(box->objectName().toStdString());
    EXPECT_EQ(cutOffLines(box), QStringList());
  }
  QTextCursor lastLine(about.Text1->document()->findBlockByNumber(10));
  EXPECT_LT(
      about.Text1->viewport()->mapTo(&about, about.Text1->cursorRect(lastLine).bottomLeft()).y(),
      about.Line1->y());
  EXPECT_LE(about.lblDisclaimer->heightForWidth(about.lblDisclaimer->width()),
            about.lblDisclaimer->height());
  EXPECT_EQ(about.focusWidget(), about.cmdOK);
}

TEST_F(AboutTest, EnterAndEscCloseTheDialog) {
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
    SCOPED_TRACE(key == Qt::Key_Return ? "Enter" : "Esc");
    frmAbout& about = openAbout();
    EXPECT_EQ(about.focusWidget(), about.cmdOK);
    QTest::keyClick(about.focusWidget() ? about.focusWidget() : &about, key);
    settle();
    EXPECT_EQ(program.existing<frmAbout>(), nullptr);
  }
}

// System Info against a folder of viewers: each viewer a small script that
// writes its own name into a file once it runs.
class SystemInfoTest : public AboutTest {
 protected:
  QTemporaryDir dir;
  const QByteArray path = qgetenv("PATH");
  const QString working = QDir::currentPath();
  ~SystemInfoTest() override {
    qputenv("PATH", path);
    QDir::setCurrent(working);
  }

  // kind: "runs", "no interpreter" (it cannot start) or "not executable".
  QString viewer(const QString& folder, const QString& name, const QString& kind = "runs") {
    QDir().mkpath(dir.filePath(folder));
    const QString file = dir.filePath(folder + "/" + name);
    QFile script(file);
    EXPECT_TRUE(script.open(QIODevice::WriteOnly));
    const QString started = dir.filePath("started");
    script.write(
        (kind == "no interpreter" ? "#!/nonexistent/interpreter\n" : "#!/bin/sh\n") +
        QString("echo %1 > '%2.part' && /bin/mv '%2.part' '%2'\n").arg(name, started).toUtf8());
    script.close();
    if (kind != "not executable") script.setPermissions(script.permissions() | QFile::ExeOwner);
    return file;
  }

  // Clicks System Info: the name of the viewer that started, or "" when the
  // dialog said that there is none (and then nothing started).
  QString clickSystemInfo(frmAbout& about) {
    QTest::mouseClick(about.cmdSysInfo, Qt::LeftButton);
    const QString started = dir.filePath("started");
    if (!platform.messages().isEmpty()) {
      const Call m = platform.messages().front();
      EXPECT_EQ(platform.messages().size(), 1);
      EXPECT_EQ(m.prompt, "System Information Is Unavailable At This Time");
      EXPECT_EQ(m.title, "Tamsford Genealogy Calculator");
      EXPECT_EQ(m.style, msg::OkOnly);
      QTest::qWait(100);
      EXPECT_FALSE(QFile::exists(started));
      return "";
    }
    for (int i = 0; i < 250 && !QFile::exists(started); ++i) QTest::qWait(20);
    QFile file(started);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).trimmed() : "?";
  }
};

struct PathCase {
  const char* name;
  QList<QPair<QString, QString>> viewers;  // file name and kind, in the folder below
  QString started;
  // Under the working folder: "bin" is on PATH by its full path, "here" only
  // by its relative name.
  QString folder = "bin";
};

void PrintTo(const PathCase& c, std::ostream* os) { *os << c.name; }

class ViewerOnPath : public SystemInfoTest, public ::testing::WithParamInterface<PathCase> {};

TEST_P(ViewerOnPath, StartsTheBestViewerFoundOrSaysThereIsNone) {
  for (const auto& [name, kind] : GetParam().viewers) viewer(GetParam().folder, name, kind);
  // An empty and a relative folder are never searched: a viewer found there
  // would be whatever lies in the folder the program happens to work in.
  QDir::setCurrent(dir.path());
  qputenv("PATH", (dir.filePath("bin") + "::here").toUtf8());
  frmAbout& about = openAbout();
  about.useRegistry(nullptr);
  EXPECT_EQ(clickSystemInfo(about), GetParam().started);
  EXPECT_NE(program.existing<frmAbout>(), nullptr);  // the dialog stays open
}

INSTANTIATE_TEST_SUITE_P(
    Folders, ViewerOnPath,
    ::testing::Values(PathCase{"BestOfTwo",
                               {{"gnome-system-monitor", "runs"}, {"kinfocenter", "runs"}},
                               "kinfocenter"},
                      PathCase{"None", {{"msinfo32", "runs"}}, ""},
                      PathCase{"CannotStart", {{"hardinfo", "no interpreter"}}, ""},
                      PathCase{"NotExecutable", {{"hardinfo", "not executable"}}, ""},
                      PathCase{"OnlyInARelativeFolder", {{"hardinfo", "runs"}}, "", "here"}),
    [](const ::testing::TestParamInfo<PathCase>& info) { return std::string(info.param.name); });

struct RegistryCase {
  const char* name;
  QString registeredViewer;  // kind of the viewer the first value names, if any
  QString folderViewer;      // kind of MSINFO32.EXE in the folder the second names, if any
  bool folderNamed;
  QString started;
};

void PrintTo(const RegistryCase& c, std::ostream* os) { *os << c.name; }

class ViewerInRegistry : public SystemInfoTest,
                         public ::testing::WithParamInterface<RegistryCase> {};

TEST_P(ViewerInRegistry, StartsTheRegisteredViewerOrSaysThereIsNone) {
  const RegistryCase& c = GetParam();
  FakeRegistry registry;
  const QByteArray first = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
  const QByteArray second = "SOFTWARE\\Microsoft\\Shared Tools Location";
  auto text = [](const QString& s) { return FakeRegistry::Value{1, s.toLocal8Bit() + '\0'}; };
  if (!c.registeredViewer.isEmpty())
    registry.keys[first]["PATH"] = text(viewer("tools", "viewer", c.registeredViewer));
  if (!c.folderViewer.isEmpty()) viewer("msinfo", "MSINFO32.EXE", c.folderViewer);
  if (c.folderNamed) registry.keys[second]["MSINFO"] = text(dir.filePath("msinfo"));
  QDir().mkpath(dir.filePath("msinfo"));
  qputenv("PATH", dir.filePath("msinfo").toUtf8());  // not looked at when there is a registry

  frmAbout& about = openAbout();
  about.useRegistry(&registry);
  EXPECT_EQ(clickSystemInfo(about), c.started);
  // With the first value read, the second key is never opened.
  EXPECT_EQ(registry.opened.contains(second), c.registeredViewer.isEmpty() && c.folderNamed);
  EXPECT_EQ(registry.closed, registry.opened.size());
}

INSTANTIATE_TEST_SUITE_P(
    Values, ViewerInRegistry,
    ::testing::Values(RegistryCase{"FirstValue", "runs", "runs", true, "viewer"},
                      RegistryCase{"FirstValueCannotStart", "not executable", "runs", true, ""},
                      RegistryCase{"SecondValueAndFile", "", "runs", true, "MSINFO32.EXE"},
                      RegistryCase{"SecondValueNoFile", "", "", true, ""},
                      RegistryCase{"NoValue", "", "runs", false, ""}),
    [](const ::testing::TestParamInfo<RegistryCase>& info) {
      return std::string(info.param.name);
    });

}  // namespace
}  // namespace vantel::test
