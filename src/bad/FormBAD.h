#pragma once
// The Birth-Age-Death calculator's window: the user picks which of birth date,
// age at death and death date is missing, fills in the other two and has the
// third computed. This class builds the controls and menus and their state
// after loading, and attaches the list-building got-focus handlers of the month,
// day and age boxes; the computation (SetValues, BADcalC), the checks and the
// printing are procedures of their own that read and write these controls.

#include <QAction>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

#include "forms/Controls.h"
#include "forms/Form.h"

namespace vantel {

class FormBAD : public Form {
  Q_OBJECT
 public:
  explicit FormBAD(Program& program);

  // Form_Load: no option selected, every date and result frame hidden, the View
  // menu and the reset button disabled.
  void load() override;

  // The option frame and the three ways of choosing the missing value.
  QGroupBox* FramePick;
  QRadioButton* OptBirth;
  QRadioButton* OptAge;
  QRadioButton* OptDeath;

  // Birth date entry.
  QGroupBox* FrameBirth;
  ComboBox* cmbBMonth;
  ComboBox* cmbBDay;
  TextBox* txtBYear;
  QLabel* Label1;
  QLabel* Label4;
  QLabel* Label9;

  // Age at death entry.
  QGroupBox* FrameAge;
  ComboBox* cmbAMonth;
  ComboBox* cmbADay;
  TextBox* txtAYear;
  QLabel* Label3;
  QLabel* Label5;
  QLabel* Label8;

  // Death date entry.
  QGroupBox* FrameDeath;
  ComboBox* cmbDMonth;
  ComboBox* cmbDDay;
  TextBox* txtDYear;
  QLabel* Label2;
  QLabel* Label6;
  QLabel* Label7;

  // Results, each in the place of the entry frame of its row.
  QGroupBox* FrameBirthDis;
  TextBox* TxTBirthDis;
  QGroupBox* FrameAgeDis;
  TextBox* TxTAgeDis;
  QGroupBox* FrameDeathDis;
  TextBox* TxTDeathDis;

  // Commands.
  QPushButton* CmdCalculate;
  QPushButton* cmdReset;
  QPushButton* CmdPrintForm;
  QPushButton* cmdExit;

  // Instructions and information.
  QGroupBox* Frame1;
  MultiLineText* TextHowto;
  QGroupBox* FrameInfo;
  MultiLineText* TextAbout;
  QLabel* ImageTamsford;
  QFrame* Line1;
  QFrame* Line2;

  // Menus and their items.
  QMenu* mnuopen;
  QAction* mnuStart;
  QAction* mnuline3;
  QAction* mnuCBYC;
  QAction* mnuCBYC2;
  QAction* mnuDOW;
  QAction* mnuline1;
  QAction* mnuPrint;
  QAction* mnuline2;
  QAction* mnuClose;
  QAction* mnuline;
  QAction* mnuExit;
  QMenu* mnuEdit;
  QAction* mnuReset;
  QMenu* mnuView;
  QMenu* mnuWindow;
  QMenu* mnuHelp;
  QAction* mnuAbout;

 private:
  void buildEntryFrames();
  void buildResultFrames();
  void buildCommandsAndTexts();
  void buildMenus();
  void attachListHandlers();

  QGroupBox* frame(const char* name, const QString& caption, QWidget* parent, QRect place);
  ComboBox* comboBox(const char* name, QWidget* parent, bool editable, const QString& tooltip,
                     QRect place);
  TextBox* textBox(const char* name, QWidget* parent, int maxLength, const QString& tooltip,
                   QRect place);
  TextBox* resultBox(const char* name, QWidget* parent, QRect place);
  QLabel* fieldLabel(const char* name, QWidget* parent, const QString& caption, QRect place);
  QPushButton* command(const char* name, const QString& caption, const QString& tooltip, int y);
  QFrame* line(const char* name, int y, int x1, int x2);
};

}  // namespace vantel
