#pragma once
// The Census form's tests: what the form showed at the moment of each print,
// and the checks of the form's empty state.

#include <gtest/gtest.h>

#include <vector>

#include "census/CensusTexts.h"
#include "census/CensusVariables.h"
#include "census/FormCBYC.h"
#include "forms/Colors.h"
#include "support/ProgramFixture.h"

namespace vantel::test {

// The parts of the Census form that a print changes, as shown.
struct PrintedCensusForm {
  QString heading;  // LblYourYears
  bool maleButton, femaleButton, maleChangeTo, femaleChangeTo;

  static PrintedCensusForm of(const FormCBYC& f) {
    return {f.LblYourYears->text(), vantel::shown(f.CmdMaleA), vantel::shown(f.CmdFemaleA),
            vantel::shown(f.LbL1790M), vantel::shown(f.LbL1790F)};
  }
  bool operator==(const PrintedCensusForm&) const = default;
};

inline void PrintTo(const PrintedCensusForm& p, std::ostream* out) {
  *out << '"' << p.heading.toStdString() << "\" Male " << p.maleButton << " Female "
       << p.femaleButton << " LbL1790M " << p.maleChangeTo << " LbL1790F " << p.femaleChangeTo;
}

class CensusTest : public ProgramTest {
 public:
  // The Census form as shown at the moment of each print.
  std::vector<PrintedCensusForm> printed;

  CensusTest() {
    platform.whilePrinting = [this](Form& form) {
      if (auto* census = qobject_cast<FormCBYC*>(&form))
        printed.push_back(PrintedCensusForm::of(*census));
    };
  }

  QString& yearsText() { return program.state<CensusVariables>().CensusYearsText; }

  // The form as after loading or a reset: nothing ticked, no frame, no
  // gender button, the starting texts in the window-text colour, no result.
  void expectEmptyState(const FormCBYC& f) {
    for (QCheckBox* box : f.censusBoxes())
      EXPECT_EQ(checkValue(box), 0) << box->objectName().toStdString();
    for (QGroupBox* frame : f.findChildren<QGroupBox*>(QRegularExpression("^Frame1[78]")))
      EXPECT_FALSE(vantel::shown(frame)) << frame->objectName().toStdString();
    for (QRadioButton* opt : f.ageRangeOptions())
      EXPECT_FALSE(opt->isChecked()) << opt->objectName().toStdString();
    EXPECT_FALSE(vantel::shown(f.CmdMaleA));
    EXPECT_FALSE(vantel::shown(f.CmdFemaleA));
    EXPECT_TRUE(vantel::shown(f.LblYourYears));
    EXPECT_EQ(f.LblYourYears->text(), census::text::chooseCensusYears);
    EXPECT_EQ(foreColor(f.LblYourYears), colors::windowText());
    EXPECT_EQ(f.Frame1->title(), "Instructions");
    EXPECT_EQ(f.Frame2->title(), "Information");
    EXPECT_EQ(f.TextDisplay->text(), census::text::introduction);
    EXPECT_EQ(foreColor(f.TextDisplay), colors::windowText());
    EXPECT_FALSE(f.mnuEdit->menuAction()->isEnabled());
    EXPECT_TRUE(yearsText().isEmpty());
  }
};

}  // namespace vantel::test
