// Every command button and menu item of every window either runs a handler or
// is marked as doing nothing on purpose, so an item left unwired is found.
#include <QAbstractButton>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

#include "bad/FormBAD.h"
#include "census/FormCBYC.h"
#include "census/FormCenInfo.h"
#include "dow/FormDOW.h"
#include "shell/FormBegin.h"
#include "shell/FormSplash.h"
#include "shell/MDIMain.h"
#include "shell/frmAbout.h"
#include "support/ProgramFixture.h"

namespace vantel::test {
namespace {

template <class F>
class Wiring : public ProgramTest {};

using Windows = ::testing::Types<MDIMain, FormSplash, FormBegin, frmAbout, FormBAD, FormCBYC,
                                 FormCenInfo, FormDOW>;

class WindowNames {
 public:
  template <class F>
  static std::string GetName(int) {
    return F::staticMetaObject.className() + std::string("vantel::").size();
  }
};
TYPED_TEST_SUITE(Wiring, Windows, WindowNames);

void expectItemsWired(const QMenu* menu) {
  for (QAction* item : menu->actions()) {
    if (item->isSeparator()) continue;
    if (item->menu()) {
      expectItemsWired(item->menu());
      continue;
    }
    EXPECT_TRUE(Form::isWired(item) || Form::isInert(item))
        << menu->objectName().toStdString() << " > " << item->objectName().toStdString()
        << " runs no handler and is not marked as doing nothing";
    if (item->isChecked() && Form::isInert(item)) {  // the mark of the window itself
      item->trigger();
      EXPECT_TRUE(item->isChecked()) << item->objectName().toStdString() << " lost its check mark";
    }
  }
}

TYPED_TEST(Wiring, EveryMenuItemAndCommandButtonRunsAHandlerOrIsMarkedInert) {
  Form& form = this->program.template form<TypeParam>();
  for (const QMenu* menu : form.menus()) expectItemsWired(menu);
  for (QAbstractButton* button : form.findChildren<QAbstractButton*>()) {
    if (!qobject_cast<QPushButton*>(button) && !qobject_cast<QToolButton*>(button)) continue;
    if (button->objectName().isEmpty() || button->objectName().startsWith("qt_")) continue;
    if (button->window() != &form) continue;  // a control of a child window
    EXPECT_TRUE(Form::isWired(button) || Form::isInert(button))
        << button->objectName().toStdString()
        << " runs no handler and is not marked as doing nothing";
  }
}

}  // namespace
}  // namespace vantel::test
