// The splash: our artwork with the version over it, giving way to one main
// window at the first click, character key or timer tick.
#include <QLabel>
#include <QSet>
#include <QTimer>

#include "shell/FormSplash.h"
#include "shell/ShellFixture.h"

namespace vantel::test {
namespace {

class SplashTest : public ShellTest {
 protected:
  FormSplash& openSplash() {
    FormSplash& splash = program.open<FormSplash>();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&splash));
    return splash;
  }
};

TEST_F(SplashTest, ShowsTheArtworkWithTheVersionNearTheLowerLeftCorner) {
  FormSplash& splash = openSplash();
  EXPECT_EQ(splash.windowTitle(), "Vantel 1.0.0");
  EXPECT_EQ(splash.size(), QSize(314, 164));
  EXPECT_TRUE(splash.isWindow());
  const auto* version = splash.findChild<QLabel*>("Label1");
  ASSERT_NE(version, nullptr);
  EXPECT_EQ(version->text(), "Version 1.3.0");
  EXPECT_EQ(version->palette().color(QPalette::WindowText), QColor(Qt::white));
  const QRect label = version->geometry();
  EXPECT_EQ(label.topLeft(), QPoint(5, 145));
  EXPECT_TRUE(splash.rect().contains(label));
  EXPECT_GE(label.width(), version->sizeHint().width());  // nothing cut off
  EXPECT_EQ(splash.Timer1->interval(), 2500);
  EXPECT_TRUE(splash.Timer1->isActive());

  // The picture fills the window: many colours, none of them the plain
  // window background, in every corner.
  const QImage image = splash.grab().toImage();
  QSet<QRgb> colours;
  for (int y = 0; y < image.height(); y += 3)
    for (int x = 0; x < image.width(); x += 3) colours.insert(image.pixel(x, y));
  EXPECT_GT(colours.size(), 100);
  const QRgb background = splash.palette().color(QPalette::Window).rgb();
  for (QPoint corner : {QPoint(1, 1), QPoint(312, 1), QPoint(1, 162), QPoint(312, 162)})
    EXPECT_NE(image.pixel(corner), background);
  // The white version text is drawn over the picture.
  bool white = false;
  for (int y = label.top(); y <= label.bottom(); ++y)
    for (int x = label.left(); x <= label.right(); ++x)
      white |= qRed(image.pixel(x, y)) > 235 && qGreen(image.pixel(x, y)) > 235 &&
               qBlue(image.pixel(x, y)) > 235;  // the glyphs' cores, past their smoothing
  EXPECT_TRUE(white);
}

// The first click, key or tick: one main window opens, and a tick still to
// come after a click or key opens nothing.
struct FirstEvent {
  const char* name;
  std::function<void(FormSplash&)> act;
};

void PrintTo(const FirstEvent& c, std::ostream* os) { *os << c.name; }

class SplashGivesWay : public SplashTest, public ::testing::WithParamInterface<FirstEvent> {};

TEST_P(SplashGivesWay, ToOneMainWindowAndALaterTickOpensNone) {
  FormSplash& splash = openSplash();
  QPointer<FormSplash> gone = &splash;
  // A short interval stands for the 2.5 seconds.
  splash.Timer1->setInterval(40);
  GetParam().act(splash);
  MDIMain* main = program.existing<MDIMain>();
  ASSERT_NE(main, nullptr);
  EXPECT_TRUE(main->isVisible());
  EXPECT_EQ(program.existing<FormSplash>(), nullptr);
  EXPECT_EQ(program.existing<FormBegin>(), main->host().children().value(0));

  // The main window is closed again before any further tick could come.
  program.close(*main);
  QTest::qWait(200);
  EXPECT_EQ(program.existing<MDIMain>(), nullptr);
  EXPECT_TRUE(gone.isNull());
}

INSTANTIATE_TEST_SUITE_P(
    FirstEvents, SplashGivesWay,
    ::testing::Values(
        FirstEvent{
            "Click",
            [](FormSplash& s) { QTest::mouseClick(&s, Qt::LeftButton, {}, QPoint(100, 60)); }},
        FirstEvent{"CharacterKey", [](FormSplash& s) { QTest::keyClick(&s, Qt::Key_A); }},
        FirstEvent{"EnterKey", [](FormSplash& s) { QTest::keyClick(&s, Qt::Key_Return); }},
        FirstEvent{"TimerTick", [](FormSplash&) { QTest::qWait(150); }}),
    [](const ::testing::TestParamInfo<FirstEvent>& info) { return std::string(info.param.name); });

TEST_F(SplashTest, KeysThatTypeNoCharacterLeaveTheSplash) {
  FormSplash& splash = openSplash();
  QTest::keyClick(&splash, Qt::Key_Shift);
  QTest::keyClick(&splash, Qt::Key_Left);
  EXPECT_EQ(program.existing<FormSplash>(), &splash);
  EXPECT_EQ(program.existing<MDIMain>(), nullptr);
}

}  // namespace
}  // namespace vantel::test
