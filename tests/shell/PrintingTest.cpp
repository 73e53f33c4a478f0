// Printing a form: one page with the form as shown at the moment of the call,
// and, when no printer takes it, the offer to save the page as a PDF file.
#include <QDirIterator>
#include <QFileDialog>
#include <QLabel>
#include <QPdfWriter>
#include <QPrinter>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include "forms/FormPrinter.h"
#include "support/ProgramFixture.h"
#include "support/QStringPrinting.h"

// Rectangles in failure messages.
inline void PrintTo(const QRect& r, std::ostream* os) {
  *os << r.x() << "," << r.y() << " " << r.width() << "x" << r.height();
}

namespace vantel::test {
namespace {

// A form whose picture tells its states apart: a big label whose colour and
// text change, and a hidden label that must never appear on paper.
class PrintedForm : public Form {
 public:
  explicit PrintedForm(Program& program)
      : Form(program, QStringLiteral("PrintedForm"), QStringLiteral("Printed Form")) {
    setFixedSize(400, 250);
    lblState = add<QLabel>("lblState", nullptr);
    lblState->setGeometry(20, 20, 360, 150);
    lblState->setAutoFillBackground(true);
    lblHidden = add<QLabel>("lblHidden", nullptr);
    lblHidden->setGeometry(20, 190, 360, 40);
    lblHidden->setAutoFillBackground(true);
    paint(lblHidden, Qt::red);
    lblHidden->hide();
  }
  void setState(const QString& text, const QColor& colour) {
    lblState->setText(text);
    paint(lblState, colour);
  }
  QLabel* lblState;
  QLabel* lblHidden;

 private:
  static void paint(QLabel* label, const QColor& colour) {
    QPalette p = label->palette();
    p.setColor(QPalette::Window, colour);
    label->setPalette(p);
  }
};

// Answers the printer's questions from a script and remembers what it was told.
class ScriptedPrinter : public FormPrinter {
 public:
  bool printerPresent = false;
  // Answers to "save as", in order: a file, empty = cancel, "dialog" = the
  // program's own dialog, which the test then answers.
  std::deque<QString> files;
  QStringList problems;
  QStringList told;

 protected:
  QPrinterInfo defaultPrinter() const override {
    return printerPresent ? QPrinterInfo::defaultPrinter() : QPrinterInfo();
  }
  bool offerPdf(QWidget*, const QString& problem) override {
    problems << problem;
    return !files.empty();
  }
  QString pdfFileName(QWidget* parent, const QString& suggestion) override {
    QString f = files.front();
    files.pop_front();
    return f == "dialog" ? FormPrinter::pdfFileName(parent, suggestion) : f;
  }
  void tell(QWidget*, const QString& text) override { told << text; }
};

QString tool(const char* name) {
  const QString path = QStandardPaths::findExecutable(QLatin1String(name));
  EXPECT_FALSE(path.isEmpty()) << name
                               << " (poppler-utils, installed by scripts/setup.sh) is missing";
  return path;
}

int pageCount(const QString& pdf) {
  QProcess info;
  info.start(tool("pdfinfo"), {pdf});
  info.waitForFinished();
  for (const QString& line : QString::fromUtf8(info.readAllStandardOutput()).split('\n'))
    if (line.startsWith("Pages:")) return line.mid(6).trimmed().toInt();
  return -1;
}

QImage renderPage(const QString& pdf, const QString& stem) {
  QProcess render;
  render.start(tool("pdftoppm"), {"-r", "50", "-png", "-singlefile", pdf, stem});
  render.waitForFinished();
  return QImage(stem + ".png");
}

// How many pixels of the page are close to the colour.
int countNear(const QImage& page, QColor colour) {
  int n = 0;
  for (int y = 0; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x) {
      const QColor c = page.pixelColor(x, y);
      if (qAbs(c.red() - colour.red()) < 40 && qAbs(c.green() - colour.green()) < 40 &&
          qAbs(c.blue() - colour.blue()) < 40)
        ++n;
    }
  return n;
}

class PrintingTest : public ProgramTest {
 protected:
  QTemporaryDir dir;
  QString path(const char* name) { return dir.filePath(QLatin1String(name)); }
};

TEST_F(PrintingTest, PdfHasOnePageShowingTheFormAsItWasAtTheCall) {
  PrintedForm& form = shown<PrintedForm>();
  ScriptedPrinter printer;
  printer.files = {path("page.pdf")};

  form.setState("Before", Qt::yellow);  // just before the call
  const bool printed = printer.print(form);
  form.setState("After", Qt::cyan);  // right after it

  EXPECT_TRUE(printed);
  EXPECT_EQ(
      printer.problems,
      QStringList{"No printer is set up on this computer, so the page could not be printed."});
  EXPECT_TRUE(printer.told.isEmpty());
  ASSERT_EQ(pageCount(path("page.pdf")), 1);

  const QImage page = renderPage(path("page.pdf"), path("page"));
  ASSERT_FALSE(page.isNull());
  EXPECT_GT(countNear(page, Qt::yellow), 2000);  // the label as it was at the call
  EXPECT_EQ(countNear(page, Qt::cyan), 0);       // not as it became after
  EXPECT_EQ(countNear(page, Qt::red), 0);        // hidden controls are not printed
}

TEST_F(PrintingTest, RefusedOrFailedPdfIsReportedNeverClaimedDone) {
  PrintedForm& form = shown<PrintedForm>();
  struct Case {
    const char* how;
    std::deque<QString> files;
    bool printed;
    int offers;
  };
  const Case cases[] = {
      {"user declines the PDF", {}, false, 1},
      {"user cancels the file dialog", {QString()}, false, 1},
      {"file cannot be written, then declined", {"/nonexistent-folder/x/page.pdf"}, false, 2},
      {"file cannot be written, then another one",
       {"/nonexistent-folder/x/page.pdf", path("second")},
       true,
       2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.how);
    ScriptedPrinter printer;
    printer.files = c.files;
    EXPECT_EQ(printer.print(form), c.printed);
    EXPECT_EQ(printer.problems.size(), c.offers);
    if (c.offers == 2) {
      EXPECT_EQ(printer.problems[1],
                "The page could not be saved as \"/nonexistent-folder/x/page.pdf\".");
    }
    EXPECT_EQ(printer.told, c.printed ? QStringList() : QStringList{"The page was not printed."});
  }
  // A name given without its extension gets ".pdf".
  EXPECT_EQ(pageCount(path("second.pdf")), 1);
}

// Every file and folder under the folder, hidden ones included, sorted.
QStringList entriesUnder(const QString& folder) {
  QStringList entries;
  QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                  QDirIterator::Subdirectories);
  while (it.hasNext()) entries << QDir(folder).relativeFilePath(it.next());
  entries.sort();
  return entries;
}

TEST_F(PrintingTest, SaveDialogOpensInDocumentsOrHomeAndLeavesOnlyThePdf) {
  PrintedForm& form = shown<PrintedForm>();
  const QByteArray home = qgetenv("HOME"), config = qgetenv("XDG_CONFIG_HOME");
  // Whether the user has a Documents folder, and where the dialog opens.
  for (const auto& [documents, opensIn] : {std::pair{true, "Documents"}, {false, "."}}) {
    SCOPED_TRACE(opensIn);
    const QTemporaryDir user;
    const QDir userHome(user.path());
    qputenv("HOME", user.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", userHome.filePath(".config").toUtf8());
    // Where Qt keeps a user's settings, had the program not a folder of its own.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, userHome.filePath(".config"));
    if (documents) userHome.mkdir("Documents");
    QStringList expected = entriesUnder(user.path())
                           << QDir::cleanPath(QString(opensIn) + "/page.pdf");
    expected.sort();
    QString openedIn;
    std::function<void()> answer = [&] {  // once the dialog is open, as its user would
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      if (!dialog) return QTimer::singleShot(20, answer);
      openedIn = userHome.relativeFilePath(dialog->directory().absolutePath());
      dialog->selectFile(dialog->directory().filePath("page.pdf"));
      static_cast<QDialog*>(dialog)->accept();
    };
    QTimer::singleShot(0, answer);
    ScriptedPrinter printer;
    printer.files = {"dialog"};
    EXPECT_TRUE(printer.print(form));
    EXPECT_EQ(openedIn, opensIn);
    EXPECT_EQ(entriesUnder(user.path()), expected);
  }
  qputenv("HOME", home);
  config.isNull() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", config);
}

TEST_F(PrintingTest, PageHoldsTheImageAtScreenSizeOrScaledDownToFit) {
  const QRect page(0, 0, 4800, 6600);  // about 8 x 11 inches at 600 per inch
  struct Case {
    QSize image;
    QRect expected;
  };
  const Case cases[] = {
      // 708 pixels at 96 per inch are 4425 printer pixels, centred across the top.
      {{708, 467}, {187, 0, 4425, 2919}},
      // Wider than the page: scaled to its width, proportions kept.
      {{1600, 400}, {0, 0, 4800, 1200}},
      // Taller than the page: scaled to its height.
      {{200, 2200}, {2100, 0, 600, 6600}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FormPrinter::placement(c.image, page, 600 / 96.0), c.expected) << c.image.width();
}

TEST_F(PrintingTest, ThePageFillsOneSheetOfAPdfPrinter) {
  QImage image(708, 467, QImage::Format_RGB32);
  image.fill(Qt::blue);
  QPrinter pdf(QPrinter::HighResolution);
  pdf.setOutputFormat(QPrinter::PdfFormat);
  pdf.setOutputFileName(path("blue.pdf"));
  ASSERT_TRUE(FormPrinter::printImage(image, pdf));
  EXPECT_EQ(pageCount(path("blue.pdf")), 1);
  // The blue picture takes most of the width of the page at its top.
  const QImage page = renderPage(path("blue.pdf"), path("blue"));
  ASSERT_FALSE(page.isNull());
  int row = -1;
  for (int y = 0; y < page.height() && row < 0; ++y)
    if (countNear(page.copy(page.width() / 2, y, 1, 1), Qt::blue) == 1) row = y;
  ASSERT_GE(row, 0);
  EXPECT_LT(row, page.height() / 8);
  const int blueInRow = countNear(page.copy(0, row + 5, page.width(), 1), Qt::blue);
  EXPECT_GT(blueInRow, page.width() * 3 / 4);
  EXPECT_LT(blueInRow, page.width());

  // An empty picture or an unwritable file is refused, not reported as printed.
  QPrinter nowhere(QPrinter::HighResolution);
  nowhere.setOutputFormat(QPrinter::PdfFormat);
  nowhere.setOutputFileName("/nonexistent-folder/x.pdf");
  EXPECT_FALSE(FormPrinter::printImage(image, nowhere));
  EXPECT_FALSE(FormPrinter::printImage(QImage(), pdf));
}

}  // namespace
}  // namespace vantel::test
