// The Census form as it stands after loading: its controls by name with their
// captions, tooltips and places, the age-range groups, and the starting state.

#include <QAction>
#include <QMenu>
#include <QRegularExpression>

#include "CensusFormDriver.h"
#include "census/FormCBYC.h"
#include "support/ProgramFixture.h"

namespace vantel::test {
namespace {

QString captionOf(const QWidget* w) {
  if (auto* b = qobject_cast<const QAbstractButton*>(w)) return b->text();
  if (auto* l = qobject_cast<const QLabel*>(w)) return l->text();
  if (auto* g = qobject_cast<const QGroupBox*>(w)) return g->title();
  return {};
}

struct ControlCase {
  const char* name;
  const char* kind;
  const char* parent;  // nullptr: the form itself
  QString caption;
  QString tooltip;
  bool shownAfterLoad;
};

const QString kRangeTip = QStringLiteral("Age range for the %1 Census.");

const std::vector<ControlCase> kControls = {
    {"CmdCalc", "vantel::CommandButton", nullptr, "&Calculate Birth Years",
     "Calculate the possible birth years.", true},
    {"CmdClear", "vantel::CommandButton", nullptr, "&Reset Form", "Reset the form.", true},
    {"CmdPrint", "vantel::CommandButton", nullptr, "&Print Results", "Print Results.", true},
    {"Command1", "vantel::CommandButton", nullptr, "Census &Information", "", true},
    {"CmdExit", "vantel::CommandButton", nullptr, "E&xit Form", "Close this Calculator.", true},
    {"Chk1790", "QCheckBox", nullptr, "17&90 Census", "", true},
    {"Chk1800", "QCheckBox", nullptr, "18&00 Census", "", true},
    {"Chk1810", "QCheckBox", nullptr, "18&10 Census", "", true},
    {"Chk1820", "QCheckBox", nullptr, "18&20 Census", "", true},
    {"Chk1830", "QCheckBox", nullptr, "18&30 Census", "", true},
    {"Chk1840", "QCheckBox", nullptr, "18&40 Census", "", true},
    {"Frame1790M", "QGroupBox", nullptr, "Age Range", "", false},
    {"Frame1790F", "QGroupBox", nullptr, "Age Range", kRangeTip.arg(1790), false},
    {"Frame1800", "QGroupBox", nullptr, "Age Range", kRangeTip.arg(1800), false},
    {"Frame1810", "QGroupBox", nullptr, "Age Range", kRangeTip.arg(1810), false},
    {"Frame1820", "QGroupBox", nullptr, "Age Range", kRangeTip.arg(1820), false},
    {"Frame1830", "QGroupBox", nullptr, "Age Range", kRangeTip.arg(1830), false},
    {"Frame1840", "QGroupBox", nullptr, "Age Range", kRangeTip.arg(1840), false},
    {"CmdMaleA", "vantel::CommandButton", nullptr, "&Male Ancestor", "Choose a male Ancestor.",
     false},
    {"CmdFemaleA", "vantel::CommandButton", nullptr, "&Female Ancestor",
     "Choose a female Ancestor.", false},
    {"LbL1790M", "QLabel", "Frame1790M", "Change to:", "", true},
    {"LbL1790F", "QLabel", "Frame1790F", "Change to:", "", true},
    {"ImageMale", "QLabel", "Frame1790M", "", "", true},
    {"ImageFemale", "QLabel", "Frame1790F", "", "", true},
    {"ImageTamsford", "QLabel", nullptr, "", "", true},
    {"Frame1", "QGroupBox", nullptr, "Intructions", "", true},
    {"LblYourYears", "QLabel", "Frame1",
     "To begin, choose from above the census year(s) you have information for.", "", true},
    {"Frame2", "QGroupBox", nullptr, "Information", "", true},
    {"TextDisplay", "vantel::MultiLineText", "Frame2", "", "", true},
    {"Line1", "vantel::Line", nullptr, "", "", true},
    {"Line2", "vantel::Line", nullptr, "", "", true},
};

class FormCBYCTest : public ProgramTest {
 protected:
  FormCBYC& form = program.form<FormCBYC>();
};

TEST_F(FormCBYCTest, ControlsAfterLoad) {
  for (const ControlCase& c : kControls) {
    SCOPED_TRACE(c.name);
    auto* w = form.findChild<QWidget*>(QLatin1String(c.name));
    if (!w) {
      ADD_FAILURE() << "no control " << c.name;
      continue;
    }
    EXPECT_STREQ(w->metaObject()->className(), c.kind);
    EXPECT_EQ(w->parentWidget()->objectName(), QLatin1String(c.parent ? c.parent : "FormCBYC"));
    EXPECT_EQ(captionOf(w), c.caption);
    if (std::string(c.name) != "ImageMale" && std::string(c.name) != "ImageFemale") {
      EXPECT_EQ(w->toolTip(), c.tooltip);
    }
    EXPECT_EQ(vantel::shown(w), c.shownAfterLoad);
  }
  EXPECT_EQ(form.windowTitle(), "Census Birth Year Calculator");
  EXPECT_EQ(form.size(), QSize(708, 509));
}

TEST_F(FormCBYCTest, TypedMembersAreTheNamedControls) {
  const std::vector<std::pair<const char*, QWidget*>> members = {
      {"Chk1790", form.Chk1790},           {"Chk1840", form.Chk1840},
      {"Frame1790M", form.Frame1790M},     {"Frame1790F", form.Frame1790F},
      {"Frame1820", form.Frame1820},       {"CmdCalc", form.CmdCalc},
      {"LblYourYears", form.LblYourYears}, {"TextDisplay", form.TextDisplay}};
  for (const auto& [name, member] : members)
    EXPECT_EQ(form.findChild<QWidget*>(name), member) << name;
  const auto boxes = form.censusBoxes();
  for (int i = 0; i < 6; ++i)
    EXPECT_EQ(boxes[i]->objectName(), QStringLiteral("Chk%1").arg(1790 + 10 * i));
}

TEST_F(FormCBYCTest, ExampleAncestorsNameAPersonAndTheYears) {
  const QRegularExpression tip(QStringLiteral("^\\S.* \\d{4} - \\d{4}$"));
  EXPECT_TRUE(tip.match(form.ImageMale->toolTip()).hasMatch())
      << form.ImageMale->toolTip().toStdString();
  EXPECT_TRUE(tip.match(form.ImageFemale->toolTip()).hasMatch());
}

// The option buttons of each frame, top to bottom, with their captions.
struct FrameOptions {
  const char* frame;
  std::vector<std::pair<QString, QString>> options;  // name, caption
};

std::vector<std::pair<QString, QString>> numbered(int census, const QStringList& captions) {
  std::vector<std::pair<QString, QString>> out;
  for (int i = 0; i < captions.size(); ++i)
    out.emplace_back(QStringLiteral("Opt%1_%2").arg(census).arg(i + 1), captions[i]);
  return out;
}

const QStringList k1800Captions = {"Under 10", "10 Thru 15", "16 Thru 25", "26 Thru 44",
                                   "45 and Over"};
const QStringList k1830Captions = {"Under 5",     "5 Thru 9",   "10 Thru 14", "15 Thru 19",
                                   "20 Thru 29",  "30 Thru 39", "40 Thru 49", "50 Thru 59",
                                   "60 Thru 69",  "70 Thru 79", "80 Thru 89", "90 Thru 99",
                                   "100 and Over"};

TEST_F(FormCBYCTest, OptionButtonsSitInTheirFramesTopToBottom) {
  const std::vector<FrameOptions> frames = {
      {"Frame1790M", {{"Opt1790M_1", "Under 16"}, {"Opt1790M_2", "16 and Over"}}},
      {"Frame1790F", {{"Opt1790F_1", "All Females"}}},
      {"Frame1800", numbered(1800, k1800Captions)},
      {"Frame1810", numbered(1810, k1800Captions)},
      {"Frame1820", numbered(1820, {"Under 10", "10 Thru 15", "16 Thru 18", "16 Thru 25",
                                    "26 Thru 44", "45 and Over"})},
      {"Frame1830", numbered(1830, k1830Captions)},
      {"Frame1840", numbered(1840, k1830Captions)},
  };
  int total = 0;
  for (const FrameOptions& f : frames) {
    auto* frame = form.findChild<QGroupBox*>(QLatin1String(f.frame));
    int lastY = -1;
    for (const auto& [name, caption] : f.options) {
      SCOPED_TRACE(name.toStdString());
      QRadioButton* opt = form.option(name);
      if (!frame || !opt) {
        ADD_FAILURE() << "missing frame or option";
        continue;
      }
      EXPECT_EQ(form.findChild<QRadioButton*>(name), opt);
      EXPECT_STREQ(opt->metaObject()->className(), "vantel::OptionButton");
      EXPECT_EQ(opt->parentWidget(), frame);
      EXPECT_EQ(opt->text(), caption);
      EXPECT_FALSE(opt->isChecked());
      EXPECT_GT(opt->y(), lastY);
      EXPECT_LE(opt->geometry().bottom(), frame->height());
      lastY = opt->geometry().bottom();
      ++total;
    }
  }
  EXPECT_EQ(total, 45);
  EXPECT_EQ(form.option(QStringLiteral("Opt1800_6")), nullptr);
}

TEST_F(FormCBYCTest, ChoosingARangeClearsOnlyItsOwnFrame) {
  for (const char* name :
       {"Opt1790M_2", "Opt1800_1", "Opt1810_5", "Opt1820_3", "Opt1830_13", "Opt1840_1"})
    setOptionValue(form.option(QLatin1String(name)), true);
  setOptionValue(form.option(QStringLiteral("Opt1820_4")), true);
  setOptionValue(form.option(QStringLiteral("Opt1790M_1")), true);
  QStringList selected;
  for (QRadioButton* opt : form.ageRangeOptions())
    if (opt->isChecked()) selected << opt->objectName();
  EXPECT_EQ(selected, QStringList({"Opt1790M_1", "Opt1800_1", "Opt1810_5", "Opt1820_4",
                                   "Opt1830_13", "Opt1840_1"}));
}

// A user's click selects an age range and never clears it: not the lone "All
// Females", not a selected range of a census with several. Code still can.
TEST_F(FormCBYCTest, AUsersClickOnASelectedRangeLeavesItSelected) {
  FormCBYC& f = shown<FormCBYC>();
  f.Frame1790F->show();
  f.Frame1830->show();
  for (const char* name : {"Opt1790F_1", "Opt1830_11"}) {
    SCOPED_TRACE(name);
    QRadioButton* opt = f.option(QLatin1String(name));
    for (int click = 1; click <= 2; ++click) {
      QTest::mouseClick(opt, Qt::LeftButton, {}, QPoint(8, opt->height() / 2));
      EXPECT_TRUE(opt->isChecked()) << "after click " << click;
    }
    setOptionValue(opt, false);
    EXPECT_FALSE(opt->isChecked());
  }
}

TEST_F(FormCBYCTest, StartingTextHasSixLines) {
  const QString text = form.TextDisplay->text();
  const QStringList lines = text.split(QStringLiteral("\r\n"));
  ASSERT_EQ(lines.size(), 7);
  EXPECT_TRUE(lines[6].isEmpty());  // the sixth line ends with a line break too
  EXPECT_EQ(lines[0],
            "Unlike later census years that listed all members of the household and the age at "
            "the time of ");
  EXPECT_EQ(lines[1],
            "the census, the 1790 - 1840 census only list the head of the household and the "
            "number of ");
  EXPECT_EQ(lines[2],
            "persons who fell into certain age ranges.  If you are able to make an educated guess "
            "as to ");
  EXPECT_EQ(lines[3],
            "which age categories an ancestor belonged to in one or more census years, this "
            "calculator ");
  EXPECT_EQ(lines[4],
            "will combine the years and return the only possible years in which the person could "
            "have ");
  EXPECT_EQ(lines[5], "been born.");
  EXPECT_EQ(text.count(QLatin1Char('\n')), text.count(QStringLiteral("\r\n")));
}

// Every menu and item after loading, one line each: name, caption, shortcut
// and the states that differ from shown and enabled.
QStringList menuLines(const FormCBYC& form) {
  auto line = [](QAction* a, const QString& indent) {
    QString text = indent + a->objectName() + " | " + (a->isSeparator() ? "-" : a->text());
    if (!a->shortcut().isEmpty()) text += " | " + a->shortcut().toString();
    if (!a->isEnabled()) text += " | disabled";
    if (a->isChecked()) text += " | checked";
    if (!a->isVisible()) text += " | hidden";
    return text;
  };
  QStringList lines;
  for (QMenu* m : form.menus()) {
    lines << line(m->menuAction(), "");
    for (QAction* a : m->actions()) lines << line(a, "  ");
  }
  return lines;
}

TEST_F(FormCBYCTest, MenusAfterLoad) {
  EXPECT_EQ(menuLines(form), QStringList({
                                 "mnuOpen | Open",
                                 "  mnuStart | Getting Started | Ctrl+G",
                                 "  mnuline1 | -",
                                 "  mnuBad | Age-Birth-Death Date Calculator | Ctrl+A",
                                 "  mnuCBYC | Census Birth Year Calculator | Ctrl+C | checked",
                                 "  mnuDOW | Day of the Week Calculator | Ctrl+D",
                                 "  mnuline | -",
                                 "  mnuPrint | Print Results | Ctrl+P | disabled",
                                 "  mnulin2 | -",
                                 "  mnuclose | Close | Ctrl+L",
                                 "  mnuline2 | -",
                                 "  mnuexit | Exit | Ctrl+X",
                                 "mnuEdit | Edit | disabled",
                                 "  mnuResetForm | Reset Form | Ctrl+R",
                                 "mnuView | &View",
                                 "  mnuCensusInfo | Census Information | Ctrl+I",
                                 "  mnuxceninfo | Exit Census Information | disabled | hidden",
                                 "mnuwindow | &Window",
                                 "mnuHelp | &Help",
                                 "  mnuAbout | &About Tamsford Genealogy Calculator",
                             }));
  // The typed members are the items of the table.
  EXPECT_EQ(form.mnuPrint->objectName(), "mnuPrint");
  EXPECT_EQ(form.mnuEdit->objectName(), "mnuEdit");
  EXPECT_EQ(form.mnuxceninfo->objectName(), "mnuxceninfo");
}

TEST_F(FormCBYCTest, CheckBoxesStartUntickedAndBold) {
  for (QCheckBox* box : form.censusBoxes()) {
    EXPECT_EQ(checkValue(box), 0) << box->objectName().toStdString();
    EXPECT_TRUE(box->font().bold());
    EXPECT_FALSE(box->isTristate());
  }
}

TEST_F(FormCBYCTest, EnterRunsTheCalculationFromAnyControl) {
  FormCBYC& f = shown<FormCBYC>();
  EXPECT_EQ(QApplication::focusWidget(), f.CmdCalc);  // first in tab order
  f.focusControl(f.Chk1820);
  QTest::keyClick(f.Chk1820, Qt::Key_Return);
  ASSERT_EQ(platform.messages().size(), 1);
  EXPECT_EQ(platform.messages().first().title, "Missing Census Year");
}

}  // namespace
}  // namespace vantel::test
