#pragma once
// The private print server the printing tests use (scripts/print-server.sh,
// reached through CUPS_SERVER), the PDF files its default printer writes, and
// how a printed page is compared with the form on screen.

#include <QImage>
#include <QRect>
#include <QSet>
#include <QString>
#include <QStringList>

namespace vantel::test {

// The queues scripts/print-server.sh sets up.
inline const QString kPdfPrinter = QStringLiteral("vantel-pdf");
inline const QString kRejectingPrinter = QStringLiteral("vantel-rejecting");

// Output and exit code of a command-line tool, run to its end.
struct ToolRun {
  int exitCode = -1;
  QString output;  // standard output and error together
};
ToolRun runTool(const QString& program, const QStringList& arguments);

// Why the print server cannot be used, or the empty text when it answers with
// vantel-pdf as its default printer.
QString printServerProblem();
// The last lines of the server's log, to tell why a job went wrong.
QString printServerLog();

// Ids of the queue's completed jobs.
QSet<int> completedJobs(const QString& queue);
// Waits up to a minute for a completed job of the queue not among `before`;
// its id, or 0.
int waitForNewJob(const QString& queue, const QSet<int>& before);
// The PDF file the cups-pdf printer wrote for the job: ~/PDF/*-job_<id>.pdf of
// the user who printed; empty when there is none.
QString pdfOfJob(int job);

// Pages in a PDF file (pdfinfo); -1 when it cannot be read.
int pdfPageCount(const QString& pdf);
// The first page at 96 pixels per inch, the size the form has on screen.
QImage renderFirstPage(const QString& pdf);

// What a printed page holds, seen against the form it should show.
struct PageLook {
  QRect ink;                // bounding box of everything not white
  double aspectError = 1;   // of the ink against the form, 0 = same proportions
  QImage onPaper;           // the ink scaled to the form's size
  double difference = 255;  // mean colour difference of onPaper and form, 0 to 255
};
PageLook lookAt(const QImage& page, const QImage& form);
// Mean colour difference (0 to 255) of `image` from `a`, over the pixels where
// the images `a` and `b` of one size differ clearly (where a result text stands
// on one and not on the other); -1 when they do not differ.
double differenceWhereChanged(const QImage& image, const QImage& a, const QImage& b);

// Keeps a copy of a printed page for a person to look at: NAME.pdf, NAME.png
// and NAME-screen.png beside each other in build/printed-pages/.
void keepPage(const QString& name, const QString& pdf, const QImage& page, const QImage& screen);

}  // namespace vantel::test
