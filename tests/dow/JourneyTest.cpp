// A user's way through the calculator with real keyboard and mouse events: a
// date, its weekday, a print with a note, a reset, and a print refused after a
// refused calculation.
#include <QClipboard>

#include "dow/DowFixture.h"
#include "forms/Colors.h"

namespace vantel::test {
namespace {

// Pixels inside the rectangle that are much darker than the rest of a text box.
int darkPixels(const QImage& image, const QRect& area) {
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (qGray(image.pixel(x, y)) < 100) ++n;
  return n;
}

class Journey : public DowTest {
 protected:
  void typeInto(QWidget* w, const QString& text) { QTest::keyClicks(w, text); }
  void clickInto(ComboBox* box) { QTest::mouseClick(box->lineEdit(), Qt::LeftButton); }
  QWidget* focusWidget() const { return QApplication::focusWidget(); }
};

TEST_F(Journey, DateWeekdayNotePrintResetAndARefusedPrint) {
  // The date: the month typed, then Tab to the day and the year.
  clickInto(form.CmbMth);
  typeInto(focusWidget(), "January");
  QTest::keyClick(focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(form.CmbDay->count(), 31);
  typeInto(focusWidget(), "15");
  QTest::keyClick(focusWidget(), Qt::Key_Tab);
  typeInto(focusWidget(), "1937");
  QTest::mouseClick(form.CmdDOWgo, Qt::LeftButton);
  EXPECT_EQ(form.TxtDay->text(), "Friday");
  EXPECT_TRUE(form.cmdReset->isEnabled());

  // Print with a note: Yes shows the note box, the note typed over its text.
  platform.answers = {msg::Yes};
  QTest::mouseClick(form.CmdPrintForm, Qt::LeftButton);
  EXPECT_EQ(focused(), "txtAddInfo");
  EXPECT_FALSE(form.CmdPrintForm->isEnabled());
  typeInto(focusWidget(), "Funeral next Tuesday");
  QTest::keyClick(focusWidget(), Qt::Key_Tab);  // on to the note's button, no tab typed
  EXPECT_EQ(form.txtAddInfo->toPlainText(), "Funeral next Tuesday");
  EXPECT_EQ(focusWidget(), form.cmdPrntNote);
  QTest::keyClick(focusWidget(), Qt::Key_Return);  // the focused button, not Calculate

  // The page is the form at that moment: the date, the weekday and the note,
  // without the note's own button.
  const auto prints = platform.prints();
  EXPECT_EQ(prints.size(), 1);
  const QImage page = prints.value(0).image.convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(page.size(), form.size());
  if (page.size() == form.size()) {
    const QRect note = form.txtAddInfo->geometry().adjusted(4, 4, -4, -4);
    EXPECT_GT(darkPixels(page, note), 50) << "the note's text";
    EXPECT_EQ(darkPixels(page, form.cmdPrntNote->geometry()), 0) << "the note's button";
    EXPECT_EQ(page.copy(form.frameDowDate->geometry()), form.frameDowDate->grab().toImage());
  }
  EXPECT_EQ(form.CmbMth->text(), "January");
  EXPECT_FALSE(vantel::shown(form.txtAddInfo));
  EXPECT_TRUE(form.CmdPrintForm->isEnabled());
  EXPECT_TRUE(form.mnuPrint->isEnabled());

  // Reset empties the date and the result and brings the instructions back.
  QTest::mouseClick(form.cmdReset, Qt::LeftButton);
  for (const QString& text :
       {form.CmbMth->text(), form.CmbDay->text(), form.txtYear->text(), form.TxtDay->text()})
    EXPECT_EQ(text, "");
  EXPECT_TRUE(form.CmbMth->listItems().isEmpty());
  EXPECT_TRUE(form.CmbDay->listItems().isEmpty());
  EXPECT_EQ(
      form.TextHowto->text(),
      "To begin, enter the date above for which you'd like to calculate the day of the week.");
  EXPECT_EQ(foreColor(form.TextHowto), colors::tooltipText());
  EXPECT_EQ(form.Frame2->title(), "Instructions");
  EXPECT_FALSE(form.cmdReset->isEnabled());
  EXPECT_FALSE(form.mnuEdit->menuAction()->isEnabled());
  EXPECT_FALSE(form.CmdPrintForm->isEnabled());
  EXPECT_FALSE(form.mnuPrint->isEnabled());
  EXPECT_EQ(foreColor(form.TxtDay), colors::navy());  // left as the result made it
  EXPECT_EQ(form.txtAddInfo->toPlainText(), "Funeral next Tuesday");

  // A month is kept as typed; Alt with the access key of the disabled Reset
  // types nothing.
  clickInto(form.CmbMth);
  typeInto(focusWidget(), "Feb");
  QTest::keyClick(focusWidget(), Qt::Key_R, Qt::AltModifier);
  EXPECT_EQ(form.CmbMth->text(), "Feb");
  QTest::keyClick(focusWidget(), Qt::Key_A, Qt::ControlModifier);

  // A result, then a year that is no year: the refused calculation leaves no
  // weekday, so Print Results refuses and disables both print commands.
  typeInto(focusWidget(), "July");
  QTest::keyClick(focusWidget(), Qt::Key_Tab);
  typeInto(focusWidget(), " 4 ");  // a typed day may have blanks around it
  QTest::keyClick(focusWidget(), Qt::Key_Tab);
  typeInto(focusWidget(), "1776");
  QTest::keyClick(focusWidget(), Qt::Key_Return);
  EXPECT_EQ(form.TxtDay->text(), "Thursday");
  QTest::keyClick(focusWidget(), Qt::Key_A, Qt::ControlModifier);
  typeInto(focusWidget(), "abc");
  platform.clear();
  QTest::keyClick(focusWidget(), Qt::Key_Return);
  EXPECT_EQ(platform.messages().value(0).title, "Invalid Year!");
  EXPECT_EQ(form.TxtDay->text(), "");
  EXPECT_TRUE(form.CmdPrintForm->isEnabled());
  platform.clear();
  QTest::mouseClick(form.CmdPrintForm, Qt::LeftButton);
  EXPECT_EQ(platform.messages().size(), 1);
  EXPECT_EQ(platform.messages().value(0).title, "No Results to Print");
  EXPECT_TRUE(platform.prints().isEmpty());
  EXPECT_FALSE(form.CmdPrintForm->isEnabled());
  EXPECT_FALSE(form.mnuPrint->isEnabled());

  // Enter on the focused Reset resets; Calculate does not run.
  form.focusControl(form.cmdReset);
  platform.clear();
  QTest::keyClick(focusWidget(), Qt::Key_Return);
  EXPECT_TRUE(platform.messages().isEmpty());
  EXPECT_EQ(form.txtYear->text(), "");
}

// A page-long paste into the month or the day box is cut to the box's limit
// (Qt's line edit did work per character of the whole paste, which froze the
// box), and the calculation refuses what is left as it refuses any bad date.
TEST_F(Journey, APageLongPasteIsCutAndRefused) {
  struct Row {
    ComboBox* box;
    const char* title;
  } rows[] = {{form.CmbMth, "Invalid Month!"}, {form.CmbDay, "Invalid Day!"}};
  const QString page = QStringLiteral("12<b>%1&amp;</b>").repeated(3000);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.title);
    QTest::mouseClick(form.cmdReset, Qt::LeftButton);
    form.CmbMth->setText("May");
    form.CmbDay->setText("7");
    form.txtYear->setText("1901");
    clickInto(row.box);
    QApplication::clipboard()->setText(page);
    QTest::keyClick(focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(focusWidget(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(row.box->text(), page.left(ComboBox::kTypedTextLimit));
    platform.clear();
    QTest::mouseClick(form.CmdDOWgo, Qt::LeftButton);
    EXPECT_EQ(platform.messages().value(0).title, row.title);
    EXPECT_EQ(form.TxtDay->text(), "");
  }
}

}  // namespace
}  // namespace vantel::test
