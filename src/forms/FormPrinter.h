#pragma once
// Prints a form: an image of its client area as shown at the moment of the
// call (visible controls only, no menu bar), scaled onto one page of the
// default printer. When there is no printer or the print fails, the user is
// told so and may save the page as a PDF file instead; a page is never lost
// without a word, and never reported as printed when it was not.
//
// The dialogs and the printer lookup are virtual so that tests can answer them.

#include <QImage>
#include <QPrinterInfo>
#include <QRect>
#include <QString>

class QPrinter;
class QWidget;

namespace vantel {

class Form;

class FormPrinter {
 public:
  virtual ~FormPrinter() = default;

  // Prints the form; true when the page went to the printer or to a PDF file.
  bool print(Form& form);

  // The form's client area as it is shown now.
  static QImage clientImage(Form& form);
  // Draws the image onto one page of the printer; false when the printer
  // refused the page.
  static bool printImage(const QImage& image, QPrinter& printer);
  // Where an image of that size (in screen pixels) goes on a page: at the size
  // it has on screen, made smaller to fit, centred across the top.
  static QRect placement(QSize image, QRect page, qreal pixelsPerScreenPixel);

 protected:
  virtual QPrinterInfo defaultPrinter() const;
  // Tells the user what went wrong and asks whether to save the page as a PDF.
  virtual bool offerPdf(QWidget* parent, const QString& problem);
  // The file to save the PDF to; empty when the user cancels.
  virtual QString pdfFileName(QWidget* parent, const QString& suggestion);
  virtual void tell(QWidget* parent, const QString& text);
};

}  // namespace vantel
