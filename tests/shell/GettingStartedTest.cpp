// The Getting Started page: its explanations shown one at a time through real
// clicks and keys, Clear Form and Close, the calculators its icons open, its
// exact texts shown whole, and its bands as a screen reader and the mouse
// pointer present them.
#include <QAccessible>
#include <QBitmap>

#include "bad/FormBAD.h"
#include "census/FormCBYC.h"
#include "dow/FormDOW.h"
#include "resources/Cursors.h"
#include "shell/ShellFixture.h"

namespace vantel::test {
namespace {

// The explanations showing, by name ("" for none).
QString explanation(const FormBegin& page) {
  QStringList names;
  for (const QWidget* text : {page.TextBAD, page.TextCBY, page.TextDOW})
    if (vantel::shown(text)) names << text->objectName();
  return names.join('+');
}

TEST_F(ShellTest, GettingStartedShowsOneExplanationAtATimeAndKeepsItWhenClosed) {
  MDIMain& main = openMain();
  FormBegin* page = program.existing<FormBegin>();
  struct Step {
    const char* name;
    std::function<void()> act;
    QString showing;
    bool edit;  // mnuedit enabled
  };
  const Step steps[] = {
      {"start", [] {}, "", false},
      {"Clear Form with nothing showing", [&] { page->mnuClearForm->trigger(); }, "", false},
      {"More Info of Birth-Age-Death", [&] { click(page->PictureInfoBAD); }, "TextBAD", true},
      {"the same More Info again", [&] { click(page->PictureInfoBAD); }, "TextBAD", true},
      {"More Info of Census", [&] { click(page->PictureInfoCBY); }, "TextCBY", true},
      {"More Info of Day of the Week", [&] { click(page->PictureInfoDOW); }, "TextDOW", true},
      {"Close, then Getting Started of the main window",
       [&] {
         page->mnuclose->trigger();
         EXPECT_FALSE(vantel::shown(page));
         main.mnuStart->trigger();
         EXPECT_EQ(program.existing<FormBegin>(), page);
         EXPECT_TRUE(vantel::shown(page));
       },
       "TextDOW", true},
      {"Clear Form", [&] { page->mnuClearForm->trigger(); }, "", false},
      {"Tab to the Census More Info and press Space",
       [&] {
         page->Picture2->setFocus();
         for (int i = 0; i < 3; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
         EXPECT_EQ(QApplication::focusWidget(), page->PictureInfoCBY);
         QTest::keyClick(page->PictureInfoCBY, Qt::Key_Space);
       },
       "TextCBY", true},
      {"window's close box, then Getting Started again",
       [&] {
         page->parentWidget()->close();
         settle();
         page = &program.open<FormBegin>(true);
       },
       "", false},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    step.act();
    EXPECT_EQ(explanation(*page), step.showing);
    EXPECT_EQ(page->mnuedit->menuAction()->isEnabled(), step.edit);
  }
}

TEST_F(ShellTest, GettingStartedIconsOpenTheirCalculatorsInFront) {
  MDIMain& main = openMain();
  FormBegin* page = program.existing<FormBegin>();
  struct Case {
    QWidget* icon;
    std::function<Form*()> calculator;
  };
  const Case cases[] = {
      {page->Picture2, [&] { return program.existing<FormBAD>(); }},
      {page->Picture1, [&] { return program.existing<FormCBYC>(); }},
      {page->Picture4, [&] { return program.existing<FormDOW>(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.icon->objectName().toStdString());
    program.show(*page, true);
    click(c.icon);
    EXPECT_NE(c.calculator(), nullptr);
    EXPECT_EQ(main.host().activeChild(), c.calculator());
  }
}

TEST_F(ShellTest, GettingStartedExplanationsAreTheExactTextsShownWhole) {
  openMain();
  FormBegin* page = program.existing<FormBegin>();
  struct Case {
    MultiLineText* box;
    QWidget* info;
    QString text;
  };
  const Case cases[] = {
      {page->TextBAD, page->PictureInfoBAD,
       "At one time it was common for burial markers to list a person's death date and age at the "
       "time of \r\n"
       "their death in years, months and days.  This calculator will return the missing birth "
       "date, or any \r\n"
       "value, if at least two values are known.  For example, if you know an individual's birth "
       "date and how \r\n"
       "old they were in years, months and days at the time of their death, this calculator will "
       "return the date \r\n"
       "of death.\r\n"},
      {page->TextCBY, page->PictureInfoCBY,
       "Unlike later census years that listed all members of the household and the age at the time "
       "of the \r\n"
       "census, the 1790 - 1840 Census only list the head of the household and the number of "
       "persons who \r\n"
       "fell into certain age ranges.  If you are able to make an educated guess as to which age "
       "\r\n"
       "categories an ancestor belonged in one or more census year(s), this calculator will "
       "combine the \r\n"
       "data and return the only possible years in which the person could have been born.\r\n"},
      {page->TextDOW, page->PictureInfoDOW,
       "Often newspapers and other publications will announce events by listing the day of the "
       "week \r\n"
       "in which it occured as opposed to the date.  This calculator will determine the day of the "
       "week \r\n"
       "for any given date.  For instance, if a newspaper says \"an individual died January, 15, "
       "1937, \r\n"
       "the funeral will take place next Tuesday.\"  By finding out what day of the week 1/15/37 "
       "and \r\n"
       "adding the number of days until the \"next Tuesday\" you can determine what date Tuesday "
       "\r\n"
       "was.\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.box->objectName().toStdString());
    click(c.info);
    EXPECT_EQ(c.box->text(), c.text);
    EXPECT_EQ(cutOffLines(c.box), QStringList());
  }
}

TEST_F(ShellTest, GettingStartedBandsAreNamedDrawnAndPointedAt) {
  openMain();
  FormBegin* page = program.existing<FormBegin>();
  struct Case {
    PictureButton* button;
    QString name, tip;
    QCursor pointer;
  };
  const QString more = "More information about the ";
  const Case cases[] = {
      {page->Picture2, "Birth-Age-Death Calculator", "", artwork::openPointer()},
      {page->PictureInfoBAD, more + "Birth-Age-Death Calculator", "More Info",
       artwork::helpPointer()},
      {page->Picture1, "Census Birth Year Calculator", "Census Birth Year Calculator",
       artwork::openPointer()},
      {page->PictureInfoCBY, more + "Census Birth Year Calculator", "More Info",
       artwork::helpPointer()},
      {page->Picture4, "Day of the Week Calculator", "", artwork::openPointer()},
      {page->PictureInfoDOW, more + "Day of the Week Calculator", "More Info",
       artwork::helpPointer()},
  };
  page->Picture2->setFocus();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button->objectName().toStdString());
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(c.button);
    EXPECT_EQ(reader->text(QAccessible::Name), c.name);
    EXPECT_EQ(reader->role(), QAccessible::Button);
    EXPECT_EQ(c.button->toolTip(), c.tip);
    // Reached with Tab in the order of the bands.
    EXPECT_EQ(QApplication::focusWidget(), c.button);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    // A drawn picture of its own: many pixels, none of them outside the icon.
    const QImage icon = c.button->icon().pixmap(32, 32).toImage();
    int inked = 0;
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) inked += qAlpha(icon.pixel(x, y)) > 0;
    EXPECT_GT(inked, 250);
    // The monochrome pointer shows once the mouse is over the button.
    QTest::mouseMove(c.button);
    EXPECT_EQ(c.button->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(c.button->cursor().bitmap().size(), QSize(32, 32));
    EXPECT_EQ(c.button->cursor().bitmap().toImage(), c.pointer.bitmap().toImage());
  }
  EXPECT_NE(artwork::openPointer().bitmap().toImage(), artwork::helpPointer().bitmap().toImage());
  EXPECT_EQ(QAccessible::queryAccessibleInterface(page->ImageTamsford)->text(QAccessible::Name),
            "Tamsford Genealogy Calculator logo");
}

}  // namespace
}  // namespace vantel::test
