#include "print/PrintServer.h"

#include <pwd.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <cstdlib>

namespace vantel::test {

namespace {

QString serverSocket() { return qEnvironmentVariable("CUPS_SERVER"); }

// Where scripts/print-server.sh keeps the server: the folder of its socket.
QString serverFolder() { return QFileInfo(serverSocket()).absolutePath(); }

int channelDifference(QRgb a, QRgb b) {
  return qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b));
}

}  // namespace

ToolRun runTool(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.start(program, arguments);
  ToolRun run;
  if (!process.waitForFinished(60000)) {
    run.output = program + QStringLiteral(" did not run: ") + process.errorString();
    return run;
  }
  run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  run.output = QString::fromLocal8Bit(process.readAll());
  return run;
}

QString printServerProblem() {
  const QString start = QStringLiteral(
      "ctest starts the server before these tests (test PrintServer.Start); by hand: "
      "scripts/print-server.sh start DIR, then CUPS_SERVER=DIR/cups.sock");
  if (serverSocket().isEmpty()) return QStringLiteral("CUPS_SERVER is not set. ") + start;
  const ToolRun running = runTool(QStringLiteral("lpstat"), {QStringLiteral("-r")});
  if (running.exitCode != 0)
    return QStringLiteral("lpstat (Debian's cups-client, see scripts/setup.sh) did not run: ") +
           running.output;
  if (!running.output.contains(QStringLiteral("scheduler is running")))
    return QStringLiteral("No print server answers on %1: %2").arg(serverSocket(), start);
  const ToolRun dest = runTool(QStringLiteral("lpstat"), {QStringLiteral("-d")});
  if (!dest.output.trimmed().endsWith(QStringLiteral(": ") + kPdfPrinter))
    return QStringLiteral("The print server on %1 does not have %2 as its default printer: %3")
        .arg(serverSocket(), kPdfPrinter, dest.output.trimmed());
  return {};
}

QString printServerLog() {
  QFile log(serverFolder() + QStringLiteral("/log/error_log"));
  if (!log.open(QIODevice::ReadOnly)) return QStringLiteral("(no log at ") + log.fileName() + ')';
  const QStringList lines = QString::fromLocal8Bit(log.readAll()).split('\n');
  return lines.mid(qMax(0, lines.size() - 30)).join('\n');
}

QSet<int> completedJobs(const QString& queue) {
  QSet<int> jobs;
  const ToolRun listed =
      runTool(QStringLiteral("lpstat"),
              {QStringLiteral("-W"), QStringLiteral("completed"), QStringLiteral("-o"), queue});
  // Lines such as "vantel-pdf-12   root   2048   Tue Dec  8 18:11:35 2026".
  for (const QString& line : listed.output.split('\n')) {
    const QString id = line.section(' ', 0, 0);
    if (id.startsWith(queue + '-')) jobs.insert(id.mid(queue.size() + 1).toInt());
  }
  return jobs;
}

int waitForNewJob(const QString& queue, const QSet<int>& before) {
  for (QDeadlineTimer deadline(60000); !deadline.hasExpired(); QThread::msleep(200)) {
    const QSet<int> now = completedJobs(queue);
    for (int job : now)
      if (!before.contains(job)) return job;
  }
  return 0;
}

QString pdfOfJob(int job) {
  // cups-pdf writes into the PDF folder of the home of the user who printed
  // (its default "Out ${HOME}/PDF"), naming the file after the title and job.
  const passwd* user = getpwuid(geteuid());
  const QDir folder(QString::fromLocal8Bit(user ? user->pw_dir : "/") + QStringLiteral("/PDF"));
  const QStringList found =
      folder.entryList({QStringLiteral("*-job_%1.pdf").arg(job)}, QDir::Files, QDir::Time);
  return found.isEmpty() ? QString() : folder.filePath(found.first());
}

int pdfPageCount(const QString& pdf) {
  const ToolRun info = runTool(QStringLiteral("pdfinfo"), {pdf});
  for (const QString& line : info.output.split('\n'))
    if (line.startsWith(QStringLiteral("Pages:"))) return line.mid(6).trimmed().toInt();
  return -1;
}

QImage renderFirstPage(const QString& pdf) {
  const QString stem = pdf + QStringLiteral("-page");
  runTool(QStringLiteral("pdftoppm"),
          {QStringLiteral("-r"), QStringLiteral("96"), QStringLiteral("-png"),
           QStringLiteral("-singlefile"), QStringLiteral("-f"), QStringLiteral("1"), pdf, stem});
  const QImage page(stem + QStringLiteral(".png"));
  QFile::remove(stem + QStringLiteral(".png"));
  return page.convertToFormat(QImage::Format_RGB32);
}

PageLook lookAt(const QImage& page, const QImage& form) {
  PageLook look;
  // Ink: any pixel clearly darker than the paper. The forms' grey background
  // counts, so the box is the form's outline.
  int left = page.width(), top = page.height(), right = -1, bottom = -1;
  for (int y = 0; y < page.height(); ++y) {
    const QRgb* row = reinterpret_cast<const QRgb*>(page.constScanLine(y));
    for (int x = 0; x < page.width(); ++x) {
      if (qRed(row[x]) > 247 && qGreen(row[x]) > 247 && qBlue(row[x]) > 247) continue;
      left = qMin(left, x), right = qMax(right, x), top = qMin(top, y), bottom = qMax(bottom, y);
    }
  }
  if (right < 0 || form.isNull()) return look;
  look.ink = QRect(QPoint(left, top), QPoint(right, bottom));
  look.aspectError = qAbs(
      double(look.ink.width()) / look.ink.height() / (double(form.width()) / form.height()) - 1);
  const QImage screen = form.convertToFormat(QImage::Format_RGB32);
  look.onPaper =
      page.copy(look.ink).scaled(screen.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  double sum = 0;
  for (int y = 0; y < screen.height(); ++y)
    for (int x = 0; x < screen.width(); ++x)
      sum += channelDifference(look.onPaper.pixel(x, y), screen.pixel(x, y));
  look.difference = sum / (3.0 * screen.width() * screen.height());
  return look;
}

double differenceWhereChanged(const QImage& image, const QImage& a, const QImage& b) {
  const QImage first = a.convertToFormat(QImage::Format_RGB32);
  const QImage second = b.convertToFormat(QImage::Format_RGB32);
  double sum = 0;
  int count = 0;
  for (int y = 0; y < first.height(); ++y)
    for (int x = 0; x < first.width(); ++x) {
      if (channelDifference(first.pixel(x, y), second.pixel(x, y)) < 3 * 85) continue;
      sum += channelDifference(image.pixel(x, y), first.pixel(x, y));
      ++count;
    }
  return count == 0 ? -1 : sum / (3.0 * count);
}

void keepPage(const QString& name, const QString& pdf, const QImage& page, const QImage& screen) {
  const QDir folder(QStringLiteral(VANTEL_PRINTED_PAGES));
  folder.mkpath(QStringLiteral("."));
  QFile::remove(folder.filePath(name + QStringLiteral(".pdf")));
  QFile::copy(pdf, folder.filePath(name + QStringLiteral(".pdf")));
  page.save(folder.filePath(name + QStringLiteral(".png")));
  screen.save(folder.filePath(name + QStringLiteral("-screen.png")));
}

}  // namespace vantel::test
