#pragma once
// The Day-of-week calculator's window: a month, a day and a year go in, the
// weekday comes out in TxtDay. The form holds its controls and menus and runs
// the handlers that rebuild its lists, check a month on leaving it and start a
// calculation; the checks live in CheckValues, the computation in DOWcalC.

#include <QAction>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>

#include "forms/Controls.h"
#include "forms/Form.h"

namespace vantel {

class FormDOW : public Form {
  Q_OBJECT
 public:
  explicit FormDOW(Program& program);

  void load() override;

  // GotFocus of CmbDay: a list of as many days as the month and year allow.
  void CmbDay_GotFocus();
  // Click of CmdDOWgo: empties the result, then checks the date and computes.
  void CmdDOWgo_Click();

  // The date.
  QGroupBox* frameDowDate;
  ComboBox* CmbMth;
  ComboBox* CmbDay;
  TextBox* txtYear;
  QLabel* Label2;
  QLabel* Label6;
  QLabel* Label7;

  // The result.
  QGroupBox* Frame1;
  TextBox* TxtDay;

  QPushButton* CmdDOWgo;
  QPushButton* cmdReset;
  QPushButton* CmdPrintForm;
  QPushButton* cmdExit;

  // The note printed with the form.
  QPlainTextEdit* txtAddInfo;
  QPushButton* cmdPrntNote;

  QGroupBox* Frame2;
  MultiLineText* TextHowto;
  QGroupBox* FrameInfo;
  MultiLineText* TextAbout;
  QLabel* ImageTamsford;
  QFrame* Line1;
  QFrame* Line2;

  // Menus and their items.
  QMenu* mnuopen;
  QAction* mnuBegin;
  QAction* mnuline3;
  QAction* mnuCBYC;
  QAction* mnuCBYC3;
  QAction* mnuDOW;
  QAction* mnuline1;
  QAction* mnuPrint;
  QAction* mnuline;
  QAction* mnuClose;
  QAction* mnuline2;
  QAction* mnuExit;
  QMenu* mnuEdit;
  QAction* mnuReset;
  QMenu* mnuView;
  QMenu* mnuWindow;
  QMenu* MnuHelp;
  QAction* mnuAbout;

 private:
  void buildControls();
  void buildMenus();
  void attachHandlers();
  // Leaving a date field with text in it makes the form resettable.
  void enableResetIfFilled(const QString& text);
};

}  // namespace vantel
