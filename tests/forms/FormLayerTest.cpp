// The form layer's semantics that the calculators rely on, each checked where
// a plain Qt widget would behave otherwise.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>

#include "forms/Colors.h"
#include "forms/Controls.h"
#include "forms/Form.h"
#include "support/ProgramFixture.h"

namespace vantel::test {
namespace {

int loads = 0;
int unloads = 0;

// A small form with one control of each kind the calculators use.
class SampleForm : public Form {
 public:
  explicit SampleForm(Program& p) : Form(p, "SampleForm", "Sample") {
    resize(400, 300);
    frameA = add<QGroupBox>("FrameA", nullptr);
    frameA->setGeometry(10, 10, 150, 100);
    optA1 = add<OptionButton>("OptA1", frameA);
    optA1->setGeometry(5, 20, 80, 20);
    optA2 = add<OptionButton>("OptA2", frameA);
    optA2->setGeometry(5, 45, 80, 20);
    frameB = add<QGroupBox>("FrameB", nullptr);
    frameB->setGeometry(170, 10, 150, 100);
    optB1 = add<OptionButton>("OptB1", frameB);
    optB1->setGeometry(5, 20, 80, 20);
    month = add<ComboBox>("cmbMonth", nullptr, false);
    month->setGeometry(10, 120, 100, 22);
    day = add<ComboBox>("cmbDay", nullptr, false);
    day->setGeometry(120, 120, 60, 22);
    typed = add<ComboBox>("cmbTyped", nullptr, true);
    typed->setGeometry(190, 120, 60, 22);
    year = add<TextBox>("txtYear", nullptr);
    year->setGeometry(260, 120, 60, 22);
    year->setMaxLength(4);
    chk = add<QCheckBox>("Chk1", nullptr);
    chk->setGeometry(10, 150, 80, 20);
    calc = add<QPushButton>("CmdCalc", nullptr);
    calc->setGeometry(10, 180, 80, 25);
    info = add<MultiLineText>("TextInfo", nullptr);
    info->setGeometry(10, 210, 300, 60);
    setDefaultButton(calc);
    edit = addMenu("mnuEdit", "&Edit");
    reset = addItem(edit, "mnuReset", "&Reset");

    onGotFocus(day, [this] {
      ++dayGot;
      day->clearList();
      for (int d = 1; d <= 31; ++d) day->addListItem(QString::number(d));
    });
    onLostFocus(month, [this] {
      ++monthLost;
      if (onMonthLost) onMonthLost();
    });
    onGotFocus(month, [this] { ++monthGot; });
    onGotFocus(year, [this] { ++yearGot; });
    onClick(chk, [this] { ++chkClicks; });
    onClick(optA1, [this] { ++optA1Clicks; });
    onClick(calc, [this] { ++calcClicks; });
  }
  void load() override { ++loads; }
  void unload() override { ++unloads; }

  QGroupBox *frameA, *frameB;
  QRadioButton *optA1, *optA2, *optB1;
  ComboBox *month, *day, *typed;
  TextBox* year;
  QCheckBox* chk;
  QPushButton* calc;
  MultiLineText* info;
  QMenu* edit;
  QAction* reset;
  int dayGot = 0, monthGot = 0, monthLost = 0, yearGot = 0;
  int chkClicks = 0, optA1Clicks = 0, calcClicks = 0;
  std::function<void()> onMonthLost;
};

class OtherForm : public Form {
 public:
  explicit OtherForm(Program& p) : Form(p, "OtherForm", "Other") {
    box = add<TextBox>("txtOther", nullptr);
    resize(200, 100);
  }
  TextBox* box;
};

struct Counter {
  int value = 0;
};

using FormLayer = ProgramTest;

TEST_F(FormLayer, OneSharedInstanceLoadedOnFirstReferenceAndAfreshAfterClosing) {
  loads = unloads = 0;
  EXPECT_EQ(program.existing<SampleForm>(), nullptr);
  SampleForm& first = program.form<SampleForm>();
  EXPECT_EQ(&program.form<SampleForm>(), &first);
  EXPECT_EQ(loads, 1);
  first.year->setText("1900");
  program.state<Counter>().value = 5;

  program.close(first);
  EXPECT_EQ(unloads, 1);
  EXPECT_EQ(program.existing<SampleForm>(), nullptr);
  SampleForm& second = program.form<SampleForm>();
  EXPECT_EQ(loads, 2);
  EXPECT_EQ(second.year->text(), "");            // the load state, not the closed form's
  EXPECT_EQ(program.state<Counter>().value, 5);  // program-wide variables survive
}

TEST_F(FormLayer, ControlsCarryTheirNames) {
  SampleForm& f = program.form<SampleForm>();
  EXPECT_EQ(f.findChild<QLineEdit*>("txtYear"), f.year);
  EXPECT_EQ(f.findChild<QRadioButton*>("OptB1"), f.optB1);
  EXPECT_EQ(f.menus().value(0)->objectName(), "mnuEdit");
  EXPECT_EQ(f.reset->objectName(), "mnuReset");
}

TEST_F(FormLayer, VisibleIsTheControlsOwnFlagEvenWhileTheFormIsNotShown) {
  SampleForm& f = program.form<SampleForm>();
  ASSERT_FALSE(f.isVisible());
  f.frameB->setVisible(false);
  EXPECT_TRUE(vantel::shown(f.frameA));
  EXPECT_FALSE(f.frameA->isVisible());  // what Qt's own property would have said
  EXPECT_FALSE(vantel::shown(f.frameB));
  EXPECT_TRUE(vantel::shown(f.optB1));  // a control inside a hidden frame keeps its own flag
}

TEST_F(FormLayer, OptionButtonsExcludeEachOtherOnlyWithinTheirFrameAndCanAllBeCleared) {
  SampleForm& f = program.form<SampleForm>();
  setOptionValue(f.optA1, true);
  setOptionValue(f.optB1, true);
  EXPECT_TRUE(f.optA1->isChecked());
  setOptionValue(f.optA2, true);
  EXPECT_FALSE(f.optA1->isChecked());
  EXPECT_TRUE(f.optB1->isChecked());
  setOptionValue(f.optA2, false);  // plain Qt refuses to clear the last one
  EXPECT_FALSE(f.optA2->isChecked());
  EXPECT_FALSE(f.optA1->isChecked());
  setOptionValue(f.optA1, true);  // and the group still excludes afterwards
  setOptionValue(f.optA2, true);
  EXPECT_FALSE(f.optA1->isChecked());
}

// A user's click selects an option and never clears it, whether it has
// neighbours in its frame or stands alone (Qt clears a lone one); code still can.
TEST_F(FormLayer, AUsersClickSelectsAnOptionAndNeverClearsIt) {
  SampleForm& f = shown<SampleForm>();
  for (QRadioButton* option : {f.optA1, f.optB1}) {
    SCOPED_TRACE(option->objectName().toStdString());
    for (int click = 1; click <= 2; ++click) {
      QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
      EXPECT_TRUE(option->isChecked()) << "after click " << click;
    }
    QTest::keyClick(option, Qt::Key_Space);
    EXPECT_TRUE(option->isChecked()) << "after the space bar";
    setOptionValue(option, false);
    EXPECT_FALSE(option->isChecked());
  }
  EXPECT_EQ(f.optA1Clicks, 1);
}

TEST_F(FormLayer, ClickHandlersRunForCodeChangesAsForTheUser) {
  SampleForm& f = program.form<SampleForm>();
  struct Step {
    int value;
    int clicks;
  };
  const Step steps[] = {{1, 1}, {0, 2}, {2, 3}, {0, 4}, {0, 4}};
  for (const Step& s : steps) {
    setCheckValue(f.chk, s.value);
    EXPECT_EQ(checkValue(f.chk), s.value);
    EXPECT_EQ(f.chkClicks, s.clicks) << "value " << s.value;
  }
  setOptionValue(f.optA1, true);
  EXPECT_EQ(f.optA1Clicks, 1);
  setOptionValue(f.optA1, false);  // becoming unselected raises no click
  EXPECT_EQ(f.optA1Clicks, 1);
  f.calc->click();
  EXPECT_EQ(f.calcClicks, 1);
}

TEST_F(FormLayer, EmptyingAListEmptiesTheText) {
  SampleForm& f = program.form<SampleForm>();
  for (ComboBox* box : {f.month, f.typed}) {
    box->addListItem("March");
    box->addListItem("April");
    box->setText("April");
    EXPECT_EQ(box->text(), "April");
    box->clearList();
    EXPECT_EQ(box->text(), "");
    EXPECT_TRUE(box->listItems().isEmpty());
    box->addListItem("May");  // a rebuilt list shows nothing until a choice is made
    EXPECT_EQ(box->text(), "");
  }
  f.typed->setText("13");  // a drop-down combo box takes any typed text
  EXPECT_EQ(f.typed->text(), "13");
  f.month->setText("Smarch");  // a drop-down list holds only its items
  EXPECT_EQ(f.month->text(), "");
}

TEST_F(FormLayer, MultiLineTextGivesBackExactlyWhatItWasGiven) {
  SampleForm& f = program.form<SampleForm>();
  const QString texts[] = {"two blanks.  Then more.", "line one \r\nline two\r\n", "", " \r\n"};
  for (const QString& t : texts) {
    f.info->setText(t);
    EXPECT_EQ(f.info->text(), t);
  }
  f.info->setText("first \r\nsecond\r\n");
  EXPECT_EQ(f.info->toPlainText(), "first \nsecond");  // shown as two lines
}

TEST_F(FormLayer, SelectionLengthBeyondTheTextSelectsToItsEnd) {
  SampleForm& f = program.form<SampleForm>();
  struct Case {
    QString text;
    int start, length, selStart, selLength;
  };
  const Case cases[] = {{"1900", 0, 4, 0, 4},
                        {"abc", 0, 4, 0, 3},
                        {"", 0, 4, 0, 0},
                        {"19", 1, 3, 1, 1},
                        {"12345", 0, 4, 0, 4}};
  for (const Case& c : cases) {
    f.year->setMaxLength(c.text.size() > 4 ? 5 : 4);
    f.year->setText(c.text);
    f.year->select(c.start, c.length);
    EXPECT_EQ(f.year->selectionLength(), c.selLength) << c.text.toStdString();
    if (c.selLength > 0) {
      EXPECT_EQ(f.year->selectionStart(), c.selStart);
    }
  }
  f.year->setMaxLength(4);
  f.year->setText("123456");
  EXPECT_EQ(f.year->text(), "1234");
}

TEST_F(FormLayer, TextColourIsTheControlsOwn) {
  SampleForm& f = program.form<SampleForm>();
  setForeColor(f.info, colors::navy());
  setForeColor(f.year, colors::tooltipText());
  EXPECT_EQ(foreColor(f.info), QColor(0, 0, 128));
  EXPECT_EQ(foreColor(f.year), colors::tooltipText());
  EXPECT_NE(foreColor(f.month), colors::navy());

  // A caption inside a frame filled with the button-face grey paints in the
  // colour it was given, not in the button text's black.
  f.frameA->setBackgroundRole(QPalette::Button);
  f.frameA->setAutoFillBackground(true);
  auto* caption = new QLabel("Results", f.frameA);
  caption->setGeometry(5, 70, 100, 20);
  setForeColor(caption, colors::navy());
  EXPECT_EQ(foreColor(caption), colors::navy());
  const QImage painted = caption->grab().toImage();
  int navy = 0, black = 0;
  for (int y = 0; y < painted.height(); ++y)
    for (int x = 0; x < painted.width(); ++x) {
      const QColor c = painted.pixelColor(x, y);
      if (c.red() < 60 && c.blue() < 150) ++(c.blue() > c.red() + 50 ? navy : black);
    }
  EXPECT_GT(navy, 20);
  EXPECT_EQ(black, 0);
}

TEST_F(FormLayer, FocusHandlersRunWhenTheFocusMovesBetweenControls) {
  SampleForm& f = shown<SampleForm>();
  f.focusControl(f.month);
  EXPECT_EQ(f.monthGot, 1);
  f.focusControl(f.day);
  EXPECT_EQ(f.monthLost, 1);
  EXPECT_EQ(f.dayGot, 1);
  EXPECT_EQ(f.day->count(), 31);
  f.focusControl(f.day);  // already there: nothing
  EXPECT_EQ(f.dayGot, 1);
  QTest::keyClick(f.day, Qt::Key_Tab);  // the user tabs on
  EXPECT_EQ(f.focusedControl(), f.typed);
  f.focusControl(f.day);
  EXPECT_EQ(f.dayGot, 2);
  EXPECT_EQ(f.day->count(), 31);  // rebuilt, never duplicated
}

TEST_F(FormLayer, OpeningAndClosingAComboListIsNoFocusMove) {
  SampleForm& f = shown<SampleForm>();
  f.focusControl(f.day);
  ASSERT_EQ(f.dayGot, 1);
  f.day->setCurrentIndex(14);
  f.day->showPopup();
  QApplication::processEvents();
  f.day->hidePopup();
  QApplication::processEvents();
  EXPECT_EQ(f.dayGot, 1);
  EXPECT_EQ(f.day->text(), "15");  // the choice survives
}

TEST_F(FormLayer, SwitchingWindowsIsNoFocusMove) {
  SampleForm& f = shown<SampleForm>();
  f.focusControl(f.day);
  f.day->setCurrentIndex(2);
  OtherForm& other = shown<OtherForm>();
  other.focusControl(other.box);
  f.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
  EXPECT_EQ(QApplication::focusWidget(), f.day);
  EXPECT_EQ(f.dayGot, 1);
  EXPECT_EQ(f.day->text(), "3");
}

TEST_F(FormLayer, AMessageInALostFocusHandlerSendsTheFocusWhereTheHandlerSays) {
  SampleForm& f = shown<SampleForm>();
  f.focusControl(f.month);
  // Leaving the month shows a real modal message, then sends the focus to the day.
  f.onMonthLost = [&f] {
    QTimer::singleShot(50, [] {
      if (QWidget* box = QApplication::activeModalWidget()) box->close();
    });
    QMessageBox::information(&f, "Too Many Days!", "April only has 30 days");
    f.focusControl(f.day);
  };
  // The user leaves the month for the year with a click, then types.
  QTest::mouseClick(f.year, Qt::LeftButton);
  EXPECT_EQ(f.monthLost, 1);
  EXPECT_EQ(f.focusedControl(), f.day);
  // The headless platform does not give the window back its activation after a
  // modal box closes; a window manager does. Either way the day box has it then.
  if (QGuiApplication::platformName() == "xcb") {
    QTest::qWait(200);
    EXPECT_EQ(QApplication::focusWidget(), f.day);
  }
  f.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
  EXPECT_EQ(QApplication::focusWidget(), f.day);
  QTest::keyClicks(QApplication::focusWidget(), "4");
  EXPECT_EQ(f.year->text(), "");
  EXPECT_EQ(f.dayGot, 1);   // its list rebuilt once
  EXPECT_EQ(f.yearGot, 0);  // the year never really had the focus
}

TEST_F(FormLayer, FocusRequestsOnAFormThatIsNotActiveStillRunTheHandlers) {
  SampleForm& f = program.form<SampleForm>();  // never shown
  f.focusControl(f.month);
  f.focusControl(f.day);
  EXPECT_EQ(f.monthLost, 1);
  EXPECT_EQ(f.dayGot, 1);
  EXPECT_EQ(f.focusedControl(), f.day);
}

TEST_F(FormLayer, EnterPressesTheDefaultButtonFromATextBox) {
  SampleForm& f = shown<SampleForm>();
  f.focusControl(f.year);
  QTest::keyClick(f.year, Qt::Key_Return);
  EXPECT_EQ(f.calcClicks, 1);
  f.calc->setEnabled(false);
  QTest::keyClick(f.year, Qt::Key_Return);
  EXPECT_EQ(f.calcClicks, 1);
}

TEST_F(FormLayer, ScriptedPlatformRecordsMessagesAndAnswersInOrder) {
  platform.answers = {msg::Yes};
  platform.inputs = {"Mary Ann"};
  EXPECT_EQ(program.platform().msgBox("Add?", "Add Ancestor?", msg::YesNo), msg::Yes);
  EXPECT_EQ(program.platform().msgBox("Again?", "Q", msg::YesNo), msg::No);
  EXPECT_EQ(program.platform().msgBox("Oops", "T", msg::Critical), msg::Ok);
  EXPECT_EQ(program.platform().inputBox("Name?", "Add Ancestor"), "Mary Ann");
  EXPECT_EQ(program.platform().inputBox("Name?", "Add Ancestor"), "");
  ASSERT_EQ(platform.messages().size(), 3);
  EXPECT_EQ(platform.messages()[2].icon(), msg::Critical);
  EXPECT_EQ(platform.messages()[0].buttons(), msg::YesNo);
}

}  // namespace
}  // namespace vantel::test
