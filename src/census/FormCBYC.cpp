#include "census/FormCBYC.h"

#include "census/Blankchks.h"
#include "resources/Artwork.h"

namespace vantel {

namespace {

// Where the options stand in their frames: one below the other, in the order
// of their numbers.
constexpr int kOptionLeft = 6;
constexpr int kOptionTop = 18;
constexpr int kOptionStep = 20;
constexpr int kOptionHeight = 17;

}  // namespace

FormCBYC::FormCBYC(Program& program)
    : Form(program, QStringLiteral("FormCBYC"), QStringLiteral("Census Birth Year Calculator")) {
  setupUi(this);
  adoptControls();
  buildAgeRangeOptions();
  ImageTamsford->setPixmap(artwork::logo(QSize(105, 63)));
  setDefaultButton(CmdCalc);

  using namespace menu;
  buildMenus<FormCBYC>({
      bar(&FormCBYC::mnuOpen, "mnuOpen", "Open"),
      item(&FormCBYC::mnuStart, "mnuStart", "Getting Started", "Ctrl+G", inert),
      line(&FormCBYC::mnuline1, "mnuline1"),
      item(&FormCBYC::mnuBad, "mnuBad", "Age-Birth-Death Date Calculator", "Ctrl+A", inert),
      item(&FormCBYC::mnuCBYC, "mnuCBYC", "Census Birth Year Calculator", "Ctrl+C", inert, Checked),
      item(&FormCBYC::mnuDOW, "mnuDOW", "Day of the Week Calculator", "Ctrl+D", inert),
      line(&FormCBYC::mnuline, "mnuline"),
      item(&FormCBYC::mnuPrint, "mnuPrint", "Print Results", "Ctrl+P", inert, Disabled),
      line(&FormCBYC::mnulin2, "mnulin2"),
      item(&FormCBYC::mnuclose, "mnuclose", "Close", "Ctrl+L", inert),
      line(&FormCBYC::mnuline2, "mnuline2"),
      item(&FormCBYC::mnuexit, "mnuexit", "Exit", "Ctrl+X", inert),
      bar(&FormCBYC::mnuEdit, "mnuEdit", "Edit", Disabled),
      item(&FormCBYC::mnuResetForm, "mnuResetForm", "Reset Form", "Ctrl+R", inert),
      bar(&FormCBYC::mnuView, "mnuView", "&View", Disabled),  // until the form has loaded
      item(&FormCBYC::mnuCensusInfo, "mnuCensusInfo", "Census Information", "Ctrl+I", inert),
      item(&FormCBYC::mnuxceninfo, "mnuxceninfo", "Exit Census Information", nullptr, inert,
           Disabled | Hidden),
      windows(&FormCBYC::mnuwindow, "mnuwindow", "&Window"),
      bar(&FormCBYC::mnuHelp, "mnuHelp", "&Help"),
      item(&FormCBYC::mnuAbout, "mnuAbout", "&About Tamsford Genealogy Calculator", nullptr, inert),
  });
  wire();
}

void FormCBYC::buildAgeRangeOptions() {
  // Each option goes below the previous one of its frame, in table order, and
  // follows the census boxes in the tab order.
  QHash<QGroupBox*, int> placed;
  QWidget* before = Chk1840;
  for (std::size_t k = 0; k < census::kAgeRangeCount; ++k) {
    const census::AgeRange& range = census::CensusAgeRanges[k];
    auto* frame = findChild<QGroupBox*>(QLatin1String(range.frame));
    const int row = placed[frame]++;
    auto* opt = add<OptionButton>(range.option, frame);
    opt->setText(QString::fromLatin1(range.caption));
    opt->setGeometry(kOptionLeft, kOptionTop + row * kOptionStep, frame->width() - 8,
                     kOptionHeight);
    setTabOrder(before, opt);
    before = opt;
    options_[k] = opt;
    optionByName_.insert(QString::fromLatin1(range.option), opt);
  }
}

void FormCBYC::wire() {
  onClick(CmdCalc, [this] { CmdCalc_Click(); });
  for (QAbstractButton* notYet : {CmdClear, CmdPrint, Command1, CmdExit, CmdMaleA, CmdFemaleA})
    markInert(notYet);
}

void FormCBYC::load() {
  Frame1790M->hide();
  setOptionValue(option(QStringLiteral("Opt1790M_1")), false);
  setOptionValue(option(QStringLiteral("Opt1790M_2")), false);
  Frame1790F->hide();
  setOptionValue(option(QStringLiteral("Opt1790F_1")), false);
  CmdMaleA->hide();
  CmdFemaleA->hide();
  for (QGroupBox* frame : {Frame1800, Frame1810, Frame1820, Frame1830, Frame1840}) frame->hide();
  mnuView->menuAction()->setEnabled(true);
}

void FormCBYC::CmdCalc_Click() { Blankchks(program()); }

std::array<QCheckBox*, census::kCensusCount> FormCBYC::censusBoxes() const {
  return {Chk1790, Chk1800, Chk1810, Chk1820, Chk1830, Chk1840};
}

}  // namespace vantel
