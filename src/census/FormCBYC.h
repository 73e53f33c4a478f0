#pragma once
// The Census birth-year calculator window: one column per census of 1790 to
// 1840, each a check box above a frame of age-range options, the 1790 gender
// buttons, the command buttons, the two explanatory areas at the bottom and the
// form's menus. Its controls are declared in FormCBYC.ui, except the 45
// age-range options, which are built from CensusAgeRanges into the frames the
// file declares; its menus are the table of FormCBYC.cpp, where all its
// handlers are wired. The calculation itself is left to Blankchks and
// CountCalcDisplay.

#include <QAction>
#include <QHash>
#include <QMenu>
#include <array>

#include "census/rules/CensusAgeRanges.h"
#include "forms/Controls.h"
#include "forms/Form.h"
#include "ui_FormCBYC.h"

namespace vantel {

class FormCBYC : public Form, public Ui::FormCBYC {
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

  // Menus and their items, made from the menu table.
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
  // Builds the age-range options of CensusAgeRanges into their frames.
  void buildAgeRangeOptions();
  void wire();

  std::array<QRadioButton*, census::kAgeRangeCount> options_{};
  QHash<QString, QRadioButton*> optionByName_;
};

}  // namespace vantel
