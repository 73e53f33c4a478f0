#include "forms/FormPrinter.h"

#include <cups/cups.h>
#include <dlfcn.h>

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "forms/Form.h"

namespace vantel {

namespace {

// The print server's client library is not linked into the program: it and
// the libraries it pulls in would cost every start-up memory before anything
// is printed. Qt's print support has loaded it by the time a page is sent, so
// its last answer is read from the instance already there.
bool printServerTookTheJob() {
  using LastError = ipp_status_t (*)();
  void* library = dlopen("libcups.so.2", RTLD_LAZY | RTLD_NOLOAD);
  if (!library) library = dlopen("libcups.so.2", RTLD_LAZY);
  if (!library) return false;  // no print server's client: the page cannot have gone
  const auto lastError = reinterpret_cast<LastError>(dlsym(library, "cupsLastError"));
  const bool took = lastError && lastError() <= IPP_STATUS_OK_EVENTS_COMPLETE;
  dlclose(library);
  return took;
}

}  // namespace

QImage FormPrinter::clientImage(Form& form) {
  // grab() renders the widget itself: its visible controls, without the menu
  // bar and window frame around it.
  return form.grab().toImage();
}

QRect FormPrinter::placement(QSize image, QRect page, qreal pixelsPerScreenPixel) {
  QSizeF size = QSizeF(image) * pixelsPerScreenPixel;
  if (size.width() > page.width() || size.height() > page.height())
    size.scale(QSizeF(page.size()), Qt::KeepAspectRatio);
  const QSize whole = size.toSize();
  return QRect(QPoint(page.left() + (page.width() - whole.width()) / 2, page.top()), whole);
}

bool FormPrinter::printImage(const QImage& image, QPrinter& printer) {
  if (image.isNull()) return false;
  printer.setFullPage(false);
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  // A form is about as large on paper as on a screen of 96 pixels per inch.
  const QSize logical = (QSizeF(image.size()) / image.devicePixelRatio()).toSize();
  const QRect page(QPoint(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size());
  const QRect target = placement(logical, page, printer.resolution() / 96.0);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(target, image);
  const bool ended = painter.end();
  if (!ended || printer.printerState() == QPrinter::Error ||
      printer.printerState() == QPrinter::Aborted)
    return false;
  // Ending the painter hands the page to the print server, but Qt does not say
  // whether the server took it (a printer that refuses jobs, a server gone
  // away): that answer is the last one its client library received.
  const bool toPrintServer =
      printer.outputFormat() == QPrinter::NativeFormat && printer.outputFileName().isEmpty();
  return !toPrintServer || printServerTookTheJob();
}

bool FormPrinter::print(Form& form) {
  // The picture is taken first: the caller changes the form right after.
  const QImage image = clientImage(form);
  QWidget* parent = form.window();

  QString problem;
  const QPrinterInfo info = defaultPrinter();
  if (info.isNull()) {
    problem =
        QStringLiteral("No printer is set up on this computer, so the page could not be printed.");
  } else {
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(form.windowTitle());
    if (printImage(image, printer)) return true;
    problem =
        QStringLiteral("The page could not be sent to the printer \"%1\".").arg(info.printerName());
  }

  QString suggestion = form.windowTitle() + QStringLiteral(".pdf");
  suggestion.replace(QLatin1Char('/'), QLatin1Char('-'))
      .replace(QLatin1Char('\\'), QLatin1Char('-'));
  while (offerPdf(parent, problem)) {
    QString file = pdfFileName(parent, suggestion);
    if (file.isEmpty()) break;
    if (QFileInfo(file).suffix().isEmpty()) file += QStringLiteral(".pdf");
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(file);
    pdf.setDocName(form.windowTitle());
    if (printImage(image, pdf)) return true;
    problem = QStringLiteral("The page could not be saved as \"%1\".")
                  .arg(QDir::toNativeSeparators(file));
  }
  tell(parent, QStringLiteral("The page was not printed."));
  return false;
}

QPrinterInfo FormPrinter::defaultPrinter() const { return QPrinterInfo::defaultPrinter(); }

bool FormPrinter::offerPdf(QWidget* parent, const QString& problem) {
  QMessageBox box(parent);
  box.setWindowTitle(QStringLiteral("Print"));
  box.setIcon(QMessageBox::Warning);
  box.setTextFormat(Qt::PlainText);
  box.setText(problem);
  box.setInformativeText(QStringLiteral("Would you like to save the page as a PDF file instead?"));
  QPushButton* save = box.addButton(QStringLiteral("Save as PDF..."), QMessageBox::AcceptRole);
  QPushButton* cancel = box.addButton(QMessageBox::Cancel);
  box.setDefaultButton(save);
  box.setEscapeButton(cancel);
  box.exec();
  return box.clickedButton() == save;
}

QString FormPrinter::pdfFileName(QWidget* parent, const QString& suggestion) {
  // Qt names the Documents folder whether or not it exists; the dialog would
  // then open in whatever folder the program works in.
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (!QFileInfo(folder).isDir()) folder = QDir::homePath();
  // Qt's file dialog reads and writes the folders last visited in a settings
  // file of the user's, which the next run would read. The program keeps
  // nothing between runs: the dialog gets a settings folder of its own, gone
  // when it closes (or, where none can be made, one where nothing can be written).
  const QTemporaryDir settings;
  const QString settingsFolder = settings.isValid() ? settings.path() : QStringLiteral("/dev/null");
  for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
    QSettings::setPath(format, QSettings::UserScope, settingsFolder);
  return QFileDialog::getSaveFileName(parent, QStringLiteral("Save the Page as PDF"),
                                      QDir(folder).filePath(suggestion),
                                      QStringLiteral("PDF files (*.pdf)"));
}

void FormPrinter::tell(QWidget* parent, const QString& text) {
  QMessageBox box(parent);
  box.setWindowTitle(QStringLiteral("Print"));
  box.setIcon(QMessageBox::Information);
  box.setTextFormat(Qt::PlainText);
  box.setText(text);
  box.exec();
}

}  // namespace vantel
