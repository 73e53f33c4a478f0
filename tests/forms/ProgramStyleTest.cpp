// The program's style draws every picture as the platform's style does, and
// the windows as they first show load none of Qt's image readers.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStyleFactory>
#include <QTest>
#include <cstdlib>
#include <iostream>
#include <memory>

#include "forms/ProgramStyle.h"

namespace vantel::test {
namespace {

bool imageReadersLoaded() {
  QFile maps(QStringLiteral("/proc/self/maps"));
  return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/imageformats/");
}

// A main window's worth of what the style draws from pictures, shown and
// painted: a menu bar, framed boxes with and without a caption, and a window
// inside an MDI area.
std::unique_ptr<QWidget> shownWindow() {
  auto window = std::make_unique<QWidget>();
  window->resize(400, 300);
  auto* bar = new QMenuBar(window.get());
  bar->addMenu(QStringLiteral("&Open"));
  bar->setGeometry(0, 0, 400, 22);
  auto* area = new QMdiArea(window.get());
  area->setGeometry(0, 22, 400, 278);
  auto* inner = new QWidget;
  new QGroupBox(QStringLiteral("Instructions"), inner);
  (new QGroupBox(inner))->setGeometry(10, 60, 120, 60);
  area->addSubWindow(inner)->setGeometry(10, 10, 300, 200);
  window->show();
  EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  QApplication::processEvents();
  return window;
}

// What the program's style draws otherwise than the platform's style, and
// whether it loads image readers; nothing when all is well.
QStringList programStyleFaults() {
  const QString platformStyle = QApplication::style()->name();
  if (imageReadersLoaded()) return {"image readers were loaded before the check"};
  QStringList faults;
  QPixmap icon(16, 16);  // as the program, an icon of its own for every window
  icon.fill(Qt::darkBlue);
  QApplication::setWindowIcon(icon);
  QApplication::setStyle(new ProgramStyle);
  const auto window = shownWindow();
  if (imageReadersLoaded()) faults << "showing the window loaded image readers";

  // Every picture as the platform's style draws it.
  const QImage ours = window->grab().toImage();
  const QStyle::StandardPixmap icons[] = {
      QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_TitleBarCloseButton,
      QStyle::SP_TitleBarNormalButton, QStyle::SP_MessageBoxWarning};
  QList<QImage> ourIcons;
  for (QStyle::StandardPixmap icon : icons)
    ourIcons << QApplication::style()->standardIcon(icon).pixmap(16).toImage();
  QApplication::setStyle(QStyleFactory::create(platformStyle));
  if (ours != shownWindow()->grab().toImage())
    faults << "the window is drawn otherwise than in " + platformStyle;
  for (int i = 0; i < int(std::size(icons)); ++i)
    if (ourIcons[i] != QApplication::style()->standardIcon(icons[i]).pixmap(16).toImage())
      faults << QString("standard icon %1 is drawn otherwise").arg(icons[i]);
  return faults;
}

// Image readers once loaded stay for the life of the process, and the style
// is the whole application's: the check runs in a process of its own, started
// afresh from this program, so that no test before it can have loaded a reader
// and none after it meets the style it set.
TEST(ProgramStyle, DrawsAsThePlatformStyleWithoutLoadingImageReaders) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        const QStringList faults = programStyleFaults();
        std::cerr << faults.join('\n').toStdString();
        std::exit(faults.isEmpty() ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace vantel::test
