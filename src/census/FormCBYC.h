#pragma once
// The Census birth-year calculator window: one column per census of 1790 to
// 1840, each a check box above a frame of age-range options, the 1790 gender
// buttons, the command buttons, the two explanatory areas at the bottom and the
// form's menus. Its controls are declared in FormCBYC.ui, except the 45
// age-range options, which are built from CensusAgeRanges into the frames the
// file declares; its menus are the table of FormCBYC.cpp, where all its
// handlers are wired. The calculation is left to Blankchks and
// CountCalcDisplay, the printing to CensusPrinting.

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
  // Closing the form hides the Census Information window it opened.
  void unload() override;

  // The calculate request: runs Blankchks and nothing else.
  void CmdCalc_Click();
  // Puts the form back to its empty state: nothing ticked, no frame, the
  // starting texts, no stored result.
  void ReseT();

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
  // One census column: its check box, the frames it opens (1790 has one per
  // gender and opens them through the gender buttons) and its year.
  struct CensusColumn {
    QCheckBox* FormCBYC::*box;
    std::array<QGroupBox * FormCBYC::*, 2> frames;
    int census;
  };
  static const std::array<CensusColumn, census::kCensusCount> kColumns;

  // Builds the age-range options of CensusAgeRanges into their frames.
  void buildAgeRangeOptions();
  void wire();

  // A census box changed: its frame (for 1790 the gender buttons) shows or
  // hides with its options cleared, then CheckTickedYears.
  void Chk_Click(const CensusColumn& column);
  void CmdMaleA_Click();
  void CmdFemaleA_Click();
  // Enables the Edit menu while a census is ticked; resets the form when none is.
  void CheckTickedYears();
  void clearOptions(const QGroupBox* frame);

  void CmdClear_Click();
  void mnuResetForm_Click();
  void CmdPrint_Click();
  void mnuPrint_Click();
  void Command1_Click();
  void mnuCensusInfo_Click();
  void cmdExit_Click();
  void mnuClose_Click();
  void mnuStart_Click();
  void mnuBAD_Click();
  void mnuDOW_Click();
  void mnuExit_Click();
  void mnuAbout_Click();

  std::array<QRadioButton*, census::kAgeRangeCount> options_{};
  QHash<QString, QRadioButton*> optionByName_;
};

}  // namespace vantel
