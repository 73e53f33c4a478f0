// The real message box and input box: icons, buttons, titles and prompts as
// given, Enter and Esc, and the input box's empty start and empty Cancel.
#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

#include "forms/QtPlatform.h"
#include "support/ProgramFixture.h"

namespace vantel::test {
namespace {

// Runs `act` on the modal dialog once it is open (the dialog's own event loop
// runs meanwhile).
void whenDialogOpens(std::function<void(QWidget*)> act) {
  auto* poll = new QTimer;
  poll->setInterval(5);
  QObject::connect(poll, &QTimer::timeout, [poll, act] {
    if (QWidget* dialog = QApplication::activeModalWidget()) {
      poll->stop();
      poll->deleteLater();
      act(dialog);
    }
  });
  poll->start();
}

QStringList buttonTexts(QMessageBox* box) {
  QStringList texts;
  for (QAbstractButton* b : box->buttons()) texts << b->text().remove('&');
  texts.sort();
  return texts;
}

TEST(DialogsTest, MessageBoxShowsIconButtonsTitleAndPromptAndAnswersEnterAndEsc) {
  struct Case {
    const char* name;
    int style;
    Qt::Key key;  // pressed in the box
    QMessageBox::Icon icon;
    QStringList buttons;
    int answer;
  };
  const Case cases[] = {
      {"critical, Enter",
       msg::Critical + msg::OkOnly,
       Qt::Key_Return,
       QMessageBox::Critical,
       {"OK"},
       msg::Ok},
      {"information, Esc",
       msg::Information + msg::OkOnly,
       Qt::Key_Escape,
       QMessageBox::Information,
       {"OK"},
       msg::Ok},
      {"no icon, Enter", msg::OkOnly, Qt::Key_Return, QMessageBox::NoIcon, {"OK"}, msg::Ok},
      {"question, Enter", msg::YesNo, Qt::Key_Return, QMessageBox::NoIcon, {"No", "Yes"}, msg::Yes},
      {"question, N", msg::YesNo, Qt::Key_N, QMessageBox::NoIcon, {"No", "Yes"}, msg::No},
  };
  // Two blanks after the full stop, and a typed name that looks like markup.
  const QString prompt = "You have not entered a year.  Please enter <b>Smith</b> again.";
  QtPlatform platform;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QString title, text;
    QMessageBox::Icon icon{};
    QStringList buttons;
    Qt::TextFormat format{};
    whenDialogOpens([&](QWidget* w) {
      auto* box = qobject_cast<QMessageBox*>(w);
      if (!box) {
        ADD_FAILURE() << "not a message box";
        w->close();
        return;
      }
      title = box->windowTitle();
      text = box->text();
      icon = box->icon();
      buttons = buttonTexts(box);
      format = box->textFormat();
      QTest::keyClick(box, c.key);
    });
    EXPECT_EQ(platform.msgBox(prompt, "Missing Year", c.style), c.answer);
    EXPECT_EQ(title, "Missing Year");
    EXPECT_EQ(text, prompt);
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_EQ(icon, c.icon);
    EXPECT_EQ(buttons, c.buttons);
  }
}

TEST(DialogsTest, InputBoxStartsEmptyAndGivesTheTextOrEmptyOnCancel) {
  struct Case {
    const char* typed;
    Qt::Key key;
    QString result;
  };
  const Case cases[] = {
      {"John  Smith", Qt::Key_Return, "John  Smith"},
      {"John Smith", Qt::Key_Escape, ""},
      {"", Qt::Key_Return, ""},
  };
  QtPlatform platform;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    QString title, label, start;
    whenDialogOpens([&](QWidget* w) {
      auto* dialog = qobject_cast<QInputDialog*>(w);
      if (!dialog) {
        ADD_FAILURE() << "not an input box";
        w->close();
        return;
      }
      title = dialog->windowTitle();
      label = dialog->labelText();
      auto* line = dialog->findChild<QLineEdit*>();
      start = line->text();
      QTest::keyClicks(line, c.typed);
      QTest::keyClick(line, c.key);
    });
    EXPECT_EQ(platform.inputBox("Enter the ancestor's name.", "Ancestor's Name"), c.result);
    EXPECT_EQ(title, "Ancestor's Name");
    EXPECT_EQ(label, "Enter the ancestor's name.");
    EXPECT_EQ(start, "");
  }
}

}  // namespace
}  // namespace vantel::test
