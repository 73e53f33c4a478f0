// The census calculation as the user reaches it: ranges chosen on the form,
// "Calculate Birth Years" clicked, the list, texts, captions and colours read
// back from the form and the message boxes.

#include "CensusFormDriver.h"
#include "census/CensusTexts.h"
#include "census/CensusVariables.h"
#include "census/FormCBYC.h"
#include "forms/Colors.h"
#include "support/ProgramFixture.h"

namespace vantel::test {
namespace {

const QString kResultCaption = QStringLiteral(
    "Based on your selections, the possible years of birth for your Ancestor are listed below.");
const QString kContradictionCaption =
    QStringLiteral("To begin, choose from above the Census year(s) you have information for.");
const QString kIllogicalPrompt = QStringLiteral(
    "You have selected an ilogical combination of census years and age ranges.  Re-check your "
    "selections and try again.  (You may be trying to calculate the birth date on two seperate "
    "individuals)");

class CountCalcDisplayTest : public ProgramTest {
 protected:
  FormCBYC& form = program.form<FormCBYC>();
  QString& yearsText() { return program.state<CensusVariables>().CensusYearsText; }

  void calculate(std::initializer_list<const char*> options) {
    chooseRanges(form, options);
    form.CmdCalc->click();
  }

  void expectResultShown(const QString& years) {
    EXPECT_EQ(yearsText(), years);
    EXPECT_EQ(form.TextDisplay->text(), years);
    EXPECT_EQ(foreColor(form.TextDisplay), colors::navy());
    EXPECT_TRUE(vantel::shown(form.LblYourYears));
    EXPECT_EQ(foreColor(form.LblYourYears), colors::navy());
    EXPECT_EQ(form.LblYourYears->text(), kResultCaption);
    EXPECT_EQ(form.Frame1->title(), "Results");
    EXPECT_EQ(form.Frame2->title(), "Possible birth years");
    EXPECT_TRUE(form.mnuPrint->isEnabled());
  }
};

struct ResultCase {
  const char* what;
  std::vector<const char*> options;
  int first, last;
};
void PrintTo(const ResultCase& c, std::ostream* out) { *out << c.what; }

class CountCalcDisplayResults : public CountCalcDisplayTest,
                                public ::testing::WithParamInterface<ResultCase> {};

TEST_P(CountCalcDisplayResults, ListsTheCommonYears) {
  const ResultCase& c = GetParam();
  SCOPED_TRACE(c.what);
  chooseRanges(form, {});
  for (const char* name : c.options) chooseRanges(form, {name});
  form.LblYourYears->hide();  // the result makes it visible again
  form.CmdCalc->click();
  expectResultShown(yearList(c.first, c.last));
  EXPECT_EQ(yearsText().size(), 5 * (c.last - c.first + 1));
  EXPECT_TRUE(platform.messages().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, CountCalcDisplayResults,
    ::testing::Values(
        ResultCase{"1840 Under 5 stops at 1839", {"Opt1840_1"}, 1836, 1839},
        ResultCase{"All Females alone", {"Opt1790F_1"}, 1690, 1790},
        ResultCase{"1800 Under 10 stops at 1799", {"Opt1800_1", "Opt1830_6"}, 1791, 1799},
        ResultCase{"born 1786, all six censuses",
                   {"Opt1790M_1", "Opt1800_2", "Opt1810_3", "Opt1820_5", "Opt1830_7", "Opt1840_8"},
                   1785,
                   1790},
        ResultCase{"All Females with 1800 26 Thru 44", {"Opt1790F_1", "Opt1800_4"}, 1756, 1774},
        ResultCase{"1820 16 Thru 18 with 1830 20 Thru 29", {"Opt1820_3", "Opt1830_5"}, 1802, 1804},
        ResultCase{"1830 100 and Over", {"Opt1830_13"}, 1721, 1730},
        ResultCase{"1790 16 and Over from 1690", {"Opt1790M_2", "Opt1800_5"}, 1700, 1755}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

// The result caption is painted dark blue, not only set so.
TEST_F(CountCalcDisplayTest, TheResultCaptionShowsInDarkBlue) {
  FormCBYC& f = shown<FormCBYC>();
  chooseRanges(f, {"Opt1830_4"});
  f.CmdCalc->click();
  const QImage caption = f.LblYourYears->grab().toImage();
  int blue = 0, dark = 0;
  for (int y = 0; y < caption.height(); ++y)
    for (int x = 0; x < caption.width(); ++x) {
      const QColor c = caption.pixelColor(x, y);
      if (c.blue() < 140 && c.red() < 60) (c.blue() > c.red() + 50 ? blue : dark)++;
    }
  EXPECT_GT(blue, 50);
  EXPECT_EQ(dark, 0);
}

TEST_F(CountCalcDisplayTest, EdgeCaseTextsAreExact) {
  calculate({"Opt1840_1"});
  EXPECT_EQ(yearsText(), "1836 1837 1838 1839 ");
}

struct ContradictionCase {
  const char* what;
  std::vector<const char*> options;
};
void PrintTo(const ContradictionCase& c, std::ostream* out) { *out << c.what; }

class CountCalcDisplayContradictions : public CountCalcDisplayTest,
                                       public ::testing::WithParamInterface<ContradictionCase> {};

TEST_P(CountCalcDisplayContradictions, WarnsAndKeepsTheResultFrames) {
  SCOPED_TRACE(GetParam().what);
  // A previous result must not survive the contradiction.
  calculate({"Opt1800_1"});
  ASSERT_FALSE(yearsText().isEmpty());
  setOptionValue(form.option(QStringLiteral("Opt1800_1")), false);
  setCheckValue(form.Chk1800, 0);
  form.Frame1800->hide();
  platform.clear();

  // What the form shows while the message is up.
  QString textAtMessage, frameAtMessage;
  platform.whileShown = [&](const Call&) {
    textAtMessage = form.TextDisplay->text();
    frameAtMessage = form.Frame1->title();
  };
  for (const char* name : GetParam().options) chooseRanges(form, {name});
  const auto before = selectionStates(form);
  form.CmdCalc->click();

  ASSERT_EQ(platform.messages().size(), 1);
  const Call m = platform.messages().first();
  EXPECT_EQ(m.prompt, kIllogicalPrompt);
  EXPECT_EQ(m.title, "Illogical Age Ranges");
  EXPECT_EQ(m.icon(), msg::Critical);
  EXPECT_EQ(m.buttons(), msg::OkOnly);
  EXPECT_EQ(textAtMessage, census::text::introduction);
  EXPECT_EQ(frameAtMessage, "Results");

  EXPECT_TRUE(yearsText().isEmpty());
  EXPECT_EQ(form.TextDisplay->text(), census::text::introduction);
  EXPECT_EQ(form.TextDisplay->text().size(), 463);
  EXPECT_EQ(foreColor(form.TextDisplay), colors::windowText());
  EXPECT_EQ(form.LblYourYears->text(), kContradictionCaption);
  EXPECT_EQ(foreColor(form.LblYourYears), colors::windowText());
  EXPECT_TRUE(vantel::shown(form.LblYourYears));
  EXPECT_EQ(form.Frame1->title(), "Results");
  EXPECT_EQ(form.Frame2->title(), "Possible birth years");
  EXPECT_TRUE(form.mnuPrint->isEnabled());
  EXPECT_EQ(selectionStates(form), before);
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, CountCalcDisplayContradictions,
    ::testing::Values(ContradictionCase{"neighbouring ranges", {"Opt1830_5", "Opt1840_5"}},
                      ContradictionCase{"16 and Over with Under 5", {"Opt1790M_2", "Opt1840_1"}},
                      ContradictionCase{"1800 misses 1800",
                                        {"Opt1800_1", "Opt1810_2", "Opt1820_6"}}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST_F(CountCalcDisplayTest, CalculatingTwiceGivesTheSameText) {
  calculate({"Opt1790F_1", "Opt1800_4"});
  const QString first = yearsText();
  form.CmdCalc->click();
  EXPECT_EQ(yearsText(), first);
  EXPECT_EQ(form.TextDisplay->text(), first);
  EXPECT_EQ(first, yearList(1756, 1774));
}

TEST_F(CountCalcDisplayTest, AContradictionAfterAResultEmptiesTheList) {
  calculate({"Opt1830_5"});
  ASSERT_EQ(yearsText(), yearList(1801, 1810));
  chooseRanges(form, {"Opt1840_5"});
  form.CmdCalc->click();
  EXPECT_TRUE(yearsText().isEmpty());
  // And a good selection afterwards lists its years again, once.
  chooseRanges(form, {"Opt1840_6"});
  form.CmdCalc->click();
  expectResultShown(yearList(1801, 1810));
  EXPECT_EQ(platform.messages().size(), 1);
}

TEST_F(CountCalcDisplayTest, TheListOutlivesTheForm) {
  calculate({"Opt1820_3"});
  program.close(form);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(program.state<CensusVariables>().CensusYearsText, yearList(1802, 1804));
  FormCBYC& fresh = program.form<FormCBYC>();
  EXPECT_EQ(fresh.Frame1->title(), "Intructions");
  EXPECT_FALSE(fresh.mnuPrint->isEnabled());
}

}  // namespace
}  // namespace vantel::test
