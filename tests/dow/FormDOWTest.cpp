#include <QAccessible>

#include "dow/DowFixture.h"
#include "forms/Colors.h"

namespace vantel::test {
namespace {

template <class W>
W* control(FormDOW& form, const char* name) {
  return form.findChild<W*>(QLatin1String(name));
}

TEST_F(DowTest, ControlsCarryTheirNamesCaptionsAndTooltips) {
  struct Button {
    const char *name, *caption, *tip;
    bool enabled, visible;
  };
  const Button buttons[] = {
      {"CmdDOWgo", "&Calculate the Day of Week", "", true, true},
      {"cmdReset", "&Reset Form", "Reset the form.", false, true},
      {"CmdPrintForm", "&Print Results", "Print Results.", false, true},
      {"cmdExit", "E&xit Form", "Close this Calculator.", true, true},
      {"cmdPrntNote", "&Print", "Print Results.", true, false},
  };
  for (const auto& b : buttons) {
    SCOPED_TRACE(b.name);
    auto* w = control<QPushButton>(form, b.name);
    if (!w) {
      ADD_FAILURE() << "no such button";
      continue;
    }
    EXPECT_EQ(w->text(), b.caption);
    EXPECT_EQ(w->toolTip(), b.tip);
    EXPECT_EQ(w->isEnabled(), b.enabled);
    EXPECT_EQ(vantel::shown(w), b.visible);
  }
  struct Frame {
    const char *name, *caption;
  };
  for (const Frame& f : {Frame{"frameDowDate", "Select Date"}, Frame{"Frame1", "Day of the Week"},
                         Frame{"Frame2", "Instuctions"}, Frame{"FrameInfo", "Information"}}) {
    auto* w = control<QGroupBox>(form, f.name);
    EXPECT_EQ(w ? w->title() : "(missing)", f.caption) << f.name;
  }
  for (const Frame& l :
       {Frame{"Label2", "MONTH"}, Frame{"Label6", "DAY"}, Frame{"Label7", "YEAR"}}) {
    auto* w = control<QLabel>(form, l.name);
    EXPECT_EQ(w ? w->text() : "(missing)", l.caption) << l.name;
  }

  EXPECT_EQ(control<ComboBox>(form, "CmbMth"), form.CmbMth);
  EXPECT_EQ(control<ComboBox>(form, "CmbDay"), form.CmbDay);
  EXPECT_TRUE(form.CmbMth->isEditable());
  EXPECT_TRUE(form.CmbDay->isEditable());
  EXPECT_EQ(control<TextBox>(form, "txtYear"), form.txtYear);
  EXPECT_EQ(form.txtYear->maxLength(), 4);
  EXPECT_EQ(form.txtYear->toolTip(), "Enter a valid Death Year");
  EXPECT_EQ(form.TxtDay->parentWidget(), form.Frame1);
  EXPECT_TRUE(form.TxtDay->isReadOnly());
  EXPECT_FALSE(vantel::shown(form.txtAddInfo));
  EXPECT_EQ(form.size(), QSize(708, 519));

  // What a screen reader calls each control that is not named by its caption.
  const std::pair<QWidget*, const char*> spoken[] = {
      {form.CmbMth, "Date: month"},
      {form.CmbDay, "Date: day"},
      {form.txtYear, "Date: year"},
      {form.TxtDay, "Day of the Week"},
      {form.txtAddInfo, "Note to print"},
      {form.ImageTamsford, "Tamsford Genealogy Calculator logo"},
  };
  for (const auto& [w, name] : spoken) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    EXPECT_EQ(a ? a->text(QAccessible::Name) : "(none)", name) << w->objectName().toStdString();
  }
}

TEST_F(DowTest, StartsWithItsInstructionsAndInformation) {
  EXPECT_EQ(form.TextHowto->text(),
            "To begin, enter the date above for which you'd like to calculate the day of the "
            "week.\r\n");
  EXPECT_EQ(foreColor(form.TextHowto), colors::tooltipText());
  const QStringList lines = form.TextAbout->text().split("\r\n");
  ASSERT_EQ(lines.size(), 7);  // six lines, each ended by a line break
  EXPECT_EQ(lines[0],
            "Often newspapers and other publications will announce events by listing the day of "
            "the week ");
  EXPECT_EQ(lines[2],
            "for any given date.  For instance, if a newspaper says \"an individual died January, "
            "15, 1937, ");
  EXPECT_EQ(lines[3],
            "the funeral will take place next Tuesday.\"  By finding out what day of the week "
            "1/15/37 and ");
  EXPECT_EQ(lines[5], "was.");
  EXPECT_EQ(lines[6], "");
}

TEST_F(DowTest, MenusStartAsLoaded) {
  QStringList names;
  for (QMenu* m : form.menus()) names << m->objectName();
  EXPECT_EQ(names, QStringList({"mnuopen", "mnuEdit", "mnuView", "mnuWindow", "MnuHelp"}));
  EXPECT_EQ(form.mnuPrint->text(), "Print Form");
  EXPECT_EQ(form.mnuPrint->shortcut(), QKeySequence("Ctrl+P"));
  EXPECT_FALSE(form.mnuPrint->isEnabled());
  EXPECT_EQ(form.mnuEdit->title(), "&Edit");
  EXPECT_FALSE(form.mnuEdit->menuAction()->isEnabled());
  EXPECT_FALSE(form.mnuView->menuAction()->isEnabled());
  EXPECT_TRUE(form.mnuDOW->isChecked());
}

TEST_F(DowTest, EnteringTheMonthBoxRebuildsTheTwelveMonths) {
  const QStringList months = {"January",   "February", "March",    "April",
                              "May",       "June",     "July",     "August",
                              "September", "October",  "November", "December"};
  for (int entry = 0; entry < 3; ++entry) {
    SCOPED_TRACE(testing::Message() << "entry " << entry + 1);
    form.focusControl(form.txtYear);
    form.CmbMth->setText("March");
    form.focusControl(form.CmbMth);
    EXPECT_EQ(form.CmbMth->listItems(), months);
    EXPECT_EQ(form.CmbMth->text(), "");
  }
}

TEST_F(DowTest, EnteringTheDayBoxOffersTheDaysOfTheMonthAndYear) {
  struct Case {
    const char *month, *year;
    int days;
  };
  const Case cases[] = {
      {"February", "2000", 29}, {"February", "1900", 28}, {"February", "1996", 29},
      {"February", "1997", 28}, {"February", "", 29},     {"February", "abc", 29},
      {"February", "9e99", 29}, {"April", "1997", 30},    {"June", "", 30},
      {"September", "", 30},    {"November", "", 30},     {"July", "", 31},
      {"August", "", 31},       {"December", "", 31},     {"february", "1997", 31},
      {"Feb", "1997", 31},      {"", "1997", 31},
  };
  for (const auto& c : cases)
    for (int entry = 0; entry < 2; ++entry) {  // never duplicated on re-entry
      SCOPED_TRACE(testing::Message()
                   << '"' << c.month << "\" \"" << c.year << "\" entry " << entry + 1);
      form.focusControl(form.txtYear);
      form.CmbMth->setText(c.month);
      form.txtYear->setText(c.year);
      form.CmbDay->setText("7");
      form.focusControl(form.CmbDay);
      QStringList days;
      for (int d = 1; d <= c.days; ++d) days << QString::number(d);
      EXPECT_EQ(form.CmbDay->listItems(), days);
      EXPECT_EQ(form.CmbDay->text(), "");
    }
}

// Leaving a date field empty changes nothing; leaving it filled enables
// "&Reset Form" and the "&Edit" menu.
class LeavingAField : public DowTest {
 protected:
  void leave(QWidget* field, const std::function<void()>& fill) {
    form.focusControl(field);
    form.focusControl(form.CmdDOWgo);
    EXPECT_FALSE(form.cmdReset->isEnabled());
    EXPECT_FALSE(form.mnuEdit->menuAction()->isEnabled());
    form.focusControl(field);
    fill();
    form.focusControl(form.CmdDOWgo);
    EXPECT_TRUE(form.cmdReset->isEnabled());
    EXPECT_TRUE(form.mnuEdit->menuAction()->isEnabled());
  }
};

TEST_F(LeavingAField, Month) {
  leave(form.CmbMth, [this] { form.CmbMth->setText("May"); });
}
TEST_F(LeavingAField, Day) {
  leave(form.CmbDay, [this] { form.CmbDay->setText("7"); });
}
TEST_F(LeavingAField, Year) {
  leave(form.txtYear, [this] { form.txtYear->setText("1900"); });
}

}  // namespace
}  // namespace vantel::test
