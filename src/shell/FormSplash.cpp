#include "shell/FormSplash.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include "forms/Program.h"
#include "resources/Artwork.h"
#include "shell/MDIMain.h"

namespace vantel {

FormSplash::FormSplash(Program& program)
    : Form(program, QStringLiteral("FormSplash"), QStringLiteral("Vantel 1.0.0")) {
  setupUi(this);
  adoptControls();
  // Drawn over the picture; clicks go through to the splash.
  Label1->setAttribute(Qt::WA_TranslucentBackground);
  Label1->setAttribute(Qt::WA_TransparentForMouseEvents);
  // About 66 x 16 near the lower-left corner; wider where the font needs it.
  const QSize text = Label1->sizeHint();
  Label1->setGeometry(5, 145, qMax(66, text.width()), qMax(16, text.height()));
  if (Label1->geometry().bottom() >= height()) Label1->move(5, height() - Label1->height() - 2);

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(2500);
  connect(Timer1, &QTimer::timeout, this, &FormSplash::Timer1_Timer);
  Timer1->start();
}

void FormSplash::load() {
  // Centred on the screen.
  if (QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
}

void FormSplash::unload() { Timer1->stop(); }

void FormSplash::Form_Click() { closeAndOpenMain(); }
void FormSplash::Form_KeyPress() { closeAndOpenMain(); }
void FormSplash::Timer1_Timer() { closeAndOpenMain(); }

void FormSplash::closeAndOpenMain() {
  Program& p = program();
  p.close(*this);
  p.open<MDIMain>();
}

void FormSplash::paintEvent(QPaintEvent*) {
  // Rendered when first painted: a key pressed at once never needs it.
  if (picture_.isNull()) picture_ = artwork::splash();
  QPainter painter(this);
  painter.drawPixmap(rect(), picture_);
}

void FormSplash::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    Form_Click();
}

void FormSplash::keyPressEvent(QKeyEvent* event) {
  // Only keys that type a character; Shift or an arrow key alone does nothing.
  if (!event->text().isEmpty()) Form_KeyPress();
}

}  // namespace vantel
