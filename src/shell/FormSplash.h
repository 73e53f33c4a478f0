#pragma once
// The start-up window: the product artwork with the version over it. The first
// click on it, character key typed in it or tick of its timer closes it and
// opens the main window. Its label is declared in FormSplash.ui and is the
// splash's own.

#include "forms/Form.h"
#include "ui_FormSplash.h"

class QTimer;

namespace vantel {

class FormSplash : public Form, private Ui::FormSplash {
  Q_OBJECT
 public:
  explicit FormSplash(Program& program);

  void load() override;    // Form_Load
  void unload() override;  // Form_Unload

  QTimer* Timer1;

  // The three ways out of the splash; each closes it and opens the main window.
  void Form_Click();
  void Form_KeyPress();
  void Timer1_Timer();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void closeAndOpenMain();

  QPixmap picture_;
};

}  // namespace vantel
