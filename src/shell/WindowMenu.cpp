#include "shell/WindowMenu.h"

#include <QMenu>

#include "forms/Program.h"
#include "shell/MDIMain.h"
#include "shell/MdiHost.h"

namespace vantel {

namespace {

void fill(QMenu* menu, Program& program) {
  menu->clear();
  MDIMain* main = program.existing<MDIMain>();
  if (!main) return;
  MdiHost& host = main->host();
  const Form* active = host.activeChild();
  int number = 0;
  for (Form* child : host.children()) {
    if (child->isHidden()) continue;
    ++number;
    QAction* item = menu->addAction(QStringLiteral("&%1 %2").arg(number).arg(child->windowTitle()));
    item->setCheckable(true);
    item->setChecked(child == active);
    QPointer<Form> target = child;
    QObject::connect(item, &QAction::triggered, menu, [target, &program] {
      if (target) program.show(*target, true);
    });
  }
}

}  // namespace

void listChildWindows(QMenu* menu, Program& program) {
  QObject::connect(menu, &QMenu::aboutToShow, menu, [menu, &program] { fill(menu, program); });
}

}  // namespace vantel
