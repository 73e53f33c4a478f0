#pragma once
// The Census birth-year calculator window: one column per census of 1790 to
// 1840, each a check box above a frame of age-range options, the 1790 gender
// buttons, the command buttons, the two explanatory areas at the bottom and the
// form's menus. The age-range options are built from CensusAgeRanges; the
// calculation itself is left to Blankchks and CountCalcDisplay.

#include <QFrame>
#include <QHash>
#include <array>

#include "census/rules/CensusAgeRanges.h"
#include "forms/Controls.h"
#include "forms/Form.h"

class QAction;
class QMenu;

namespace vantel {

class FormCBYC : public Form {
  Q_OBJECT
 public:
  explicit FormCBYC(Program& program);

  // Form_Load: hides the age-range frames and the gender buttons, clears the
  // 1790 options and enables the View menu.
  void load() override;

  // The calculate request: runs Blankchks and nothing else.
  void CmdCalc_Click();

  // The census check boxes, Chk1790 first.
  std::array<QCheckBox*, census::kCensusCount> censusBoxes() const;
  // The 45 age-range options in the order of CensusAgeRanges.
  const std::array<QRadioButton*, census::kAgeRangeCount>& ageRangeOptions() const {
    return options_;
  }
  // An age-range option by its exact name ("Opt1830_11"); nullptr for any
  // other name.
  QRadioButton* option(const QString& name) const { return optionByName_.value(name); }

  // Census columns.
  QCheckBox* Chk1790 = nullptr;
  QCheckBox* Chk1800 = nullptr;
  QCheckBox* Chk1810 = nullptr;
  QCheckBox* Chk1820 = nullptr;
  QCheckBox* Chk1830 = nullptr;
  QCheckBox* Chk1840 = nullptr;
  QGroupBox* Frame1790M = nullptr;
  QGroupBox* Frame1790F = nullptr;
  QGroupBox* Frame1800 = nullptr;
  QGroupBox* Frame1810 = nullptr;
  QGroupBox* Frame1820 = nullptr;
  QGroupBox* Frame1830 = nullptr;
  QGroupBox* Frame1840 = nullptr;
  QFrame* Line1 = nullptr;

  // 1790 gender controls.
  QPushButton* CmdMaleA = nullptr;
  QPushButton* CmdFemaleA = nullptr;
  QLabel* LbL1790M = nullptr;
  QLabel* LbL1790F = nullptr;
  QLabel* ImageMale = nullptr;
  QLabel* ImageFemale = nullptr;

  // Command buttons and logo.
  QPushButton* CmdCalc = nullptr;
  QPushButton* CmdClear = nullptr;
  QPushButton* CmdPrint = nullptr;
  QPushButton* Command1 = nullptr;
  QPushButton* CmdExit = nullptr;
  QLabel* ImageTamsford = nullptr;

  // Explanatory areas.
  QGroupBox* Frame1 = nullptr;
  QLabel* LblYourYears = nullptr;
  QFrame* Line2 = nullptr;
  QGroupBox* Frame2 = nullptr;
  MultiLineText* TextDisplay = nullptr;

  // Menus and their items.
  QMenu* mnuOpen = nullptr;
  QAction* mnuStart = nullptr;
  QAction* mnuline1 = nullptr;
  QAction* mnuBad = nullptr;
  QAction* mnuCBYC = nullptr;
  QAction* mnuDOW = nullptr;
  QAction* mnuline = nullptr;
  QAction* mnuPrint = nullptr;
  QAction* mnulin2 = nullptr;
  QAction* mnuclose = nullptr;
  QAction* mnuline2 = nullptr;
  QAction* mnuexit = nullptr;
  QMenu* mnuEdit = nullptr;
  QAction* mnuResetForm = nullptr;
  QMenu* mnuView = nullptr;
  QAction* mnuCensusInfo = nullptr;
  QAction* mnuxceninfo = nullptr;
  QMenu* mnuwindow = nullptr;
  QMenu* mnuHelp = nullptr;
  QAction* mnuAbout = nullptr;

 private:
  void buildCensusColumns();
  void buildGenderControls();
  void buildCommandButtons();
  void buildExplanatoryAreas();
  void buildMenus();
  QFrame* addLine(const char* name, int y);

  std::array<QRadioButton*, census::kAgeRangeCount> options_{};
  QHash<QString, QRadioButton*> optionByName_;
};

}  // namespace vantel
