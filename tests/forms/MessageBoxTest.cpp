// The real message box and input box as a reader sees them: wide enough for
// the whole title beside the title bar's icon and buttons, the icon named after
// the kind of message, the input field named by the prompt.
#include <QAccessible>
#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

#include "forms/QtPlatform.h"
#include "support/ProgramFixture.h"

namespace vantel::test {
namespace {

QString spokenName(QObject* object) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
  return face ? face->text(QAccessible::Name) : QString();
}

// A title bar holds the window's icon and up to three buttons beside the
// title, which window managers draw in a bold face.
int titleBarNeeds(const QString& title) {
  QFont face = QFontDatabase::systemFont(QFontDatabase::TitleFont);
  face.setBold(true);
  return QFontMetrics(face).horizontalAdvance(title) + 100;
}

struct Seen {
  int width = 0;
  QString icon;  // the icon's spoken name; "hidden" when not shown
  QString field;
  bool stayedOpen = false;  // after Esc and the close box
};

// Opens the box through the platform, notes what it shows, and closes it.
Seen open(const std::function<void(QtPlatform&)>& show) {
  Seen seen;
  auto* poll = new QTimer;
  poll->setInterval(5);
  QObject::connect(poll, &QTimer::timeout, [poll, &seen] {
    QWidget* box = QApplication::activeModalWidget();
    if (!box || !box->isVisible()) return;
    poll->stop();
    poll->deleteLater();
    seen.width = box->width();
    if (auto* icon = box->findChild<QLabel*>("qt_msgboxex_icon_label"))
      seen.icon = icon->isHidden() ? QStringLiteral("hidden") : spokenName(icon);
    if (auto* field = box->findChild<QLineEdit*>()) seen.field = spokenName(field);
    QTest::keyClick(box, Qt::Key_Escape);
    if (box->isVisible()) box->close();
    seen.stayedOpen = box->isVisible();
    if (auto* question = qobject_cast<QMessageBox*>(box); question && seen.stayedOpen)
      question->button(QMessageBox::No)->click();
  });
  poll->start();
  QtPlatform platform;
  show(platform);
  return seen;
}

TEST(MessageBoxTest, WideEnoughForTheTitleWithTheKindOfMessageSpoken) {
  struct Case {
    const char* title;
    const char* prompt;
    int style;
    const char* icon;
    bool staysOpen;  // a question has no cancel: only Yes or No closes it
  };
  const Case cases[] = {
      {"Missing Month Field!", "Please select a Month", msg::Information, "Information", false},
      {"Invalid Year!", "This in not a valid year, please enter again.", msg::Critical, "Error",
       false},
      {"Add Ancestor?", "Would you like to have your Ancestor's name added to this screen print?",
       msg::YesNo, "hidden", true},
      {"Tamsford Genealogy Calculator", "System Information Is Unavailable At This Time",
       msg::OkOnly, "hidden", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.title);
    const Seen seen =
        open([&](QtPlatform& platform) { platform.msgBox(c.prompt, c.title, c.style); });
    EXPECT_GE(seen.width, titleBarNeeds(c.title));
    EXPECT_EQ(seen.icon.toStdString(), c.icon);
    EXPECT_EQ(seen.stayedOpen, c.staysOpen);
  }
}

TEST(MessageBoxTest, InputBoxWideEnoughForTheTitleAndItsFieldNamedByThePrompt) {
  const Seen seen = open([](QtPlatform& platform) { platform.inputBox("Name:", "Add Ancestor"); });
  EXPECT_GE(seen.width, titleBarNeeds("Add Ancestor"));
  EXPECT_EQ(seen.field.toStdString(), "Name:");
}

}  // namespace
}  // namespace vantel::test
