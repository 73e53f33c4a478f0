// Printing on a real print server: the private CUPS scheduler that ctest starts
// (scripts/print-server.sh), whose default printer writes each page as a PDF
// file. Each calculator shows a result and prints through the program's own
// platform service; the page that comes out must be one page showing the form
// as it was on screen. Without a printer, or when the printer refuses the job,
// the user is offered a PDF file instead.

#include <cups/cups.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "bad/FormBAD.h"
#include "census/FormCBYC.h"
#include "dow/FormDOW.h"
#include "forms/FormPrinter.h"
#include "forms/Program.h"
#include "forms/QtPlatform.h"
#include "print/PrintServer.h"
#include "support/QStringPrinting.h"

namespace vantel::test {
namespace {

// The form, shown as the active window so that the focus moves as for a user;
// a window that never becomes active fails the test.
template <class F>
Form& openForm(Program& program) {
  F& form = program.form<F>();
  form.show();
  form.activateWindow();
  EXPECT_TRUE(QTest::qWaitForWindowActive(&form)) << form.objectName().toStdString();
  return form;
}

// Enters a box as a user does (entering builds its list, once the focus has
// moved), then picks or types.
void enter(QWidget* box, const QString& text) {
  box->setFocus(Qt::TabFocusReason);
  QCoreApplication::processEvents();
  if (auto* combo = qobject_cast<QComboBox*>(box)) {
    const int item = combo->findText(text);
    if (item >= 0) {
      combo->setCurrentIndex(item);
    } else {
      combo->setEditText(text);
    }
  } else if (auto* line = qobject_cast<QLineEdit*>(box)) {
    line->setText(text);
  }
}

// Clicks a command button as with the mouse: it takes the focus first.
void press(QAbstractButton* button) {
  button->setFocus(Qt::MouseFocusReason);
  button->click();
}

QString shownText(const Form& form, const char* control) {
  const QWidget* w = form.findChild<QWidget*>(QLatin1String(control));
  if (auto* line = qobject_cast<const QLineEdit*>(w)) return line->text();
  if (auto* box = qobject_cast<const QPlainTextEdit*>(w)) return box->toPlainText();
  return {};
}

// Birth 3 March 1850, death 20 June 1910: the age at death.
void birthAgeDeath(Form& form) {
  auto& f = static_cast<FormBAD&>(form);
  f.OptAge->click();
  enter(f.cmbBMonth, "March");
  enter(f.txtBYear, "1850");
  enter(f.cmbBDay, "3");
  enter(f.cmbDMonth, "June");
  enter(f.txtDYear, "1910");
  enter(f.cmbDDay, "20");
  press(f.CmdCalculate);
}

// In the 1800 census, under 10 years of age: the birth years that fit.
void censusBirthYear(Form& form) {
  auto& f = static_cast<FormCBYC&>(form);
  f.Chk1800->click();
  f.option("Opt1800_1")->click();
  press(f.CmdCalc);
}

// 4 July 1776: its weekday.
void dayOfWeek(Form& form) {
  auto& f = static_cast<FormDOW&>(form);
  enter(f.CmbMth, "July");
  enter(f.txtYear, "1776");
  enter(f.CmbDay, "4");
  press(f.CmdDOWgo);
}

struct Calculator {
  const char* name;
  Form& (*open)(Program&);
  void (*calculate)(Form&);
  const char* result;  // the control that shows the result
};

void PrintTo(const Calculator& calculator, std::ostream* os) { *os << calculator.name; }

const Calculator kCalculators[] = {
    {"BirthAgeDeath", openForm<FormBAD>, birthAgeDeath, "TxTAgeDis"},
    {"CensusBirthYear", openForm<FormCBYC>, censusBirthYear, "TextDisplay"},
    {"DayOfWeek", openForm<FormDOW>, dayOfWeek, "TxtDay"},
};

// Closes any dialog that opens and remembers what it said: with a result on
// screen and a working printer, none should open.
class DialogWatch {
 public:
  DialogWatch() {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      auto* box = qobject_cast<QMessageBox*>(dialog);
      seen << (box ? box->text() : dialog->windowTitle());
      dialog->reject();
    });
    timer_.start(100);
  }
  QStringList seen;

 private:
  QTimer timer_;
};

class PrintServerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // No server (no root, or its packages missing): skipped with the reason;
    // CI installs everything and fails on any skip.
    const QString problem = printServerProblem();
    if (!problem.isEmpty()) GTEST_SKIP() << problem.toStdString();
  }

  // One page that shows the form as it was at the call (`screen`), not as it
  // was before its last change (`before`).
  static void expectPageShows(const QString& pdf, const QString& name, const QImage& screen,
                              const QImage& before) {
    EXPECT_EQ(pdfPageCount(pdf), 1);
    const QImage page = renderFirstPage(pdf);
    ASSERT_FALSE(page.isNull()) << "pdftoppm could not render " << pdf.toStdString();
    keepPage(name, pdf, page, screen);
    const PageLook look = lookAt(page, screen);
    ASSERT_FALSE(look.ink.isEmpty()) << "the page is blank";
    EXPECT_LT(look.aspectError, 0.02) << "ink " << look.ink.width() << "x" << look.ink.height()
                                      << ", form " << screen.width() << "x" << screen.height();
    EXPECT_LT(look.difference, 10);
    // Where the form changed last (typed dates, results), the page is like the
    // form at the call and unlike the form before.
    const double toScreen = differenceWhereChanged(look.onPaper, screen, before);
    const double toBefore = differenceWhereChanged(look.onPaper, before, screen);
    EXPECT_GE(toScreen, 0) << "the form did not change";
    EXPECT_LT(toScreen, toBefore / 2);
  }

  QtPlatform platform;
  Program program{platform};
};

class PrintOnServer : public PrintServerTest, public ::testing::WithParamInterface<Calculator> {};

TEST_P(PrintOnServer, ACalculatorWithItsResultComesOutOfThePrinterAsOnePage) {
  const Calculator& calculator = GetParam();
  DialogWatch dialogs;
  Form& form = calculator.open(program);
  const QImage empty = FormPrinter::clientImage(form);
  calculator.calculate(form);
  ASSERT_FALSE(shownText(form, calculator.result).isEmpty())
      << "no result on screen; messages: " << dialogs.seen.join(" | ").toStdString();

  const QImage screen = FormPrinter::clientImage(form);
  const QSet<int> before = completedJobs(kPdfPrinter);
  program.platform().printForm(form);
  EXPECT_TRUE(dialogs.seen.isEmpty()) << dialogs.seen.join(" | ").toStdString();

  const int job = waitForNewJob(kPdfPrinter, before);
  ASSERT_NE(job, 0) << "no job completed on " << kPdfPrinter.toStdString()
                    << "; the server's log:\n"
                    << printServerLog().toStdString();
  const QString pdf = pdfOfJob(job);
  ASSERT_FALSE(pdf.isEmpty()) << "no ~/PDF/*-job_" << job << ".pdf; the server's log:\n"
                              << printServerLog().toStdString();
  expectPageShows(pdf, calculator.name, screen, empty);
  QFile::remove(pdf);
}

INSTANTIATE_TEST_SUITE_P(Calculators, PrintOnServer, ::testing::ValuesIn(kCalculators),
                         [](const auto& info) { return std::string(info.param.name); });

// Sets one variable the print client reads, for one case, and puts it back.
class ClientSetting {
 public:
  ClientSetting(const char* name, const char* value)
      : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
    qputenv(name, value);
    cupsSetServer(nullptr);  // the client library reads CUPS_SERVER afresh
  }
  ~ClientSetting() {
    if (had_) {
      qputenv(name_, old_);
    } else {
      qunsetenv(name_);
    }
    cupsSetServer(nullptr);
  }

 private:
  const char* name_;
  bool had_;
  QByteArray old_;
};

// Answers the offer of a PDF file with the test's own file, or declines it.
class AnsweringPrinter : public FormPrinter {
 public:
  explicit AnsweringPrinter(QString file) : file_(std::move(file)) {}
  QStringList problems;
  QStringList told;

 protected:
  bool offerPdf(QWidget*, const QString& problem) override {
    problems << problem;
    return !file_.isEmpty() && problems.size() == 1;
  }
  QString pdfFileName(QWidget*, const QString&) override { return file_; }
  void tell(QWidget*, const QString& text) override { told << text; }

 private:
  QString file_;
};

TEST_F(PrintServerTest, NoPrinterOrARefusedJobEndsInTheOfferOfAPdfNeverInSilence) {
  const QString noPrinter =
      QStringLiteral("No printer is set up on this computer, so the page could not be printed.");
  const QString refused =
      QStringLiteral("The page could not be sent to the printer \"%1\".").arg(kRejectingPrinter);
  struct Case {
    const char* how;
    const char* variable;
    QString value;
    bool acceptPdf;
    QString problem;
  };
  const Case cases[] = {
      {"no print server answers", "CUPS_SERVER", "/nonexistent/cups.sock", true, noPrinter},
      {"the default printer does not exist", "LPDEST", "vantel-missing", true, noPrinter},
      {"the default printer refuses the job", "LPDEST", kRejectingPrinter, true, refused},
      {"the printer refuses and the PDF is declined", "LPDEST", kRejectingPrinter, false, refused},
  };
  Form& form = openForm<FormDOW>(program);
  const QImage empty = FormPrinter::clientImage(form);
  dayOfWeek(form);
  const QImage screen = FormPrinter::clientImage(form);
  QTemporaryDir folder;
  int n = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.how);
    const ClientSetting setting(c.variable, c.value.toLocal8Bit().constData());
    const QString pdf = c.acceptPdf ? folder.filePath(QStringLiteral("page%1.pdf").arg(++n)) : "";
    AnsweringPrinter printer(pdf);
    EXPECT_EQ(printer.print(form), c.acceptPdf);
    EXPECT_EQ(printer.problems, QStringList{c.problem});
    EXPECT_EQ(printer.told, c.acceptPdf ? QStringList()
                                        : QStringList{QStringLiteral("The page was not printed.")});
    if (c.acceptPdf) expectPageShows(pdf, QStringLiteral("Refused%1").arg(n), screen, empty);
  }
}

}  // namespace
}  // namespace vantel::test
