// What screen readers are told about the form layer's own widgets, where Qt
// alone would tell them otherwise: a form that is a window of its own is a
// window or a dialog, lines are never announced, and the field one types into
// in an editable combo box carries the box's name and description.
#include <QAccessible>
#include <QFrame>
#include <optional>

#include "forms/Controls.h"
#include "forms/Form.h"
#include "support/ProgramFixture.h"

namespace vantel::test {
namespace {

class BareForm : public Form {
 public:
  explicit BareForm(Program& p) : Form(p, "BareForm", "Bare") {}
};

using AccessibilityTest = ProgramTest;

TEST_F(AccessibilityTest, FormsAreWindowsLinesAreHiddenTypingFieldsCarryTheBoxName) {
  BareForm window(program);
  BareForm dialog(program);
  dialog.setWindowFlags(Qt::Dialog);
  QWidget host;
  BareForm child(program);
  child.setParent(&host);
  auto* line = new Line(&window);
  auto* etched = new QFrame(&window);
  etched->setFrameShape(QFrame::HLine);
  auto* box = new QFrame(&window);
  box->setFrameShape(QFrame::Box);
  auto* month = new ComboBox(&window, true);
  month->setAccessibleName("Date: month");
  month->setToolTip("Pick a month");
  for (QWidget* shown : {static_cast<QWidget*>(&window), static_cast<QWidget*>(&dialog), &host})
    shown->show();

  struct Row {
    const char* what;
    QObject* object;
    std::optional<QAccessible::Role> role;
    bool hidden;
  };
  const Row rows[] = {
      {"form as a window", &window, QAccessible::Window, false},
      {"form as a dialog", &dialog, QAccessible::Dialog, false},
      {"form inside a window", &child, QAccessible::Client, false},
      {"dark-blue line", line, QAccessible::Separator, true},
      {"etched line", etched, QAccessible::Separator, true},
      {"framed box", box, std::nullopt, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(row.object);
    if (!face) {
      ADD_FAILURE() << "nothing is told about it";
      continue;
    }
    if (row.role) {
      EXPECT_EQ(face->role(), *row.role);
    }
    EXPECT_EQ(face->state().invisible, row.hidden);
  }
  QAccessibleInterface* typing = QAccessible::queryAccessibleInterface(month->lineEdit());
  ASSERT_NE(typing, nullptr);
  EXPECT_EQ(typing->text(QAccessible::Name).toStdString(), "Date: month");
  EXPECT_EQ(typing->text(QAccessible::Description).toStdString(), "Pick a month");
}

}  // namespace
}  // namespace vantel::test
