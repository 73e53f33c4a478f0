// vantel-calc as a user runs it: one case of each kind, a batch with good,
// refused and unreadable rows, the exit statuses; and the same cases given to
// the windows and to vantel-calc, which must give the same result or the same
// first refusal.

#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>

#include "bad/CheckCalculateFixture.h"
#include "census/CensusFixture.h"
#include "census/CensusFormDriver.h"
#include "dow/DowFixture.h"

namespace vantel::test {
namespace {

struct CalcRun {
  int exitCode;
  QString out, err;
};

CalcRun runCalc(const QStringList& arguments, const QByteArray& input = {}) {
  QProcess process;
  process.start(QStringLiteral(VANTEL_CALC_BINARY), arguments);
  process.write(input);
  process.closeWriteChannel();
  if (!process.waitForFinished(30000)) process.kill();
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
          QString::fromUtf8(process.readAllStandardOutput()),
          QString::fromUtf8(process.readAllStandardError())};
}

const QString kUsage =
    "Usage: vantel-calc {birth|age|death|weekday|census} ARGUMENTS...  or  vantel-calc [KIND] "
    "--csv FILE\nTry 'vantel-calc --help' for more information.\n";
const QString kIllogical =
    "Illogical Age Ranges\nYou have selected an ilogical combination of census years and age "
    "ranges.  Re-check your selections and try again.  (You may be trying to calculate the "
    "birth date on two seperate individuals)\n";

TEST(VantelCalc, OneCaseOfEachKindAndTheMistakes) {
  const struct {
    QStringList arguments;
    int exitCode;
    QString out, err;
  } cases[] = {
      {{"birth", "--died", "1871-03-12", "--age", "67y4m3d"}, 0, "1803-11-09\n", ""},
      {{"age", "--born=1803-11-09", "--died", "March 12, 1871", "--long"},
       0,
       "67 Years, 4 Months and 3 Days\n",
       ""},
      {{"death", "--born", "1803-11-09", "--age", "67 Years, 4 Months and 3 Days"},
       0,
       "1871-03-12\n",
       ""},
      {{"weekday", "1776-07-04"}, 0, "Thursday\n", ""},
      {{"census", "1800=10 Thru 15", "1810=16 Thru 25", "1790M=Under 16"},
       0,
       "1785 1786 1787 1788 1789 1790\n",
       ""},
      {{"census", "1790=16 and Over", "1840=Under 5"}, 1, "", kIllogical},
      {{"weekday", "February 29, 1900"},
       1,
       "",
       "Non Leap Year!\n1900 is not a leap year and therefore only has 28 days, please select "
       "another day or enter a different year.\n"},
      {{"age", "--born", "1900-02-29", "--died", "1950-06-15"},
       1,
       "",
       "Non Leap Year! (Birth)\n1900 is not a leap year and therefore only has 28 days, please "
       "pick another birth day or enter a different birth year.\n"},
      {{"birth", "--died", "1871-03-12"}, 2, "", "vantel-calc: birth takes --died and --age\n"},
      {{"--long", "age", "--born", "1803-11-09"},
       2,
       "",
       "vantel-calc: age takes --born and --died\n"},
      {{"weekday", "12/03/1871"},
       2,
       "",
       "vantel-calc: The date \"12/03/1871\" is not a date: write it as 1871-03-12 or as March "
       "12, 1871.\n"},
      {{"census", "1800=Under 16"},
       2,
       "",
       "vantel-calc: \"Under 16\" is not an age range of the 1800 census: it has \"Under 10\", "
       "\"10 Thru 15\", \"16 Thru 25\", \"26 Thru 44\", \"45 and Over\".\n"},
      {{"census", "1790F=Under 16"},
       2,
       "",
       "vantel-calc: \"Under 16\" is not an age range of the 1790F census: it has \"All "
       "Females\".\n"},
      {{"birth", "--died", "1871-03-12", "--age", "1y", "--age", "2y"},
       2,
       "",
       "vantel-calc: '--age' is given twice\n"},
      {{"--frobnicate"}, 2, "", "vantel-calc: unknown option '--frobnicate'\n"},
      {{}, 2, "", "vantel-calc: say what to calculate: birth, age, death, weekday or census\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments.join(' ').toStdString());
    const CalcRun run = runCalc(c.arguments);
    EXPECT_EQ(run.exitCode, c.exitCode);
    EXPECT_EQ(run.out, c.out);
    EXPECT_EQ(run.err, c.exitCode == 2 ? c.err + kUsage : c.err);
  }
  const CalcRun help = runCalc({"--help"});
  EXPECT_TRUE(help.out.startsWith("Usage: vantel-calc birth --died DATE --age AGE\n"));
  EXPECT_EQ(runCalc({"--version"}).out, "vantel-calc (Tamsford Genealogy Calculator) 1.3.0\n");
}

TEST(VantelCalc, ABatchGivesEveryRowBackInOrderWithItsAnswer) {
  // Kinds by what each row fills in; quoted fields, an unknown column, a
  // refused row, an unreadable one, a short and a long one.
  const QByteArray input =
      "Name,DIED,born,age,date,1800,1810,note\r\n"
      "Ann,1871-03-12,,67y4m3d,,,,\"stone, broken\"\r\n"
      "Bob,,1803-11-09,3y,,,,\"said \"\"Bob\"\"\nby his wife\"\r\n"
      "Cy,1570-06-01,,40y,,,,\r\n"
      "Dee,12/03/1871,,3y,,,,\r\n"
      "Eve,,,,1776-07-04,,,\r\n"
      "Fay,,,,,10 Thru 15,16 Thru 25,\r\n"
      "Gil,1871-03-12,1803-11-09,67y,,,,\r\n"
      "Hal,1871-03-12\r\n"
      "Ida,,,,1776-07-04,,,,extra\r\n";
  const QString refusedJulian =
      "Julian Year! (Death),\"This in not a valid death year, please enter again.  Remember, this "
      "application only calculates from 1583 or later.\"";
  const QString expected =
      "Name,DIED,born,age,date,1800,1810,note,result,refusal_title,refusal_text\n"
      "Ann,1871-03-12,,67y4m3d,,,,\"stone, broken\",1803-11-09,,\n"
      "Bob,,1803-11-09,3y,,,,\"said \"\"Bob\"\"\nby his wife\",1806-11-09,,\n"
      "Cy,1570-06-01,,40y,,,,,," +
      refusedJulian +
      "\n"
      "Dee,12/03/1871,,3y,,,,,,Unreadable Date,\"The death date \"\"12/03/1871\"\" is not a date: "
      "write it as 1871-03-12 or as March 12, 1871.\"\n"
      "Eve,,,,1776-07-04,,,,Thursday,,\n"
      "Fay,,,,,10 Thru 15,16 Thru 25,,1785 1786 1787 1788 1789 1790,,\n"
      "Gil,1871-03-12,1803-11-09,67y,,,,,,Nothing To Calculate,\"Give two of born, died and age "
      "and leave the one to compute empty, or a date, or census age ranges.\"\n"
      "Hal,1871-03-12,,,,,,,,Malformed Row,This row has 2 fields; the header names 8.\n"
      "Ida,,,,1776-07-04,,,,extra,,Malformed Row,This row has 9 fields; the header names 8.\n";
  const CalcRun run = runCalc({"--csv", "-"}, input);
  EXPECT_EQ(run.out, expected);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.exitCode, 1);

  // A kind for every row: an empty cell is the window's empty box.
  const CalcRun birth =
      runCalc({"birth", "--csv", "-", "--long"}, "died,age\n1871-03-12,67y4m3d\n,1y\n");
  EXPECT_EQ(
      birth.out,
      "died,age,result,refusal_title,refusal_text\n1871-03-12,67y4m3d,\"November 9, 1803\",,\n"
      ",1y,,Missing Death Month!,Please select a death month.\n");
  EXPECT_EQ(birth.exitCode, 1);
  EXPECT_EQ(runCalc({"--csv", "-"}, "date\n2000-02-29\n").exitCode, 0);
  EXPECT_EQ(runCalc({"--csv", "-"}, "").exitCode, 2);
  EXPECT_EQ(runCalc({"--csv", "-"}, "name,place\nAnn,Tamsford\n").exitCode, 2);
  EXPECT_EQ(runCalc({"age", "--csv", "-"}, "born,age\n").exitCode, 2);
  EXPECT_EQ(runCalc({"--csv", "/nonexistent/stones.csv"}).exitCode, 2);
}

// What vantel-calc says for a case: its result, or the refusal's title and text.
QString calcAnswer(const QStringList& arguments) {
  const CalcRun run = runCalc(arguments + QStringList{"--long"});
  return run.exitCode == 0 ? run.out.chopped(1) : run.err.chopped(1);
}

// What a window says: its first message's title and prompt, else its result.
QString formAnswer(const ScriptedPlatform& platform, const QString& result) {
  const auto messages = platform.messages();
  return messages.isEmpty() ? result : messages[0].title + "\n" + messages[0].prompt;
}

class CalcBesideBadForm : public BadTest {};

TEST_F(CalcBesideBadForm, GivesTheFormsResultOrFirstRefusal) {
  const struct {
    const char* kind;
    QString born, died, age;
  } cases[] = {
      {"birth", "", "March 5, 1900", "30y2m10d"},
      {"birth", "", "March 1, 1904", "0y0m1d"},
      {"birth", "", "June 1, 1600", "30y"},
      {"birth", "", "May 3, 1582", "1y"},
      {"birth", "", "March 1, 1900", "0y13m0d"},
      {"age", "January 31, 1850", "March 1, 1900", ""},
      {"age", "June 15, 1900", "June 15, 1850", ""},
      {"age", "February 29, 1904", "February 28, 1905", ""},
      {"death", "January 31, 1900", "", "0y1m0d"},
      {"death", "December 15, 1899", "", "-1y"},
      {"death", "February 29, 1904", "", "99y11m30d"},
  };
  const QRegularExpression date("^(\\w+) (\\d+), (\\d+)$"), age("^(-?\\d+)y(?:(\\d+)m(\\d+)d)?$");
  for (const auto& c : cases) {
    SCOPED_TRACE(QStringLiteral("%1 %2 %3 %4").arg(c.kind, c.born, c.died, c.age).toStdString());
    const auto b = date.match(c.born), d = date.match(c.died), a = age.match(c.age);
    const QString kind = QLatin1String(c.kind);
    choose(kind == "birth" ? form.OptBirth : kind == "age" ? form.OptAge : form.OptDeath);
    fill({b.captured(1), b.captured(2), b.captured(3),
          a.captured(2).isEmpty() ? "0" : a.captured(2),
          a.captured(3).isEmpty() ? "0" : a.captured(3), a.captured(1), d.captured(1),
          d.captured(2), d.captured(3)});
    calculate();
    QStringList arguments{kind};
    if (kind != "birth") arguments << "--born" << c.born;
    if (kind != "age") arguments << "--age" << c.age;
    if (kind != "death") arguments << "--died" << c.died;
    const QString result = kind == "birth" ? form.TxTBirthDis->text()
                           : kind == "age" ? form.TxTAgeDis->text()
                                           : form.TxTDeathDis->text();
    EXPECT_EQ(calcAnswer(arguments), formAnswer(platform, result));
  }
}

class CalcBesideDowForm : public DowTest {};

TEST_F(CalcBesideDowForm, GivesTheFormsResultOrFirstRefusal) {
  for (const auto& [month, day, year] :
       std::vector<std::array<QString, 3>>{{"July", "4", "1776"},
                                           {"January", "1", "0"},
                                           {"February", "29", "1900"},
                                           {"February", "29", "2000"},
                                           {"February", "30", "2000"},
                                           {"April", "31", "1999"}}) {
    SCOPED_TRACE((month + " " + day + ", " + year).toStdString());
    calculate(month, day, year);
    EXPECT_EQ(calcAnswer({"weekday", month + " " + day + ", " + year}),
              formAnswer(platform, form.TxtDay->text()));
  }
}

class CalcBesideCensusForm : public CensusTest {};

TEST_F(CalcBesideCensusForm, GivesTheFormsResultOrFirstRefusal) {
  FormCBYC& form = shown<FormCBYC>();
  for (const std::initializer_list<const char*>& options :
       {std::initializer_list<const char*>{"Opt1800_2", "Opt1810_3", "Opt1790M_1"},
        {"Opt1790F_1", "Opt1800_4"},
        {"Opt1840_1"},
        {"Opt1830_5", "Opt1840_5"},
        {"Opt1790M_2", "Opt1840_1"}}) {
    form.ReseT();
    chooseRanges(form, options);
    platform.clear();
    form.CmdCalc_Click();
    QStringList arguments{"census"};
    for (const char* option : options)
      for (const census::AgeRange& r : census::CensusAgeRanges)
        if (r.option == std::string_view(option))
          arguments << QString::number(r.census) +
                           (r.census == 1790 ? QString(r.frame).right(1) : "") + "=" + r.caption;
    SCOPED_TRACE(arguments.join(' ').toStdString());
    EXPECT_EQ(calcAnswer(arguments), formAnswer(platform, yearsText().trimmed()));
  }
}

}  // namespace
}  // namespace vantel::test
