// What the Birth-Age-Death form's commands do: choosing the missing value,
// "&Reset Form", and the two print commands with their own sentences, which
// print nothing while the form shows no result.

#include "bad/BadVariables.h"
#include "bad/CheckCalculateFixture.h"
#include "forms/Colors.h"

namespace vantel::test {
namespace {

const Entries kComplete{"January", "31", "1900", "1", "0", "40", "March", "1", "1950"};
const QString kComplete_ =
    "Complete the missing information above and then select the Calculate Missing Data button.";

class BadCommands : public BadTest {
 protected:
  auto& vars() { return program.state<BadVariables>(); }
  // A result of the mode, calculated from the complete entries.
  void result(QRadioButton* option) {
    choose(option);
    fill(kComplete);
    calculate();
    EXPECT_EQ(vars().BadResultShown, 1);
  }
};

TEST_F(BadCommands, ChoosingTheMissingValueShowsTheOtherTwoAndEmptiesItsOwnFrame) {
  struct Row {
    const char* name;
    OptionButton* FormBAD::*option;
    QGroupBox* FormBAD::*missing;
    QStringList emptied;  // the fields of the missing value
    QStringList kept;     // some fields of the two known values
  };
  const Row rows[] = {
      {"OptBirth",
       &FormBAD::OptBirth,
       &FormBAD::FrameBirth,
       {"cmbBDay", "cmbBMonth", "txtBYear"},
       {"txtAYear", "cmbDMonth", "txtDYear"}},
      {"OptAge",
       &FormBAD::OptAge,
       &FormBAD::FrameAge,
       {"cmbADay", "cmbAMonth", "txtAYear"},
       {"cmbBMonth", "txtBYear", "txtDYear"}},
      {"OptDeath",
       &FormBAD::OptDeath,
       &FormBAD::FrameDeath,
       {"cmbDDay", "cmbDMonth", "txtDYear"},
       {"cmbBDay", "txtBYear", "txtAYear"}},
  };
  // A field's text, and a list box's items.
  auto text = [&](const QString& name) {
    if (auto* box = form.findChild<ComboBox*>(name))
      return box->text() + '/' + box->listItems().join(',');
    auto* year = form.findChild<TextBox*>(name);
    return year ? year->text() : QStringLiteral("(no such field)");
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    // Every field filled and every result shown, the last one in navy.
    for (auto* option : {form.OptBirth, form.OptAge, form.OptDeath}) {
      result(option);
      for (auto* f : {form.FrameBirth, form.FrameAge, form.FrameDeath}) f->show();
      fill(kComplete);
    }
    for (auto* f : {form.FrameBirthDis, form.FrameAgeDis, form.FrameDeathDis}) f->show();
    form.mnuEdit->menuAction()->setEnabled(false);
    form.cmdReset->setEnabled(false);
    std::vector<QString> before;
    for (const QString& field : row.kept) before.push_back(text(field));
    setOptionValue(form.*row.option, false);  // so that the click selects it

    QTest::mouseClick(form.*row.option, Qt::LeftButton, {}, QPoint(8, 8));

    for (auto* f : {form.FrameBirth, form.FrameAge, form.FrameDeath})
      EXPECT_EQ(vantel::shown(f), f != form.*row.missing) << f->objectName().toStdString();
    for (const QString& field : row.emptied)
      EXPECT_TRUE(text(field).isEmpty() || text(field) == "/") << field.toStdString();
    for (qsizetype i = 0; i < row.kept.size(); ++i)
      EXPECT_EQ(text(row.kept[i]), before[i]) << row.kept[i].toStdString();
    for (auto* f : {form.FrameBirthDis, form.FrameAgeDis, form.FrameDeathDis})
      EXPECT_FALSE(vantel::shown(f)) << f->objectName().toStdString();
    EXPECT_EQ(form.TextHowto->text(), kComplete_);
    EXPECT_EQ(foreColor(form.TextHowto), colors::navy());  // the colour is left as it was
    EXPECT_EQ(vars().BadResultShown, 0);
    EXPECT_FALSE(form.mnuPrint->isEnabled());
    EXPECT_TRUE(form.mnuEdit->menuAction()->isEnabled());
    EXPECT_TRUE(form.cmdReset->isEnabled());
    EXPECT_TRUE(form.CmdPrintForm->isEnabled());
  }
}

TEST_F(BadCommands, ResetGoesBackToChoosingAndKeepsTheAgeDeathAndResults) {
  for (QAction* reset : {static_cast<QAction*>(nullptr), form.mnuReset}) {
    SCOPED_TRACE(reset ? "mnuReset" : "cmdReset");
    result(form.OptDeath);
    result(form.OptAge);
    form.FrameAge->show();
    fill(kComplete);  // every field filled
    const QString age = form.TxTAgeDis->text(), death = form.TxTDeathDis->text();
    if (reset)
      reset->trigger();
    else
      QTest::mouseClick(form.cmdReset, Qt::LeftButton);

    for (auto* o : {form.OptBirth, form.OptAge, form.OptDeath}) EXPECT_FALSE(o->isChecked());
    for (auto* f : {form.FrameBirth, form.FrameAge, form.FrameDeath, form.FrameBirthDis,
                    form.FrameAgeDis, form.FrameDeathDis})
      EXPECT_FALSE(vantel::shown(f)) << f->objectName().toStdString();
    for (ComboBox* list : {form.cmbBDay, form.cmbBMonth}) {
      EXPECT_EQ(list->text(), "");
      EXPECT_EQ(list->count(), 0);
    }
    EXPECT_EQ(form.txtBYear->text(), "");
    const QString kept[] = {form.cmbAMonth->text(), form.cmbADay->text(), form.txtAYear->text(),
                            form.cmbDMonth->text(), form.cmbDDay->text(), form.txtDYear->text()};
    EXPECT_EQ(QStringList(std::begin(kept), std::end(kept)),
              QStringList({"1", "0", "40", "March", "1", "1950"}));
    EXPECT_EQ(form.TxTAgeDis->text(), age);
    EXPECT_EQ(form.TxTDeathDis->text(), death);
    EXPECT_FALSE(form.mnuEdit->menuAction()->isEnabled());
    EXPECT_FALSE(form.cmdReset->isEnabled());
    EXPECT_EQ(form.TextHowto->text(),
              "To begin, choose from above the missing information you'd like to calculate.");
    EXPECT_EQ(foreColor(form.TextHowto), colors::windowText());
    EXPECT_EQ(vars().BadResultShown, 1);
    EXPECT_TRUE(form.mnuPrint->isEnabled());
    EXPECT_EQ(form.FrameBirth->title(), "Birth Date:");
  }
}

// Reset from the menu leaves the focus where it was; hiding that field must not
// hand the focus to a list that is then rebuilt and loses its choice.
TEST_F(BadCommands, ResetFromTheMenuKeepsTheFieldsWhereverTheFocusIs) {
  for (TextBox* where : {form.txtBYear, form.txtAYear, form.txtDYear}) {
    SCOPED_TRACE(where->objectName().toStdString());
    result(form.OptAge);
    form.FrameAge->show();
    fill(kComplete);
    form.focusControl(where);
    form.mnuReset->trigger();
    const QString kept[] = {form.cmbAMonth->text(), form.cmbADay->text(), form.txtAYear->text(),
                            form.cmbDMonth->text(), form.cmbDDay->text(), form.txtDYear->text()};
    EXPECT_EQ(QStringList(std::begin(kept), std::end(kept)),
              QStringList({"1", "0", "40", "March", "1", "1950"}));
  }
}

// Each print command with its own sentences, for each missing value: the page
// shows the name exactly as typed, the screen the closing sentence afterwards.
TEST_F(BadCommands, EachPrintCommandWritesItsOwnSentencesAroundTheName) {
  struct Row {
    const char* name;
    OptionButton* FormBAD::*option;
    bool menu;
    const char* ahead;
    const char* after;
    const char* closing;
  };
  const Row rows[] = {
      {"button, birth", &FormBAD::OptBirth, false,
       "You supplied an age at death and a death date for ",
       ".  The Birth Date is displayed above.",
       "You supplied an age at death and a death date.  The birth date is displayed above."},
      {"button, age", &FormBAD::OptAge, false, "You supplied a birth date and death date for ",
       ".  The age at death is displayed above.",
       "You supplied a birth date and death date.  The age at death is displayed above."},
      {"button, death", &FormBAD::OptDeath, false, "You supplied a Birth Date and Age for ",
       ".  The Death Date is displayed above.",
       "You supplied a birth Date and age at death.  The death date is displayed above."},
      {"menu, birth", &FormBAD::OptBirth, true,
       "You supplied an Age at Death and a Death Date for ",
       ".  The Birth Date is displayed above.",
       "You supplied an Age at Death and a Death Date.  The Birth Date is displayed above."},
      {"menu, age", &FormBAD::OptAge, true, "You supplied a Birth Date and Death Date for ",
       ".  The Age at Death is displayed above.",
       "You supplied a Birth Date and Death Date.  The Age at Death is displayed above."},
      {"menu, death", &FormBAD::OptDeath, true, "You supplied a Birth Date and Age for ",
       ".  The Death Date is displayed above.",
       "You supplied a Birth Date and Age at Death.  The Death Date is displayed above."},
  };
  // Blanks kept, markup shown as typed.
  const QString name = "  <b>Ann</b> &amp; O'Lee ";
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    result(form.*row.option);
    form.TextHowto->setText("before");
    platform.clear();
    platform.answers = {msg::Yes};
    platform.inputs = {name};
    if (row.menu)
      form.mnuPrint->trigger();
    else
      form.CmdPrintForm->click();

    const auto& calls = platform.calls;
    EXPECT_EQ(calls.size(), 3);
    if (calls.size() != 3) continue;
    EXPECT_EQ(calls[0].prompt,
              "Would you like to have your Ancestor's name added to this screen print?");
    EXPECT_EQ(calls[0].title, "Add Ancestor?");
    EXPECT_EQ(calls[0].style, msg::YesNo);
    EXPECT_EQ(calls[1].kind, Call::Input);
    EXPECT_EQ(calls[1].prompt, "Enter you Ancestor's name in the box below.");
    EXPECT_EQ(calls[1].title, "Add Ancestor");
    EXPECT_EQ(calls[2].kind, Call::Print);
    EXPECT_EQ(calls[2].formName, "FormBAD");
    EXPECT_EQ(form.TextHowto->text(), row.closing);
    form.TextHowto->setText(row.ahead + name + row.after);
    EXPECT_EQ(calls[2].image, form.grab().toImage());  // the page showed the name
    EXPECT_EQ(foreColor(form.TextHowto), colors::navy());
    EXPECT_EQ(vars().BadResultShown, 1);
    EXPECT_TRUE(form.mnuPrint->isEnabled());
  }
}

// No result to print: after choosing a mode, and after a result and a reset
// (which keeps BadResultShown but leaves no option selected). Nothing is asked,
// printed or changed.
TEST_F(BadCommands, WithoutAResultOnTheFormNeitherCommandPrints) {
  struct Row {
    const char* name;
    std::function<void()> before;
  };
  const Row rows[] = {
      {"a mode chosen", [&] { choose(form.OptDeath); }},
      {"a result, then reset",
       [&] {
         result(form.OptDeath);
         form.ReseT();
       }},
      {"a result, then another mode chosen",
       [&] {
         result(form.OptDeath);
         choose(form.OptBirth);
       }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    row.before();
    const QString instructions = form.TextHowto->text();
    const bool printEnabled = form.mnuPrint->isEnabled();
    for (bool menu : {false, true}) {
      if (menu && !form.mnuPrint->isEnabled()) continue;  // the user cannot choose it
      platform.clear();
      platform.answers = {msg::Yes};
      menu ? form.mnuPrint->trigger() : form.CmdPrintForm->click();
      EXPECT_EQ(platform.calls.size(), 1);
      if (platform.calls.isEmpty()) continue;
      const Call& m = platform.calls[0];
      EXPECT_EQ(m.prompt,
                "You have not calculated any missing information for your ancestor.  Select the "
                "missing information you'd like to calculate.");
      EXPECT_EQ(m.title, "No Results to Print");
      EXPECT_EQ(m.style, msg::Critical | msg::OkOnly);
      EXPECT_EQ(form.TextHowto->text(), instructions);
      EXPECT_EQ(form.mnuPrint->isEnabled(), printEnabled);
      EXPECT_TRUE(form.CmdPrintForm->isEnabled());
    }
  }
}

}  // namespace
}  // namespace vantel::test
