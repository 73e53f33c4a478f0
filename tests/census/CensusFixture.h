#pragma once
// A fresh program for the Census form's tests whose platform also notes what
// the form showed at the moment of each print, and the checks of the form's
// empty state.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <vector>

#include "census/CensusTexts.h"
#include "census/CensusVariables.h"
#include "census/FormCBYC.h"
#include "forms/Colors.h"
#include "forms/Program.h"
#include "support/QStringPrinting.h"
#include "support/ScriptedPlatform.h"

namespace vantel::test {

// The parts of the Census form that a print changes, as shown.
struct PrintedCensusForm {
  QString heading;  // LblYourYears
  bool maleButton, femaleButton, maleChangeTo, femaleChangeTo;

  static PrintedCensusForm of(const FormCBYC& f) {
    return {f.LblYourYears->text(), shown(f.CmdMaleA), shown(f.CmdFemaleA), shown(f.LbL1790M),
            shown(f.LbL1790F)};
  }
  bool operator==(const PrintedCensusForm&) const = default;
};

inline void PrintTo(const PrintedCensusForm& p, std::ostream* out) {
  *out << '"' << p.heading.toStdString() << "\" Male " << p.maleButton << " Female "
       << p.femaleButton << " LbL1790M " << p.maleChangeTo << " LbL1790F " << p.femaleChangeTo;
}

class CensusPlatform : public ScriptedPlatform {
 public:
  void printForm(Form& form) override {
    ScriptedPlatform::printForm(form);
    if (auto* census = qobject_cast<FormCBYC*>(&form))
      printed.push_back(PrintedCensusForm::of(*census));
  }
  std::vector<PrintedCensusForm> printed;
};

class CensusTest : public ::testing::Test {
 public:
  CensusPlatform platform;
  Program program{platform};

  QString& yearsText() { return program.state<CensusVariables>().CensusYearsText; }

  // Shows the form as the active window, so that keys and clicks reach it.
  template <class F>
  F& shownForm() {
    F& f = program.form<F>();
    f.show();
    f.activateWindow();
    [[maybe_unused]] bool active = QTest::qWaitForWindowActive(&f);
    return f;
  }

  // The form as after loading or a reset: nothing ticked, no frame, no
  // gender button, the starting texts in the window-text colour, no result.
  void expectEmptyState(const FormCBYC& f) {
    for (QCheckBox* box : f.censusBoxes())
      EXPECT_EQ(checkValue(box), 0) << box->objectName().toStdString();
    for (QGroupBox* frame : f.findChildren<QGroupBox*>(QRegularExpression("^Frame1[78]")))
      EXPECT_FALSE(shown(frame)) << frame->objectName().toStdString();
    for (QRadioButton* opt : f.ageRangeOptions())
      EXPECT_FALSE(opt->isChecked()) << opt->objectName().toStdString();
    EXPECT_FALSE(shown(f.CmdMaleA));
    EXPECT_FALSE(shown(f.CmdFemaleA));
    EXPECT_TRUE(shown(f.LblYourYears));
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

// A click of the mouse in the middle of a control, or on an option's circle.
inline void click(QWidget* w) {
  const bool option = qobject_cast<QRadioButton*>(w);
  QTest::mouseClick(w, Qt::LeftButton, {},
                    option ? QPoint(8, w->height() / 2) : w->rect().center());
}

}  // namespace vantel::test
