// The print commands and the note box through their states: each row starts
// from a fresh form, takes the steps that lead to a state, then one step more,
// and names what that step leaves.
#include "dow/DowFixture.h"

namespace vantel::test {
namespace {

enum class Step { Calculate, RefusedCalculate, ButtonYes, ButtonNo, MenuYes, MenuNo, Note, Reset };

struct Transition {
  const char* name;
  std::vector<Step> before;
  Step step;
  bool printCommands;  // CmdPrintForm and mnuPrint enabled afterwards
  bool noteShown;      // txtAddInfo and cmdPrntNote shown afterwards
  const char* note;    // the note's text afterwards
  int prints;          // pages the step printed
  bool refused;        // the step showed "No Results to Print"
};
void PrintTo(const Transition& t, std::ostream* os) { *os << t.name; }

class NotePrinting : public DowTest, public ::testing::WithParamInterface<Transition> {
 protected:
  // A user reaches only an enabled command; a row that needs a disabled one fails.
  void press(QPushButton* button) {
    EXPECT_TRUE(button->isEnabled() && vantel::shown(button))
        << "unavailable: " << button->objectName().toStdString();
    QTest::mouseClick(button, Qt::LeftButton);
  }
  void choose(QAction* item) {
    EXPECT_TRUE(item->isEnabled()) << "unavailable: " << item->objectName().toStdString();
    if (item->isEnabled()) item->trigger();
  }
  void take(Step step) {
    platform.clear();
    const bool yes = step == Step::ButtonYes || step == Step::MenuYes;
    platform.answers = {yes ? msg::Yes : msg::No};
    switch (step) {
      case Step::Calculate: return enterDate(form, "July", "4", "1776");
      case Step::RefusedCalculate: return enterDate(form, "July", "4", "abc");
      case Step::ButtonYes:
      case Step::ButtonNo: return press(form.CmdPrintForm);
      case Step::MenuYes:
      case Step::MenuNo: return choose(form.mnuPrint);
      case Step::Note: return press(form.cmdPrntNote);
      case Step::Reset: return press(form.cmdReset);
    }
  }
};

TEST_P(NotePrinting, LeavesThePrintCommandsAndTheNoteBox) {
  const Transition& t = GetParam();
  for (Step s : t.before) take(s);
  const QString month = form.CmbMth->text();
  take(t.step);

  EXPECT_EQ(form.CmdPrintForm->isEnabled(), t.printCommands);
  EXPECT_EQ(form.mnuPrint->isEnabled(), t.printCommands);
  EXPECT_EQ(vantel::shown(form.txtAddInfo), t.noteShown);
  EXPECT_EQ(vantel::shown(form.cmdPrntNote), t.noteShown);
  EXPECT_EQ(form.txtAddInfo->toPlainText(), t.note);
  EXPECT_EQ(platform.prints().size(), t.prints);
  QStringList titles;
  for (const Call& m : platform.messages()) titles << m.title;
  const bool asked = !t.refused && t.step != Step::Note && t.step != Step::Reset &&
                     t.step != Step::Calculate && t.step != Step::RefusedCalculate;
  EXPECT_EQ(titles, t.refused ? QStringList{"No Results to Print"}
                    : asked   ? QStringList{"Add Note?"}
                              : QStringList{});
  const Call message = platform.messages().value(0);
  if (t.refused) {
    EXPECT_EQ(message.prompt,
              "You have not calculated a day of the week.  Select a complete date and calculate "
              "a day of the week.");
    EXPECT_EQ(message.icon(), msg::Critical);
  }
  if (asked) {
    EXPECT_EQ(message.prompt,
              "Would you like to add a note regarding this date and coresponding day of the week "
              "to this screen print?");
    EXPECT_EQ(message.style, msg::YesNo);
  }
  // Printing keeps the date shown: no hidden control hands the focus on to the
  // month box, which would empty itself on entry.
  if (t.prints > 0) {
    EXPECT_EQ(form.CmbMth->text(), month);
  }
}

// Yes from the button gives the note box the focus with its text selected;
// from the menu it moves no focus and selects nothing.
TEST_F(DowTest, AddingANoteFromTheButtonSelectsItFromTheMenuNot) {
  calculate("July", "4", "1776");
  platform.answers = {msg::Yes, msg::Yes};
  form.CmdPrintForm->click();
  EXPECT_EQ(focused(), "txtAddInfo");
  EXPECT_EQ(form.txtAddInfo->textCursor().selectedText(), "Add note here.");
  form.cmdPrntNote->click();
  form.focusControl(form.CmdDOWgo);
  form.mnuPrint->trigger();
  EXPECT_EQ(focused(), "CmdDOWgo");
  EXPECT_EQ(form.txtAddInfo->textCursor().selectedText(), "");
}

using enum Step;
INSTANTIATE_TEST_SUITE_P(
    DowTest, NotePrinting,
    ::testing::Values(
        Transition{"ResultPrintNo", {Calculate}, ButtonNo, true, false, "", 1, false},
        Transition{
            "ResultPrintYes", {Calculate}, ButtonYes, false, true, "Add note here.", 0, false},
        Transition{"ResultMenuNo", {Calculate}, MenuNo, true, false, "", 1, false},
        Transition{"ResultMenuYes", {Calculate}, MenuYes, true, true, "Add Note here.", 0, false},
        Transition{"ResultReset", {Calculate}, Reset, false, false, "", 0, false},
        Transition{
            "NotePrinted", {Calculate, ButtonYes}, Note, true, false, "Add note here.", 1, false},
        Transition{
            "MenuNotePrinted", {Calculate, MenuYes}, Note, true, false, "Add Note here.", 1, false},
        Transition{"MenuNoteThenPrintNo",
                   {Calculate, MenuYes},
                   ButtonNo,
                   true,
                   false,
                   "Add Note here.",
                   1,
                   false},
        Transition{"NoteKeptByANewResult",
                   {Calculate, ButtonYes},
                   Calculate,
                   true,
                   true,
                   "Add note here.",
                   0,
                   false},
        Transition{"NoteKeptByReset",
                   {Calculate, ButtonYes},
                   Reset,
                   false,
                   true,
                   "Add note here.",
                   0,
                   false},
        Transition{"NoteAfterResetRefused",
                   {Calculate, ButtonYes, Reset},
                   Note,
                   false,
                   true,
                   "Add note here.",
                   0,
                   true},
        Transition{"NoteAfterRefusedCalculationRefused",
                   {Calculate, MenuYes, RefusedCalculate},
                   Note,
                   false,
                   true,
                   "Add Note here.",
                   0,
                   true},
        Transition{"PrintAfterRefusedCalculationRefused",
                   {Calculate, RefusedCalculate},
                   ButtonYes,
                   false,
                   false,
                   "",
                   0,
                   true},
        Transition{"MenuAfterRefusedCalculationRefused",
                   {Calculate, RefusedCalculate},
                   MenuYes,
                   false,
                   false,
                   "",
                   0,
                   true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vantel::test
