// The Birth-Age-Death form as it stands after loading: every control by name,
// kind, caption, tooltip and maximum length; which frames show; the menus; the
// names screen readers announce; every command wired.

#include <QAbstractButton>
#include <QLineEdit>
#include <QMenu>

#include "bad/FormBAD.h"
#include "forms/Colors.h"
#include "forms/Form.h"
#include "support/ProgramFixture.h"

namespace vantel::test {
namespace {

class FormBADLoad : public ProgramTest {};

struct ControlRow {
  const char* name;
  const char* kind;  // Qt class the control is built on
  const char* caption;
  const char* tooltip;
  bool shownAfterLoad;
};

// Frames, option buttons, labels and command buttons, with their captions.
const ControlRow kControls[] = {
    {"FramePick", "QGroupBox", "Pick One", "", true},
    {"OptBirth", "QRadioButton", "Birth Date", "Find a missing Birth Date", true},
    {"OptAge", "QRadioButton", "Age at Death", "Find a missing age at Death", true},
    {"OptDeath", "QRadioButton", "Death Date", "Find a missing Death Date", true},
    {"FrameBirth", "QGroupBox", "Birth Date:", "", false},
    {"Label1", "QLabel", "MONTH", "", true},
    {"Label4", "QLabel", "DAY", "", true},
    {"Label9", "QLabel", "YEAR", "", true},
    {"FrameAge", "QGroupBox", "Age at Death is:", "", false},
    {"Label3", "QLabel", "MONTHS", "", true},
    {"Label5", "QLabel", "DAYS", "", true},
    {"Label8", "QLabel", "YEARS", "", true},
    {"FrameDeath", "QGroupBox", "Death Date:", "", false},
    {"Label2", "QLabel", "MONTH", "", true},
    {"Label6", "QLabel", "DAY", "", true},
    {"Label7", "QLabel", "YEAR", "", true},
    {"FrameBirthDis", "QGroupBox", "Missing Birth Date is:", "", false},
    {"FrameAgeDis", "QGroupBox", "Missing Age at Death is:", "", false},
    {"FrameDeathDis", "QGroupBox", "Missing Death Date is:", "", false},
    {"CmdCalculate", "QPushButton", "&Calculate Missing Data", "Calculate the missing information",
     true},
    {"cmdReset", "QPushButton", "&Reset Form", "Reset the form.", true},
    {"CmdPrintForm", "QPushButton", "&Print Results", "Print Results.", true},
    {"cmdExit", "QPushButton", "E&xit Form", "Close this Calculator.", true},
    {"Frame1", "QGroupBox", "Instuctions", "", true},
    {"FrameInfo", "QGroupBox", "Information", "", true},
};

QString captionOf(QWidget* w) {
  if (auto* f = qobject_cast<QGroupBox*>(w)) return f->title();
  if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
  if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
  return {};
}

TEST_F(FormBADLoad, EveryCaptionedControlHasItsNameKindCaptionTooltipAndVisibility) {
  auto& form = program.form<FormBAD>();
  for (const auto& row : kControls) {
    SCOPED_TRACE(row.name);
    auto* w = form.findChild<QWidget*>(QLatin1String(row.name));
    if (!w) {
      ADD_FAILURE() << "no control of that name";
      continue;
    }
    EXPECT_TRUE(w->inherits(row.kind));
    EXPECT_EQ(captionOf(w), QString::fromUtf8(row.caption));
    EXPECT_EQ(w->toolTip(), QString::fromUtf8(row.tooltip));
    EXPECT_EQ(vantel::shown(w), row.shownAfterLoad);
  }
}

struct FieldRow {
  const char* name;
  const char* frame;
  const char* tooltip;
  bool editable;  // combo boxes: may a text be typed
  int maxLength;  // text boxes
};

const FieldRow kFields[] = {
    {"cmbBMonth", "FrameBirth", "Pick a valid Birth Month", false, 0},
    {"cmbBDay", "FrameBirth", "Pick a valid Birth Day", false, 0},
    {"txtBYear", "FrameBirth", "Enter a valid Birth Year", false, 4},
    {"cmbAMonth", "FrameAge", "Pick the age (in months) at death", true, 0},
    {"cmbADay", "FrameAge", "Pick the age (in days) at death", false, 0},
    {"txtAYear", "FrameAge", "Enter age (in years) at death", false, 3},
    {"cmbDMonth", "FrameDeath", "Pick a valid Death Month", false, 0},
    {"cmbDDay", "FrameDeath", "Pick a valid Death Day", false, 0},
    {"txtDYear", "FrameDeath", "Enter a valid Death Year", false, 4},
};

TEST_F(FormBADLoad, EntryFieldsStartEmptyInTheirFramesWithTooltipsAndLimits) {
  auto& form = program.form<FormBAD>();
  for (const auto& row : kFields) {
    SCOPED_TRACE(row.name);
    auto* w = form.findChild<QWidget*>(QLatin1String(row.name));
    if (!w) {
      ADD_FAILURE() << "no control of that name";
      continue;
    }
    EXPECT_EQ(w->parentWidget()->objectName(), QLatin1String(row.frame));
    EXPECT_EQ(w->toolTip(), QString::fromUtf8(row.tooltip));
    if (auto* box = qobject_cast<ComboBox*>(w)) {
      EXPECT_EQ(row.maxLength, 0);
      EXPECT_EQ(box->isEditable(), row.editable);
      EXPECT_EQ(box->text(), QString());
      EXPECT_TRUE(box->listItems().isEmpty());
    } else if (auto* text = qobject_cast<TextBox*>(w)) {
      EXPECT_EQ(text->maxLength(), row.maxLength);
      EXPECT_EQ(text->text(), QString());
    } else {
      ADD_FAILURE() << "neither a combo box nor a text box";
    }
  }
}

TEST_F(FormBADLoad, ResultBoxesAreEmptyReadOnlyNavyAndOutOfTheTabOrder) {
  auto& form = program.form<FormBAD>();
  const std::pair<TextBox*, QGroupBox*> results[] = {{form.TxTBirthDis, form.FrameBirthDis},
                                                     {form.TxTAgeDis, form.FrameAgeDis},
                                                     {form.TxTDeathDis, form.FrameDeathDis}};
  for (auto [box, frame] : results) {
    SCOPED_TRACE(box->objectName().toStdString());
    EXPECT_EQ(box->parentWidget(), frame);
    EXPECT_TRUE(box->isReadOnly());
    EXPECT_EQ(box->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(box->text(), QString());
    EXPECT_EQ(foreColor(box), colors::navy());
  }
}

TEST_F(FormBADLoad, NoOptionIsSelectedAndOnlyResetIsDisabled) {
  auto& form = program.form<FormBAD>();
  EXPECT_FALSE(form.OptBirth->isChecked());
  EXPECT_FALSE(form.OptAge->isChecked());
  EXPECT_FALSE(form.OptDeath->isChecked());
  EXPECT_FALSE(form.cmdReset->isEnabled());
  EXPECT_TRUE(form.CmdCalculate->isEnabled());
  EXPECT_TRUE(form.CmdPrintForm->isEnabled());
  EXPECT_TRUE(form.cmdExit->isEnabled());
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Birth - Age - Death Date Calculator"));
  EXPECT_EQ(form.size(), QSize(708, 503));
}

TEST_F(FormBADLoad, InstructionAndInformationTextsAreExact) {
  auto& form = program.form<FormBAD>();
  EXPECT_EQ(form.TextHowto->text(),
            QStringLiteral("To begin, choose from above the missing information you'd like to "
                           "calculate.\r\n"));
  EXPECT_EQ(foreColor(form.TextHowto), colors::tooltipText());
  EXPECT_EQ(form.TextAbout->text(),
            QStringLiteral(
                "At one time it was common for burial markers to list a person's death date and "
                "age at the \r\n"
                "time of their death in years, months and days.  This calculator will return the "
                "missing birth \r\n"
                "date, or any value, if at least two values are known.  For example, if you know "
                "an individual's \r\n"
                "birth date and how old they were in years, months and days at the time of their "
                "death, this \r\n"
                "calculator will return the date of death.\r\n"));
}

struct MenuRow {
  const char* name;
  const char* caption;  // "-" for a separator
  bool enabled;
};

TEST_F(FormBADLoad, MenusHoldTheirItemsInOrderWithTheirStates) {
  auto& form = program.form<FormBAD>();
  const std::vector<std::pair<MenuRow, std::vector<MenuRow>>> expected = {
      {{"mnuopen", "&Open", true},
       {{"mnuStart", "&Getting Started", true},
        {"mnuline3", "-", true},
        {"mnuCBYC", "&Age-Birth-Death Date Calculator", true},
        {"mnuCBYC2", "&Census Birth Year Calculator", true},
        {"mnuDOW", "&Day of the Week Calculator", true},
        {"mnuline1", "-", true},
        {"mnuPrint", "&Print Results", false},
        {"mnuline2", "-", true},
        {"mnuClose", "&Close", true},
        {"mnuline", "-", true},
        {"mnuExit", "E&xit", true}}},
      {{"mnuEdit", "&Edit", false}, {{"mnuReset", "&Reset Form", true}}},
      {{"mnuView", "&View", false}, {}},
      {{"mnuWindow", "&Window", true}, {}},
      {{"mnuHelp", "&Help", true}, {{"mnuAbout", "About Tamsford Genealogy Calculator", true}}},
  };
  ASSERT_EQ(form.menus().size(), static_cast<qsizetype>(expected.size()));
  for (std::size_t m = 0; m < expected.size(); ++m) {
    const auto& [menuRow, items] = expected[m];
    QMenu* menu = form.menus()[static_cast<qsizetype>(m)];
    SCOPED_TRACE(menuRow.name);
    EXPECT_EQ(menu->objectName(), QLatin1String(menuRow.name));
    EXPECT_EQ(menu->title(), QString::fromUtf8(menuRow.caption));
    EXPECT_EQ(menu->menuAction()->isEnabled(), menuRow.enabled);
    const auto actions = menu->actions();
    EXPECT_EQ(actions.size(), static_cast<qsizetype>(items.size()));
    for (std::size_t i = 0; i < items.size() && i < static_cast<std::size_t>(actions.size()); ++i) {
      QAction* a = actions[static_cast<qsizetype>(i)];
      SCOPED_TRACE(items[i].name);
      EXPECT_EQ(a->objectName(), QLatin1String(items[i].name));
      if (QLatin1String(items[i].caption) == QLatin1String("-"))
        EXPECT_TRUE(a->isSeparator());
      else
        EXPECT_EQ(a->text(), QString::fromUtf8(items[i].caption));
      EXPECT_EQ(a->isEnabled(), items[i].enabled);
      EXPECT_TRUE(a->shortcut().isEmpty());
    }
  }
  EXPECT_TRUE(form.mnuCBYC->isChecked());
}

TEST_F(FormBADLoad, TabOrderRunsFromTheOptionsThroughTheFieldsToTheCommands) {
  auto& form = program.form<FormBAD>();
  const QWidget* order[] = {form.OptBirth,     form.OptAge,    form.OptDeath,     form.cmbBMonth,
                            form.cmbBDay,      form.txtBYear,  form.cmbAMonth,    form.cmbADay,
                            form.txtAYear,     form.cmbDMonth, form.cmbDDay,      form.txtDYear,
                            form.CmdCalculate, form.cmdReset,  form.CmdPrintForm, form.cmdExit};
  // The order in which the focus chain meets the listed controls.
  const QList<const QWidget*> listed(std::begin(order), std::end(order));
  QList<const QWidget*> met;
  const QWidget* w = form.OptBirth;
  do {
    if (listed.contains(w) && !met.contains(w)) met << w;
    w = w->nextInFocusChain();
  } while (w != form.OptBirth);
  EXPECT_EQ(met, listed);
}

TEST_F(FormBADLoad, FieldsAndResultsAreNamedForScreenReaders) {
  auto& form = program.form<FormBAD>();
  const std::pair<const char*, const char*> names[] = {
      {"cmbBMonth", "Birth Date: month"},
      {"cmbBDay", "Birth Date: day"},
      {"txtBYear", "Birth Date: year"},
      {"cmbAMonth", "Age at Death: months"},
      {"cmbADay", "Age at Death: days"},
      {"txtAYear", "Age at Death: years"},
      {"cmbDMonth", "Death Date: month"},
      {"cmbDDay", "Death Date: day"},
      {"txtDYear", "Death Date: year"},
      {"TxTBirthDis", "Missing Birth Date"},
      {"TxTAgeDis", "Missing Age at Death"},
      {"TxTDeathDis", "Missing Death Date"},
      {"ImageTamsford", "Tamsford Genealogy Calculator logo"},
  };
  for (const auto& [name, spoken] : names) {
    SCOPED_TRACE(name);
    auto* w = form.findChild<QWidget*>(QLatin1String(name));
    EXPECT_EQ(w ? w->accessibleName() : QString(), QString::fromUtf8(spoken));
  }
  EXPECT_EQ(form.cmbAMonth->lineEdit()->accessibleName(), "Age at Death: months");
  // Every control the user can reach has a name of its own or a caption.
  for (auto* w : form.findChildren<QWidget*>()) {
    if (w->focusPolicy() == Qt::NoFocus || w->objectName().startsWith("qt_") ||
        w->objectName().isEmpty())
      continue;
    auto* button = qobject_cast<QAbstractButton*>(w);
    EXPECT_FALSE(w->accessibleName().isEmpty() && !(button && !button->text().isEmpty()))
        << w->objectName().toStdString();
  }
}

TEST_F(FormBADLoad, EveryCommandIsWiredAndOnlyTheFormsOwnItemDoesNothing) {
  auto& form = program.form<FormBAD>();
  for (auto* button : form.findChildren<QAbstractButton*>())
    EXPECT_TRUE(Form::isWired(button)) << button->objectName().toStdString();
  for (QMenu* menu : form.menus())
    for (QAction* item : menu->actions()) {
      if (item->isSeparator()) continue;
      const bool own = item == form.mnuCBYC;
      EXPECT_EQ(Form::isWired(item), !own) << item->objectName().toStdString();
      EXPECT_EQ(Form::isInert(item), own) << item->objectName().toStdString();
    }
  EXPECT_TRUE(Form::isWired(form.mnuWindow));  // lists the child windows
}

TEST_F(FormBADLoad, FormAndFramesHaveTheSystemBackgroundAndTheLinesTheirBlue) {
  auto& form = program.form<FormBAD>();
  QList<QWidget*> filled = {&form};
  for (auto* frame : form.findChildren<QGroupBox*>()) filled << frame;
  for (QWidget* w : filled) {
    SCOPED_TRACE(w->objectName().toStdString());
    EXPECT_EQ(w->backgroundRole(), QPalette::Button);
    EXPECT_TRUE(w->autoFillBackground());
  }
  for (auto* line : {form.Line1, form.Line2})
    EXPECT_EQ(line->palette().color(line->backgroundRole()), colors::navy());
}

}  // namespace
}  // namespace vantel::test
