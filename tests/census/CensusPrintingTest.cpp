// Printing the Census form from its button and from its menu item: the
// refusals, the question, the heading with the name, the 1790 controls as
// printed and as put back, also when the page is not printed at all.

#include "CensusFixture.h"
#include "CensusFormDriver.h"
#include "forms/FormPrinter.h"

namespace vantel::test {
namespace {

enum class Command { Button, Menu };

struct Texts {
  QString refusal, question, prefix, closing;
};
const Texts kButton{
    "You have not calculated a possible birth year for your ancestor.  Select at least one "
    "census year and age range value.",
    "Would you like to have your Ancestor's name added to this screen print?",
    "Based on your input, the possible birth Years for ",
    "Based on your selections, the possible years of birth for your Ancestor are:"};
const Texts kMenu{
    "You have not calculated a possible birth year for your Ancestor.  Select at least one "
    "census year and age range value.",
    "Would you like to have your Ancestors name added to this screenprint?",
    "Based on your input, the possible Birth Years for ",
    "Based on your selections, the possible years of Birth for your Ancestor are:"};

void print(FormCBYC& f, Command c) {
  if (c == Command::Button)
    f.CmdPrint->click();
  else
    f.mnuPrint->trigger();
}

// The 1790 gender of the result printed, or none: 1790 ticked but its range
// left open by a change of gender after the calculation.
enum class Gender { Female, Male, None };

struct PrintCase {
  const char* what;
  Command command;
  Gender gender;
  bool yes;
  QString name;
  // CmdMaleA, CmdFemaleA, LbL1790M, LbL1790F as printed and afterwards
  std::array<bool, 4> printed, after;
};
void PrintTo(const PrintCase& c, std::ostream* out) { *out << c.what; }

class CensusPrints : public CensusTest, public ::testing::WithParamInterface<PrintCase> {};

TEST_P(CensusPrints, ShowTheHeadingAndTheChosenGenderThenPutTheFormBack) {
  const PrintCase& c = GetParam();
  const Texts& texts = c.command == Command::Button ? kButton : kMenu;
  FormCBYC& f = program.form<FormCBYC>();
  f.Chk1790->click();
  (c.gender == Gender::Male ? f.CmdMaleA : f.CmdFemaleA)->click();
  if (c.gender == Gender::Male) f.option("Opt1790M_2")->click();
  f.Chk1800->click();
  f.option("Opt1800_5")->click();
  f.CmdCalc->click();
  if (c.gender == Gender::None) f.CmdMaleA->click();  // the male range is left open
  const QString before = f.LblYourYears->text();
  platform.clear();
  platform.answers = {c.yes ? msg::Yes : msg::No};
  platform.inputs = {c.name};

  print(f, c.command);

  const QString heading = c.yes ? texts.prefix + c.name + " are:" : before;
  const auto& [male, female, maleLabel, femaleLabel] = c.printed;
  ASSERT_EQ(printed.size(), 1u);
  EXPECT_EQ(printed[0], (PrintedCensusForm{heading, male, female, maleLabel, femaleLabel}));
  const Call question = platform.calls[0];
  EXPECT_EQ(question.prompt, texts.question);
  EXPECT_EQ(question.title, "Add Ancestor?");
  EXPECT_EQ(question.style, msg::YesNo);
  if (c.yes) {
    ASSERT_EQ(platform.calls.size(), 3);
    EXPECT_EQ(platform.calls[1].kind, Call::Input);
    EXPECT_EQ(platform.calls[1].prompt, "Enter you Ancestor's name in the box below.");
    EXPECT_EQ(platform.calls[1].title, "Add Ancestor");
  }
  const auto& [maleAfter, femaleAfter, maleLabelAfter, femaleLabelAfter] = c.after;
  EXPECT_EQ(PrintedCensusForm::of(f),
            (PrintedCensusForm{c.yes ? texts.closing : before, maleAfter, femaleAfter,
                               maleLabelAfter, femaleLabelAfter}));
  // The menu item stays available while a result is shown, and the frames keep
  // their captions.
  EXPECT_TRUE(f.mnuPrint->isEnabled());
  EXPECT_EQ(f.Frame1->title(), "Results");
}

INSTANTIATE_TEST_SUITE_P(Variants, CensusPrints,
                         ::testing::Values(PrintCase{"button, female, Smith",
                                                     Command::Button,
                                                     Gender::Female,
                                                     true,
                                                     "Smith",
                                                     {false, true, false, false},
                                                     {true, false, false, true}},
                                           PrintCase{"menu, female, Smith",
                                                     Command::Menu,
                                                     Gender::Female,
                                                     true,
                                                     "Smith",
                                                     {false, true, false, false},
                                                     {true, false, false, true}},
                                           PrintCase{"button, male, No",
                                                     Command::Button,
                                                     Gender::Male,
                                                     false,
                                                     "",
                                                     {true, false, false, false},
                                                     {false, true, true, false}},
                                           PrintCase{"menu, male, cancelled name",
                                                     Command::Menu,
                                                     Gender::Male,
                                                     true,
                                                     "",
                                                     {true, false, false, false},
                                                     {false, true, true, false}},
                                           PrintCase{"menu, gender without a range",
                                                     Command::Menu,
                                                     Gender::None,
                                                     true,
                                                     "Ann Lee",
                                                     {false, true, true, true},
                                                     {false, true, true, true}},
                                           PrintCase{"button, gender without a range, No",
                                                     Command::Button,
                                                     Gender::None,
                                                     false,
                                                     "",
                                                     {false, true, true, true},
                                                     {false, true, true, true}}),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

// Nothing calculated: each command refuses with its own prompt; the button
// also disables the menu item, the menu item leaves itself enabled.
TEST_F(CensusTest, RefusalsBeforeAnyResult) {
  FormCBYC& f = program.form<FormCBYC>();
  EXPECT_FALSE(f.mnuPrint->isEnabled());
  f.CmdPrint->click();
  f.Chk1820->click();
  f.option("Opt1820_1")->click();
  f.CmdCalc->click();
  f.CmdClear->click();
  EXPECT_TRUE(f.mnuPrint->isEnabled());  // a reset leaves it as it was
  f.mnuPrint->trigger();
  EXPECT_TRUE(f.mnuPrint->isEnabled());
  f.CmdPrint->click();
  EXPECT_FALSE(f.mnuPrint->isEnabled());

  const auto messages = platform.messages();
  ASSERT_EQ(messages.size(), 3);
  const QString prompts[] = {kButton.refusal, kMenu.refusal, kButton.refusal};
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(messages[i].prompt, prompts[i]);
    EXPECT_EQ(messages[i].title, "No Results to Print");
    EXPECT_EQ(messages[i].style, msg::Critical | msg::OkOnly);
  }
  EXPECT_TRUE(platform.prints().isEmpty());
  expectEmptyState(f);
}

// The stored result outlives the form: a fresh form prints without refusal.
TEST_F(CensusTest, AReopenedFormStillPrintsTheLastResult) {
  FormCBYC& f = program.form<FormCBYC>();
  chooseRanges(f, {"Opt1830_1"});
  f.CmdCalc->click();
  program.close(f);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  program.form<FormCBYC>().CmdPrint->click();
  EXPECT_EQ(platform.prints().size(), 1);
}

// No printer, and the offer to save a PDF declined: nothing is printed, the
// user is told so, and the form is put back as after any print.
class NoPrinter : public FormPrinter {
 public:
  QStringList told;

 protected:
  QPrinterInfo defaultPrinter() const override { return {}; }
  bool offerPdf(QWidget*, const QString&) override { return false; }
  void tell(QWidget*, const QString& text) override { told << text; }
};
class PrinterlessPlatform : public ScriptedPlatform {
 public:
  NoPrinter printer;
  void printForm(Form& form) override {
    ScriptedPlatform::printForm(form);
    EXPECT_FALSE(printer.print(form));
  }
};

TEST(CensusPrinting, ADeclinedPrintStillPutsTheFormBack) {
  PrinterlessPlatform platform;
  Program program(platform);
  FormCBYC& f = program.form<FormCBYC>();
  f.Chk1790->click();
  f.CmdFemaleA->click();
  f.CmdCalc->click();
  platform.answers = {msg::Yes};
  platform.inputs = {QStringLiteral("Ruth")};
  f.CmdPrint->click();
  EXPECT_EQ(platform.printer.told, QStringList{"The page was not printed."});
  EXPECT_EQ(PrintedCensusForm::of(f),
            (PrintedCensusForm{kButton.closing, true, false, false, true}));
}

}  // namespace
}  // namespace vantel::test
