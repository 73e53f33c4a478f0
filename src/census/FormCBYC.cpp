#include "census/FormCBYC.h"

#include <cstdint>

#include "census/Blankchks.h"
#include "census/CensusPrinting.h"
#include "census/CensusTexts.h"
#include "census/CensusVariables.h"
#include "forms/Colors.h"
#include "forms/Program.h"
#include "resources/Artwork.h"

namespace vantel {

const std::array<FormCBYC::CensusColumn, census::kCensusCount> FormCBYC::kColumns{{
    {&FormCBYC::Chk1790, {&FormCBYC::Frame1790M, &FormCBYC::Frame1790F}, 1790},
    {&FormCBYC::Chk1800, {&FormCBYC::Frame1800, nullptr}, 1800},
    {&FormCBYC::Chk1810, {&FormCBYC::Frame1810, nullptr}, 1810},
    {&FormCBYC::Chk1820, {&FormCBYC::Frame1820, nullptr}, 1820},
    {&FormCBYC::Chk1830, {&FormCBYC::Frame1830, nullptr}, 1830},
    {&FormCBYC::Chk1840, {&FormCBYC::Frame1840, nullptr}, 1840},
}};

namespace {

// Where the options stand in their frames: one below the other, in the order
// of their numbers.
constexpr int kOptionLeft = 6;
constexpr int kOptionTop = 18;
constexpr int kOptionStep = 20;
constexpr int kOptionHeight = 17;

const QString kChooseGender =
    QStringLiteral("Select the gender of your ancestor from the 1790 Census.");
const QString kChooseRange = QStringLiteral(
    "Select the age range in which your ancestor appears, then select the calculate button.");
const QString kAllFemales =
    QStringLiteral("In the 1890 census all females appear in the same age range.");

}  // namespace

FormCBYC::FormCBYC(Program& program)
    : Form(program, QStringLiteral("FormCBYC"), QStringLiteral("Census Birth Year Calculator")) {
  setupUi(this);
  adoptControls();
  buildAgeRangeOptions();
  // The form keeps the window background: a frame painted in the button colour
  // would make its labels paint in the button-text colour, and the result
  // caption must show in its own dark blue.
  setWindowIcon(artwork::programIcon());
  ImageTamsford->setPixmap(artwork::logo(QSize(105, 63)));
  ImageMale->setPixmap(artwork::picture(QStringLiteral("portrait-male.svg"), QSize(87, 150)));
  ImageFemale->setPixmap(artwork::picture(QStringLiteral("portrait-female.svg"), QSize(87, 150)));
  setDefaultButton(CmdCalc);

  using namespace menu;
  buildMenus<FormCBYC>({
      bar(&FormCBYC::mnuOpen, "mnuOpen", "Open"),
      item(&FormCBYC::mnuStart, "mnuStart", "Getting Started", "Ctrl+G", &FormCBYC::mnuStart_Click),
      line(&FormCBYC::mnuline1, "mnuline1"),
      item(&FormCBYC::mnuBad, "mnuBad", "Age-Birth-Death Date Calculator", "Ctrl+A",
           &FormCBYC::mnuBAD_Click),
      item(&FormCBYC::mnuCBYC, "mnuCBYC", "Census Birth Year Calculator", "Ctrl+C", inert, Checked),
      item(&FormCBYC::mnuDOW, "mnuDOW", "Day of the Week Calculator", "Ctrl+D",
           &FormCBYC::mnuDOW_Click),
      line(&FormCBYC::mnuline, "mnuline"),
      item(&FormCBYC::mnuPrint, "mnuPrint", "Print Results", "Ctrl+P", &FormCBYC::mnuPrint_Click,
           Disabled),
      line(&FormCBYC::mnulin2, "mnulin2"),
      item(&FormCBYC::mnuclose, "mnuclose", "Close", "Ctrl+L", &FormCBYC::mnuClose_Click),
      line(&FormCBYC::mnuline2, "mnuline2"),
      // Exit ends the program at once; Close closes this form only.
      item(&FormCBYC::mnuexit, "mnuexit", "Exit", "Ctrl+X", &FormCBYC::mnuExit_Click),
      bar(&FormCBYC::mnuEdit, "mnuEdit", "Edit", Disabled),
      item(&FormCBYC::mnuResetForm, "mnuResetForm", "Reset Form", "Ctrl+R",
           &FormCBYC::mnuResetForm_Click),
      bar(&FormCBYC::mnuView, "mnuView", "&View", Disabled),  // until the form has loaded
      item(&FormCBYC::mnuCensusInfo, "mnuCensusInfo", "Census Information", "Ctrl+I",
           &FormCBYC::mnuCensusInfo_Click),
      item(&FormCBYC::mnuxceninfo, "mnuxceninfo", "Exit Census Information", nullptr, inert,
           Disabled | Hidden),
      windows(&FormCBYC::mnuwindow, "mnuwindow", "&Window"),
      bar(&FormCBYC::mnuHelp, "mnuHelp", "&Help"),
      item(&FormCBYC::mnuAbout, "mnuAbout", "&About Tamsford Genealogy Calculator", nullptr,
           &FormCBYC::mnuAbout_Click),
  });
  wire();
}

void FormCBYC::buildAgeRangeOptions() {
  // Each option goes below the previous one of its frame, in table order, and
  // follows the census boxes in the tab order. Its name for screen readers
  // says which census it belongs to.
  QHash<QGroupBox*, int> placed;
  QWidget* before = Chk1840;
  for (std::size_t k = 0; k < census::kAgeRangeCount; ++k) {
    const census::AgeRange& range = census::CensusAgeRanges[k];
    auto* frame = findChild<QGroupBox*>(QLatin1String(range.frame));
    const int row = placed[frame]++;
    auto* opt = add<OptionButton>(range.option, frame);
    opt->setText(QString::fromLatin1(range.caption));
    opt->setAccessibleName(QStringLiteral("%1, %2").arg(opt->text(), frame->accessibleName()));
    opt->setGeometry(kOptionLeft, kOptionTop + row * kOptionStep, frame->width() - 8,
                     kOptionHeight);
    setTabOrder(before, opt);
    before = opt;
    options_[k] = opt;
    optionByName_.insert(QString::fromLatin1(range.option), opt);
  }
}

void FormCBYC::wire() {
  for (const CensusColumn& column : kColumns)
    onClick(this->*column.box, [this, &column] { Chk_Click(column); });
  onClick(CmdMaleA, [this] { CmdMaleA_Click(); });
  onClick(CmdFemaleA, [this] { CmdFemaleA_Click(); });

  onClick(CmdCalc, [this] { CmdCalc_Click(); });
  onClick(CmdClear, [this] { CmdClear_Click(); });
  onClick(CmdPrint, [this] { CmdPrint_Click(); });
  onClick(Command1, [this] { Command1_Click(); });
  onClick(CmdExit, [this] { cmdExit_Click(); });
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

void FormCBYC::unload() {
  if (Form* info = program().existing(Window::CensusInfo)) program().hide(*info);
}

void FormCBYC::Chk_Click(const CensusColumn& column) {
  const bool ticked = checkValue(this->*column.box) == 1;
  const bool gender = column.census == 1790;
  if (ticked) {
    // 1790 asks for the gender first; its frames stay as they are.
    if (gender) {
      CmdMaleA->show();
      CmdFemaleA->show();
    } else {
      (this->*column.frames[0])->show();
    }
    LblYourYears->setText(gender ? kChooseGender : kChooseRange);
  } else {
    if (gender) {
      CmdMaleA->hide();
      CmdFemaleA->hide();
    }
    for (QGroupBox* FormCBYC::*member : column.frames) {
      if (!member) continue;
      (this->*member)->hide();
      clearOptions(this->*member);
    }
  }
  CheckTickedYears();
}

void FormCBYC::CmdMaleA_Click() {
  Frame1790M->show();
  CmdMaleA->hide();
  CmdFemaleA->show();
  LbL1790M->show();
  Frame1790F->hide();
  clearOptions(Frame1790F);
  LblYourYears->setText(kChooseRange);
}

void FormCBYC::CmdFemaleA_Click() {
  Frame1790F->show();
  CmdFemaleA->hide();
  CmdMaleA->show();
  LbL1790F->show();
  Frame1790M->hide();
  clearOptions(Frame1790M);
  setOptionValue(option(QStringLiteral("Opt1790F_1")), true);
  LblYourYears->setText(kAllFemales);
}

void FormCBYC::clearOptions(const QGroupBox* frame) {
  for (QRadioButton* opt : options_)
    if (opt->parentWidget() == frame) setOptionValue(opt, false);
}

void FormCBYC::CheckTickedYears() {
  std::int16_t ticked = 0;
  for (QCheckBox* box : censusBoxes())
    if (checkValue(box) == 1) ++ticked;
  if (ticked > 0)
    mnuEdit->menuAction()->setEnabled(true);
  else
    ReseT();
}

void FormCBYC::ReseT() {
  // Unticking a box runs its click handler, which clears its frame and may
  // come back here through CheckTickedYears once the last box is unticked;
  // the steps below then simply run twice.
  for (QCheckBox* box : censusBoxes()) setCheckValue(box, 0);
  for (const CensusColumn& column : kColumns)
    for (QGroupBox* FormCBYC::*member : column.frames)
      if (member) {
        (this->*member)->hide();
        clearOptions(this->*member);
      }
  CmdMaleA->hide();
  CmdFemaleA->hide();
  LblYourYears->show();
  Frame1->setTitle(QStringLiteral("Instructions"));
  Frame2->setTitle(QStringLiteral("Information"));
  setForeColor(LblYourYears, colors::windowText());
  LblYourYears->setText(census::text::chooseCensusYears);
  TextDisplay->setText(census::text::introduction);
  setForeColor(TextDisplay, colors::windowText());
  mnuEdit->menuAction()->setEnabled(false);
  program().state<CensusVariables>().CensusYearsText.clear();
}

void FormCBYC::CmdCalc_Click() { Blankchks(*this); }
void FormCBYC::CmdClear_Click() { ReseT(); }
void FormCBYC::mnuResetForm_Click() { ReseT(); }
void FormCBYC::CmdPrint_Click() { census::printResults(*this, census::PrintCommand::Button); }
void FormCBYC::mnuPrint_Click() { census::printResults(*this, census::PrintCommand::Menu); }
void FormCBYC::Command1_Click() { program().open(Window::CensusInfo); }
void FormCBYC::mnuCensusInfo_Click() { program().open(Window::CensusInfo); }
// The Census Information window is hidden by unload().
void FormCBYC::cmdExit_Click() { program().close(*this); }
void FormCBYC::mnuClose_Click() { program().close(*this); }
void FormCBYC::mnuStart_Click() { program().open(Window::Begin, Front); }
void FormCBYC::mnuBAD_Click() { program().open(Window::BirthAgeDeath, Front); }
void FormCBYC::mnuDOW_Click() { program().open(Window::DayOfWeek, Front); }
void FormCBYC::mnuExit_Click() { program().end(); }
void FormCBYC::mnuAbout_Click() { program().open(Window::About); }

std::array<QCheckBox*, census::kCensusCount> FormCBYC::censusBoxes() const {
  return {Chk1790, Chk1800, Chk1810, Chk1820, Chk1830, Chk1840};
}

}  // namespace vantel
