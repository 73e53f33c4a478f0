// Each mode of the Birth-Age-Death form from end to end, as a user goes through
// it with the mouse and the keyboard: choose the missing value, Tab into each
// field (the lists are rebuilt on entry) and type, calculate, read the result,
// print with a name, with Cancel and with No, then reset, after which there is
// nothing to print.

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>

#include "bad/BadVariables.h"
#include "bad/CheckCalculateFixture.h"

namespace vantel::test {
namespace {

struct Journey {
  const char* name;
  OptionButton* FormBAD::*option;
  std::vector<const char*> typed;  // into each field of the two shown frames, in tab order
  bool enterKey;                   // calculate with Enter in the last field, else a click
  TextBox* FormBAD::*result;
  const char* resultText;
  // The instructions box on the page printed from the button with the name
  // "Ann Lee", and on the page printed from the menu after Cancel.
  const char* printedWithName;
  const char* printedAfterCancel;
  const char* closingFromMenu;
};

void PrintTo(const Journey& j, std::ostream* os) { *os << j.name; }

const Journey kJourneys[] = {
    {"MissingBirthDate",
     &FormBAD::OptBirth,
     {"2", "10", "30", "Mar", "5", "1900"},
     true,
     &FormBAD::TxTBirthDis,
     "December 23, 1869",
     "You supplied an age at death and a death date for Ann Lee.  The Birth Date is displayed "
     "above.",
     "You supplied an Age at Death and a Death Date for .  The Birth Date is displayed above.",
     "You supplied an Age at Death and a Death Date.  The Birth Date is displayed above."},
    {"MissingAge",
     &FormBAD::OptAge,
     {"May", "20", "1850", "Jun", "15", "1851"},
     false,
     &FormBAD::TxTAgeDis,
     "1 Year, 0 Months and 26 Days",
     "You supplied a birth date and death date for Ann Lee.  The age at death is displayed above.",
     "You supplied a Birth Date and Death Date for .  The Age at Death is displayed above.",
     "You supplied a Birth Date and Death Date.  The Age at Death is displayed above."},
    {"MissingDeathDate",
     &FormBAD::OptDeath,
     {"Jun", "30", "1900", " 1 ", "1", "0"},  // blanks around the months
     true,
     &FormBAD::TxTDeathDis,
     "July 31, 1900",
     "You supplied a Birth Date and Age for Ann Lee.  The Death Date is displayed above.",
     "You supplied a Birth Date and Age for .  The Death Date is displayed above.",
     "You supplied a Birth Date and Age at Death.  The Death Date is displayed above."},
};

class BadJourney : public BadTest, public ::testing::WithParamInterface<Journey> {
 protected:
  // The form as it looks now with these instructions, to compare with a page.
  QImage formWith(const QString& instructions) {
    const QString was = form.TextHowto->text();
    form.TextHowto->setText(instructions);
    QImage image = form.grab().toImage();
    form.TextHowto->setText(was);
    return image;
  }
};

TEST_P(BadJourney, ChooseEnterCalculatePrintAndReset) {
  const Journey& j = GetParam();
  auto& vars = program.state<BadVariables>();
  click(form.*j.option);
  ASSERT_TRUE((form.*j.option)->isChecked());
  for (const char* keys : j.typed) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), keys);
  }
  if (j.enterKey)
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  else
    click(form.CmdCalculate);
  EXPECT_TRUE(platform.messages().isEmpty()) << platform.messages().value(0).title.toStdString();
  EXPECT_EQ((form.*j.result)->text(), j.resultText);
  EXPECT_TRUE(vantel::shown((form.*j.result)->parentWidget()));
  EXPECT_EQ(vars.BadResultShown, 1);

  // From the button, with a name: the page shows it, the screen the closing
  // sentence afterwards.
  platform.clear();
  platform.answers = {msg::Yes};
  platform.inputs = {"Ann Lee"};
  click(form.CmdPrintForm);
  ASSERT_EQ(platform.prints().size(), 1);
  EXPECT_EQ(platform.prints()[0].image, formWith(j.printedWithName));
  EXPECT_FALSE(form.TextHowto->text().contains("Ann Lee"));
  // A name of 60 letters shows whole, in a smaller face only while it is there.
  const QFont face = form.TextHowto->font();
  form.TextHowto->setText(QString(j.printedWithName).replace("Ann Lee", QString(60, 'W')));
  const QTextDocument* shown = form.TextHowto->document();
  EXPECT_LE(shown->documentLayout()->blockBoundingRect(shown->firstBlock()).height(),
            form.TextHowto->viewport()->height());
  form.TextHowto->setText(j.closingFromMenu);
  EXPECT_EQ(form.TextHowto->font(), face);

  // From the menu, cancelling the name: nothing between the two texts.
  platform.clear();
  platform.answers = {msg::Yes};
  form.mnuPrint->trigger();
  ASSERT_EQ(platform.prints().size(), 1);
  EXPECT_EQ(platform.prints()[0].image, formWith(j.printedAfterCancel));
  EXPECT_EQ(form.TextHowto->text(), j.closingFromMenu);

  // No: the form as it stands.
  platform.clear();
  platform.answers = {msg::No};
  click(form.CmdPrintForm);
  ASSERT_EQ(platform.prints().size(), 1);
  EXPECT_EQ(platform.prints()[0].image, form.grab().toImage());
  EXPECT_EQ(form.TextHowto->text(), j.closingFromMenu);
  EXPECT_EQ(platform.calls.size(), 2);  // the question and the print, no name asked

  // Reset: back to choosing, and nothing to print any more.
  click(form.cmdReset);
  EXPECT_FALSE((form.*j.option)->isChecked());
  EXPECT_FALSE(vantel::shown((form.*j.result)->parentWidget()));
  EXPECT_EQ(vars.BadResultShown, 1);
  platform.clear();
  click(form.CmdPrintForm);
  form.mnuPrint->trigger();
  EXPECT_TRUE(platform.prints().isEmpty());
  ASSERT_EQ(platform.messages().size(), 2);
  for (const Call& m : platform.messages()) EXPECT_EQ(m.title, "No Results to Print");
}

INSTANTIATE_TEST_SUITE_P(EachMode, BadJourney, ::testing::ValuesIn(kJourneys),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vantel::test
