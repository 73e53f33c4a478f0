#include "census/FormCBYC.h"

#include <QAction>
#include <QFont>
#include <QKeySequence>
#include <QMenu>
#include <QPalette>
#include <type_traits>

#include "census/Blankchks.h"
#include "census/CensusTexts.h"
#include "forms/Colors.h"
#include "resources/Artwork.h"

namespace vantel {

namespace {

using census::kCensusCount;

// One census column: its check box and where the column stands.
struct CensusColumn {
  QCheckBox* FormCBYC::*box;
  const char* name;
  const char* caption;
  int x;
};

constexpr std::array<CensusColumn, kCensusCount> kColumns{{
    {&FormCBYC::Chk1790, "Chk1790", "17&90 Census", 5},
    {&FormCBYC::Chk1800, "Chk1800", "18&00 Census", 100},
    {&FormCBYC::Chk1810, "Chk1810", "18&10 Census", 201},
    {&FormCBYC::Chk1820, "Chk1820", "18&20 Census", 301},
    {&FormCBYC::Chk1830, "Chk1830", "18&30 Census", 400},
    {&FormCBYC::Chk1840, "Chk1840", "18&40 Census", 500},
}};

// One age-range frame and the census column it stands in.
struct RangeFrame {
  QGroupBox* FormCBYC::*frame;
  const char* name;
  const char* tooltip;
  int census;
};

constexpr std::array<RangeFrame, 7> kFrames{{
    {&FormCBYC::Frame1790M, "Frame1790M", nullptr, 1790},
    {&FormCBYC::Frame1790F, "Frame1790F", "Age range for the 1790 Census.", 1790},
    {&FormCBYC::Frame1800, "Frame1800", "Age range for the 1800 Census.", 1800},
    {&FormCBYC::Frame1810, "Frame1810", "Age range for the 1810 Census.", 1810},
    {&FormCBYC::Frame1820, "Frame1820", "Age range for the 1820 Census.", 1820},
    {&FormCBYC::Frame1830, "Frame1830", "Age range for the 1830 Census.", 1830},
    {&FormCBYC::Frame1840, "Frame1840", "Age range for the 1840 Census.", 1840},
}};

// Geometry in pixels.
constexpr int kFrameTop = 35;
constexpr int kFrameWidth = 95;
constexpr int kFrameHeight = 283;
constexpr int kOptionTop = 18;
constexpr int kOptionStep = 20;
constexpr int kButtonX = 608;
constexpr int kGenderButtonX = 9;
constexpr int kMaleButtonY = 117;
constexpr int kFemaleButtonY = 137;

// The text TextDisplay shows when the form opens: six lines, the first five
// ending in a blank.
const QString kStartingText = QStringLiteral(
    "Unlike later census years that listed all members of the household and the age at the time "
    "of \r\n"
    "the census, the 1790 - 1840 census only list the head of the household and the number of \r\n"
    "persons who fell into certain age ranges.  If you are able to make an educated guess as to "
    "\r\n"
    "which age categories an ancestor belonged to in one or more census years, this calculator "
    "\r\n"
    "will combine the years and return the only possible years in which the person could have "
    "\r\n"
    "been born.\r\n");

// Captions: a frame's title, a button's, box's or label's text.
template <class W>
W* withCaption(W* control, const QString& caption) {
  if constexpr (std::is_base_of_v<QGroupBox, W>)
    control->setTitle(caption);
  else
    control->setText(caption);
  return control;
}

}  // namespace

FormCBYC::FormCBYC(Program& program)
    : Form(program, QStringLiteral("FormCBYC"), QStringLiteral("Census Birth Year Calculator")) {
  setFixedSize(708, 509);
  // Created in tab order: the calculate button comes first.
  buildCommandButtons();
  buildCensusColumns();
  buildGenderControls();
  buildExplanatoryAreas();
  buildMenus();
  setDefaultButton(CmdCalc);
  onClick(CmdCalc, [this] { CmdCalc_Click(); });
}

void FormCBYC::buildCommandButtons() {
  struct Command {
    QPushButton* FormCBYC::*button;
    const char* name;
    const char* caption;
    const char* tooltip;
    int y;
  };
  static constexpr std::array<Command, 5> kCommands{{
      {&FormCBYC::CmdCalc, "CmdCalc", "&Calculate Birth Years",
       "Calculate the possible birth years.", 76},
      {&FormCBYC::CmdClear, "CmdClear", "&Reset Form", "Reset the form.", 125},
      {&FormCBYC::CmdPrint, "CmdPrint", "&Print Results", "Print Results.", 172},
      {&FormCBYC::Command1, "Command1", "Census &Information", nullptr, 220},
      {&FormCBYC::CmdExit, "CmdExit", "E&xit Form", "Close this Calculator.", 267},
  }};
  for (const Command& c : kCommands) {
    QPushButton* b =
        withCaption(add<CommandButton>(c.name, nullptr), QString::fromLatin1(c.caption));
    if (c.tooltip) b->setToolTip(QString::fromLatin1(c.tooltip));
    b->setGeometry(kButtonX, c.y, 89, 35);
    this->*c.button = b;
  }
  // The logo's picture comes with the program's resources.
  ImageTamsford = add<QLabel>("ImageTamsford", nullptr);
  ImageTamsford->setScaledContents(true);
  ImageTamsford->setGeometry(600, 5, 105, 63);
  ImageTamsford->setPixmap(artwork::logo(QSize(105, 63)));
}

void FormCBYC::buildCensusColumns() {
  QFont bold = font();
  bold.setBold(true);
  for (const CensusColumn& column : kColumns) {
    QCheckBox* box =
        withCaption(add<QCheckBox>(column.name, nullptr), QString::fromLatin1(column.caption));
    box->setFont(bold);
    box->setGeometry(column.x, 5, 95, 17);
    this->*column.box = box;
  }
  Line1 = addLine("Line1", 25);

  QHash<QString, QGroupBox*> frameByName;
  for (const RangeFrame& f : kFrames) {
    QGroupBox* frame = withCaption(add<QGroupBox>(f.name, nullptr), QStringLiteral("Age Range"));
    if (f.tooltip) frame->setToolTip(QString::fromLatin1(f.tooltip));
    frame->setGeometry(kColumns[census::censusIndex(f.census)].x, kFrameTop, kFrameWidth,
                       kFrameHeight);
    frameByName.insert(QString::fromLatin1(f.name), frame);
    this->*f.frame = frame;
  }

  // Each option goes below the previous one of its frame, in table order.
  QHash<QGroupBox*, int> placed;
  for (std::size_t k = 0; k < census::kAgeRangeCount; ++k) {
    const census::AgeRange& range = census::CensusAgeRanges[k];
    QGroupBox* frame = frameByName.value(QString::fromLatin1(range.frame));
    const int row = placed[frame]++;
    QRadioButton* opt =
        withCaption(add<QRadioButton>(range.option, frame), QString::fromLatin1(range.caption));
    opt->setGeometry(6, kOptionTop + row * kOptionStep, kFrameWidth - 8, 17);
    options_[k] = opt;
    optionByName_.insert(QString::fromLatin1(range.option), opt);
  }
}

void FormCBYC::buildGenderControls() {
  // "Change to:" sits in each 1790 frame just above the place of the button
  // that switches to the other gender.
  auto changeTo = [this](const char* name, QGroupBox* frame, int buttonY) {
    QLabel* label = withCaption(add<QLabel>(name, frame), QStringLiteral("Change to:"));
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(4, buttonY - kFrameTop - 17, kFrameWidth - 8, 15);
    return label;
  };
  LbL1790M = changeTo("LbL1790M", Frame1790M, kFemaleButtonY);
  LbL1790F = changeTo("LbL1790F", Frame1790F, kMaleButtonY);

  // Example ancestors, in the lower part of each 1790 frame; the portraits come
  // with the program's resources.
  auto portrait = [this](const char* name, QGroupBox* frame, const char* tooltip) {
    QLabel* image = add<QLabel>(name, frame);
    image->setScaledContents(true);
    image->setToolTip(QString::fromLatin1(tooltip));
    image->setGeometry(4, kFrameHeight - 150 - 6, 87, 150);
    return image;
  };
  ImageMale = portrait("ImageMale", Frame1790M, "Ezekiel Hartwell Pruett 1771 - 1846");
  ImageFemale = portrait("ImageFemale", Frame1790F, "Temperance Ashby Pruett 1779 - 1852");

  // The gender buttons belong to the form and are drawn above the 1790 frames.
  CmdMaleA = withCaption(add<CommandButton>("CmdMaleA", nullptr), QStringLiteral("&Male Ancestor"));
  CmdMaleA->setToolTip(QStringLiteral("Choose a male Ancestor."));
  CmdMaleA->setGeometry(kGenderButtonX, kMaleButtonY, 88, 17);
  CmdFemaleA =
      withCaption(add<CommandButton>("CmdFemaleA", nullptr), QStringLiteral("&Female Ancestor"));
  CmdFemaleA->setToolTip(QStringLiteral("Choose a female Ancestor."));
  CmdFemaleA->setGeometry(kGenderButtonX, kFemaleButtonY, 88, 17);
  CmdMaleA->raise();
  CmdFemaleA->raise();
  CmdMaleA->hide();
  CmdFemaleA->hide();
}

void FormCBYC::buildExplanatoryAreas() {
  Frame1 = withCaption(add<QGroupBox>("Frame1", nullptr), QStringLiteral("Intructions"));
  Frame1->setGeometry(5, 320, 586, 41);
  LblYourYears = withCaption(add<QLabel>("LblYourYears", Frame1), census::text::chooseCensusYears);
  LblYourYears->setGeometry(8, 17, 570, 17);

  Line2 = addLine("Line2", 367);

  Frame2 = withCaption(add<QGroupBox>("Frame2", nullptr), QStringLiteral("Information"));
  Frame2->setGeometry(5, 373, 586, 117);
  TextDisplay = add<MultiLineText>("TextDisplay", Frame2);
  TextDisplay->setGeometry(20, 15, 546, 97);
  TextDisplay->setText(kStartingText);
}

QFrame* FormCBYC::addLine(const char* name, int y) {
  QFrame* line = add<QFrame>(name, nullptr);
  line->setFrameShape(QFrame::NoFrame);
  line->setAutoFillBackground(true);
  QPalette p = line->palette();
  p.setColor(QPalette::Window, colors::navy());
  line->setPalette(p);
  line->setGeometry(5, y, 588, 2);
  return line;
}

void FormCBYC::buildMenus() {
  struct Item {
    QAction* FormCBYC::*member;
    const char* name;
    const char* caption;  // nullptr: a separator
    const char* shortcut;
  };
  auto fill = [this](QMenu* menu, std::initializer_list<Item> items) {
    for (const Item& i : items) {
      QAction* a = i.caption ? addItem(menu, i.name, QString::fromLatin1(i.caption))
                             : addSeparator(menu, i.name);
      if (i.shortcut) a->setShortcut(QKeySequence(QString::fromLatin1(i.shortcut)));
      this->*i.member = a;
    }
  };

  mnuOpen = addMenu("mnuOpen", QStringLiteral("Open"));
  fill(mnuOpen, {
                    {&FormCBYC::mnuStart, "mnuStart", "Getting Started", "Ctrl+G"},
                    {&FormCBYC::mnuline1, "mnuline1", nullptr, nullptr},
                    {&FormCBYC::mnuBad, "mnuBad", "Age-Birth-Death Date Calculator", "Ctrl+A"},
                    {&FormCBYC::mnuCBYC, "mnuCBYC", "Census Birth Year Calculator", "Ctrl+C"},
                    {&FormCBYC::mnuDOW, "mnuDOW", "Day of the Week Calculator", "Ctrl+D"},
                    {&FormCBYC::mnuline, "mnuline", nullptr, nullptr},
                    {&FormCBYC::mnuPrint, "mnuPrint", "Print Results", "Ctrl+P"},
                    {&FormCBYC::mnulin2, "mnulin2", nullptr, nullptr},
                    {&FormCBYC::mnuclose, "mnuclose", "Close", "Ctrl+L"},
                    {&FormCBYC::mnuline2, "mnuline2", nullptr, nullptr},
                    {&FormCBYC::mnuexit, "mnuexit", "Exit", "Ctrl+X"},
                });
  mnuCBYC->setCheckable(true);
  mnuCBYC->setChecked(true);
  mnuPrint->setEnabled(false);

  mnuEdit = addMenu("mnuEdit", QStringLiteral("Edit"));
  fill(mnuEdit, {{&FormCBYC::mnuResetForm, "mnuResetForm", "Reset Form", "Ctrl+R"}});
  mnuEdit->menuAction()->setEnabled(false);

  mnuView = addMenu("mnuView", QStringLiteral("&View"));
  fill(mnuView, {
                    {&FormCBYC::mnuCensusInfo, "mnuCensusInfo", "Census Information", "Ctrl+I"},
                    {&FormCBYC::mnuxceninfo, "mnuxceninfo", "Exit Census Information", nullptr},
                });
  mnuxceninfo->setVisible(false);
  mnuxceninfo->setEnabled(false);
  mnuView->menuAction()->setEnabled(false);  // until the form has loaded

  mnuwindow = addMenu("mnuwindow", QStringLiteral("&Window"));
  mnuHelp = addMenu("mnuHelp", QStringLiteral("&Help"));
  fill(mnuHelp,
       {{&FormCBYC::mnuAbout, "mnuAbout", "&About Tamsford Genealogy Calculator", nullptr}});
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
  std::array<QCheckBox*, kCensusCount> boxes{};
  for (std::size_t c = 0; c < kCensusCount; ++c) boxes[c] = this->*kColumns[c].box;
  return boxes;
}

}  // namespace vantel
