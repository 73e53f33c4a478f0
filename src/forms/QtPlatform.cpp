#include "forms/QtPlatform.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSpacerItem>
#include <QStyle>

#include "forms/Form.h"

namespace vantel {
namespace {

// The window manager draws a box's title in a face of its own, often bold and
// larger than the program's text, beside the window's icon and buttons; Qt
// allows only for the title in a plain face and a little room, so a short
// prompt under a long title left the title cut off ("Missin... Field!"). A box
// this wide shows its whole title on common desktops.
int widthForTitle(const QString& title) {
  QFont face = QFontDatabase::systemFont(QFontDatabase::TitleFont);
  face.setBold(true);
  face.setPointSizeF(face.pointSizeF() * 1.25);
  constexpr int kIconAndButtons = 128;  // the title bar's icon and three buttons, spaced
  return QFontMetrics(face).horizontalAdvance(title) + kIconAndButtons;
}

// A message box sizes itself to its layout each time it is shown; a spacer
// across the layout makes it at least as wide as its title needs.
void fitTitle(QMessageBox& box) {
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  if (!grid) return;
  const QMargins margins = grid->contentsMargins();
  const int width = widthForTitle(box.windowTitle()) - margins.left() - margins.right();
  grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                grid->rowCount(), 0, 1, grid->columnCount());
}

// The icon tells what kind of message it is; a screen reader says so too.
void nameIcon(QMessageBox& box, int style) {
  auto* icon = box.findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label"));
  if (!icon) return;
  switch (msg::icon(style)) {
    case msg::Critical: icon->setAccessibleName(QStringLiteral("Error")); break;
    case msg::Information: icon->setAccessibleName(QStringLiteral("Information")); break;
    default: break;
  }
}

// Keeps a question open until one of its buttons answers it.
class OnlyAnswersClose : public QObject {
 public:
  explicit OnlyAnswersClose(QMessageBox& box) : box_(box) { box.installEventFilter(this); }

 private:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Cancel))
      return true;
    if (event->type() == QEvent::Close && !box_.clickedButton()) {
      event->ignore();
      return true;
    }
    return false;
  }
  QMessageBox& box_;
};

}  // namespace

int QtPlatform::msgBox(const QString& prompt, const QString& title, int style) {
  QMessageBox box(QApplication::activeWindow());
  box.setWindowTitle(title);
  // Prompts are shown exactly as written, blanks included; a name the user
  // typed into one is never read as markup.
  box.setTextFormat(Qt::PlainText);
  box.setText(prompt);
  switch (msg::icon(style)) {
    case msg::Critical: box.setIcon(QMessageBox::Critical); break;
    case msg::Information: box.setIcon(QMessageBox::Information); break;
    default: box.setIcon(QMessageBox::NoIcon); break;
  }
  nameIcon(box, style);
  if (msg::buttons(style) == msg::YesNo) {
    // Enter answers Yes. A question has no cancel: Esc and the close box do
    // nothing, only Yes or No goes on (Qt would count them as No).
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    OnlyAnswersClose onlyAnswers(box);
    fitTitle(box);
    box.exec();
    return box.clickedButton() == box.button(QMessageBox::Yes) ? msg::Yes : msg::No;
  }
  // Enter, Esc and the close box all press OK.
  box.setStandardButtons(QMessageBox::Ok);
  box.setDefaultButton(QMessageBox::Ok);
  box.setEscapeButton(QMessageBox::Ok);
  fitTitle(box);
  box.exec();
  return msg::Ok;
}

QString QtPlatform::inputBox(const QString& prompt, const QString& title) {
  QInputDialog dialog(QApplication::activeWindow());
  dialog.setWindowTitle(title);
  dialog.setInputMode(QInputDialog::TextInput);
  dialog.setLabelText(prompt);
  if (auto* label = dialog.findChild<QLabel*>()) {
    label->setTextFormat(Qt::PlainText);
    // The prompt spans the box; at least as wide as the title needs, less the
    // box's margins.
    const int margins = dialog.style()->pixelMetric(QStyle::PM_LayoutLeftMargin) +
                        dialog.style()->pixelMetric(QStyle::PM_LayoutRightMargin);
    label->setMinimumWidth(widthForTitle(title) - margins);
  }
  // The field is announced with the prompt that says what to type.
  if (auto* field = dialog.findChild<QLineEdit*>()) field->setAccessibleName(prompt);
  dialog.setTextValue(QString());
  // Enter presses OK, Esc Cancel; Cancel gives the empty text.
  return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

void QtPlatform::printForm(Form& form) { printer_.print(form); }

}  // namespace vantel
