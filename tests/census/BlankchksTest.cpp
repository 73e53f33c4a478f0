// The checks in front of the census calculation: which of the eight messages a
// selection gets, in which order, and what a request changes on the form.

#include <QSignalBlocker>

#include "CensusFormDriver.h"
#include "census/CensusTexts.h"
#include "census/CensusVariables.h"
#include "census/FormCBYC.h"
#include "forms/Colors.h"
#include "support/ProgramFixture.h"

namespace vantel::test {
namespace {

const QString kMissingCensusYear = QStringLiteral(
    "You must select at least one census year and age range value.  Please select a census year "
    "and age range value.");
const QString kMissingGender = QStringLiteral(
    "You have checked the 1790 census but have not selected a gender.  Please select a gender or "
    "un-check 1790 and select another census year.");

QString missingRange(int census) {
  return QStringLiteral(
             "You have checked the %1 census but have not selected an age range.  Please select an "
             "age range from within the %1 census or un-check %1 and select another census year.")
      .arg(census);
}
const QString kMissing1820 = QStringLiteral(
    "You have checked the 1820 Census but have not selected an Age Range.  Please select an Age "
    "Range from within the 1820 Census or un-check 1820 and select another Census year.");
const QString kMissing1840 = QStringLiteral(
    "You have checked the 1840 census but have not selected and age range.  Please select an age "
    "range from within the 1840 census or un-check 1840 and select another census year.");

// A selection: censuses ticked without a range (1790 with the gender frame
// named, or none), then ranges chosen; the expected refusal, or none.
struct Case {
  const char* what;
  std::vector<std::pair<int, const char*>> tickedOnly;
  std::vector<const char*> ranges;
  QString title;  // empty: the request passes
  QString prompt;
};
void PrintTo(const Case& c, std::ostream* out) { *out << c.what; }

class BlankchksTest : public ProgramTest, public ::testing::WithParamInterface<Case> {
 protected:
  FormCBYC& form = shown<FormCBYC>();
  QString& yearsText() { return program.state<CensusVariables>().CensusYearsText; }
};

TEST_P(BlankchksTest, RefusesWithOneMessageOrCalculates) {
  const Case& c = GetParam();
  SCOPED_TRACE(c.what);
  for (const auto& [census, gender] : c.tickedOnly) tickCensus(form, census, gender);
  for (const char* name : c.ranges) chooseRanges(form, {name});
  yearsText() = QStringLiteral("1700 ");  // an earlier result
  form.focusControl(form.Chk1840);
  const auto before = selectionStates(form);

  form.CmdCalc->click();

  EXPECT_EQ(selectionStates(form), before);
  EXPECT_EQ(form.focusedControl(), form.Chk1840);
  EXPECT_EQ(QApplication::focusWidget(), form.Chk1840);
  if (c.title.isEmpty()) {
    EXPECT_TRUE(platform.messages().isEmpty());
    EXPECT_EQ(form.Frame1->title(), "Results");
    EXPECT_NE(yearsText(), "1700 ");
    return;
  }
  ASSERT_EQ(platform.messages().size(), 1);
  const Call m = platform.messages().first();
  EXPECT_EQ(m.title, c.title);
  EXPECT_EQ(m.prompt, c.prompt);
  EXPECT_EQ(m.icon(), msg::Critical);
  EXPECT_EQ(m.buttons(), msg::OkOnly);
  // No calculation ran: the list and the captions are as they were.
  EXPECT_EQ(yearsText(), "1700 ");
  EXPECT_EQ(form.Frame1->title(), "Intructions");
  EXPECT_FALSE(form.mnuPrint->isEnabled());
  EXPECT_EQ(form.TextDisplay->text(), census::text::introduction);
  EXPECT_EQ(form.LblYourYears->text(), census::text::chooseCensusYears);
}

const QString kRange = QStringLiteral("Missing Age Range");
const QString kGender = QStringLiteral("Missing Gender Selection");

INSTANTIATE_TEST_SUITE_P(
    Selections, BlankchksTest,
    ::testing::Values(
        Case{"nothing ticked", {}, {}, "Missing Census Year", kMissingCensusYear},
        Case{"1790 without gender", {{1790, nullptr}}, {}, kGender, kMissingGender},
        Case{"1790 without gender, others complete",
             {{1790, nullptr}},
             {"Opt1800_1", "Opt1830_6"},
             kGender,
             kMissingGender},
        Case{"1790 without gender before 1800 without range",
             {{1800, nullptr}, {1790, nullptr}},
             {},
             kGender,
             kMissingGender},
        Case{"1790 male without range", {{1790, "Frame1790M"}}, {}, kRange, missingRange(1790)},
        Case{"1790 female frame, range cleared",
             {{1790, "Frame1790F"}},
             {},
             kRange,
             missingRange(1790)},
        Case{"1790 female", {}, {"Opt1790F_1"}, {}, {}},
        Case{"1800 without range", {{1800, nullptr}}, {}, kRange, missingRange(1800)},
        Case{"1810 without range", {{1810, nullptr}}, {}, kRange, missingRange(1810)},
        Case{"1820 without range", {{1820, nullptr}}, {}, kRange, kMissing1820},
        Case{"1830 without range", {{1830, nullptr}}, {}, kRange, missingRange(1830)},
        Case{"1840 without range", {{1840, nullptr}}, {}, kRange, kMissing1840},
        Case{"1800 and 1830 without range: 1800 first",
             {{1830, nullptr}, {1800, nullptr}},
             {},
             kRange,
             missingRange(1800)},
        Case{"another census's range does not count",
             {{1800, nullptr}},
             {"Opt1810_2"},
             kRange,
             missingRange(1800)},
        Case{"1840 last of the checks",
             {{1840, nullptr}},
             {"Opt1790M_1", "Opt1800_2", "Opt1810_3", "Opt1820_5", "Opt1830_7"},
             kRange,
             kMissing1840}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

class BlankchksSequence : public ProgramTest {
 protected:
  FormCBYC& form = program.form<FormCBYC>();
};

TEST_F(BlankchksSequence, ReportsTheNextCensusOnceTheFirstIsFixed) {
  tickCensus(form, 1800);
  tickCensus(form, 1830);
  form.CmdCalc->click();
  setOptionValue(form.option(QStringLiteral("Opt1800_3")), true);
  form.CmdCalc->click();
  setOptionValue(form.option(QStringLiteral("Opt1830_8")), true);
  form.CmdCalc->click();
  const auto messages = platform.messages();
  ASSERT_EQ(messages.size(), 2);
  EXPECT_EQ(messages[0].prompt, missingRange(1800));
  EXPECT_EQ(messages[1].prompt, missingRange(1830));
  EXPECT_EQ(program.state<CensusVariables>().CensusYearsText, yearList(1775, 1780));
}

TEST_F(BlankchksSequence, AnUntickedCensusIsNeverExamined) {
  chooseRanges(form, {"Opt1800_1"});
  form.Frame1830->show();                                          // open, unticked, no range
  setOptionValue(form.option(QStringLiteral("Opt1840_7")), true);  // unticked, with a range
  form.CmdCalc->click();
  EXPECT_TRUE(platform.messages().isEmpty());
  // Only the ticked census decides the list.
  EXPECT_EQ(program.state<CensusVariables>().CensusYearsText, yearList(1791, 1799));
}

TEST_F(BlankchksSequence, AGreyedBoxIsNotTicked) {
  {
    // A greyed box cannot be made by the user; set it without its click handler.
    const QSignalBlocker quiet(form.Chk1800);
    setCheckValue(form.Chk1800, 2);
  }
  form.Frame1800->show();
  form.CmdCalc->click();
  ASSERT_EQ(platform.messages().size(), 1);
  EXPECT_EQ(platform.messages().first().title, "Missing Census Year");
}

TEST_F(BlankchksSequence, ARefusalReplacesTheShownResult) {
  chooseRanges(form, {"Opt1820_2"});
  form.CmdCalc->click();
  ASSERT_EQ(form.TextDisplay->text(), yearList(1805, 1810));
  setOptionValue(form.option(QStringLiteral("Opt1820_2")), false);
  form.CmdCalc->click();
  ASSERT_EQ(platform.messages().size(), 1);
  EXPECT_EQ(platform.messages().first().prompt, kMissing1820);
  EXPECT_EQ(form.TextDisplay->text(), census::text::introduction);
  EXPECT_EQ(foreColor(form.TextDisplay), colors::windowText());
  EXPECT_EQ(form.LblYourYears->text(), census::text::chooseCensusYears);
  EXPECT_EQ(foreColor(form.LblYourYears), colors::windowText());
  // Only the texts go back; the stored list stays for printing.
  EXPECT_EQ(program.state<CensusVariables>().CensusYearsText, yearList(1805, 1810));
}

}  // namespace
}  // namespace vantel::test
