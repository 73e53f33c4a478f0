// Every window under the desktop's light palette and under the dark palette
// GNOME's Adwaita dark theme hands the program: each text a user reads stands
// out from its own background by 4.5:1, the logo's name and the calculators'
// lines by 3:1, measured on the window as painted.
#include <QTabBar>
#include <QTimer>
#include <functional>

#include "bad/FormBAD.h"
#include "census/CensusFormDriver.h"
#include "census/FormCenInfo.h"
#include "dow/DowFixture.h"
#include "forms/Colors.h"
#include "forms/QtPlatform.h"
#include "shell/ShellFixture.h"

namespace vantel::test {
namespace {

QPalette adwaitaDark() {
  QPalette p;  // its tooltip colours stay the light ones, as the theme leaves them
  const std::pair<QPalette::ColorRole, QRgb> roles[] = {
      {QPalette::Window, 0x323232},     {QPalette::Button, 0x323232},
      {QPalette::Base, 0x242424},       {QPalette::WindowText, 0xf0f0f0},
      {QPalette::ButtonText, 0xf0f0f0}, {QPalette::Text, 0xf0f0f0},
      {QPalette::Light, 0x4b4b4b},      {QPalette::Midlight, 0x2a2a2a},
      {QPalette::Mid, 0x262626},        {QPalette::Dark, 0x212121},
      {QPalette::Shadow, 0x191919},     {QPalette::AlternateBase, 0x2b2b2b}};
  for (auto [role, rgb] : roles) p.setColor(role, QColor(rgb));
  return p;
}

// Takes away what a control paints of its own (its text, or the logo) and
// gives back how to put it back; nothing for a control that paints none.
template <class W, class T>
std::function<void()> takeAway(W* w, T old, void (W::*set)(const T&)) {
  (w->*set)(T());
  return [=] { (w->*set)(old); };
}
bool isLogo(const QWidget* w) {
  return w->objectName() == "ImageTamsford" || w->objectName() == "picIcon";
}
std::function<void()> blank(QWidget* w) {
  if (auto* c = qobject_cast<QAbstractButton*>(w); c && !c->text().isEmpty())
    return takeAway(c, c->text(), &QAbstractButton::setText);
  if (auto* c = qobject_cast<QGroupBox*>(w); c && !c->title().isEmpty())
    return takeAway(c, c->title(), &QGroupBox::setTitle);
  if (auto* c = qobject_cast<QLineEdit*>(w); c && !c->text().isEmpty())
    return takeAway(c, c->text(), &QLineEdit::setText);
  if (auto* c = qobject_cast<QPlainTextEdit*>(w); c && !c->toPlainText().isEmpty())
    return takeAway(c, c->toPlainText(), &QPlainTextEdit::setPlainText);
  if (auto* c = qobject_cast<QLabel*>(w); c && !c->text().isEmpty())
    return takeAway(c, c->text(), &QLabel::setText);
  if (auto* c = qobject_cast<QLabel*>(w); c && isLogo(c))
    return takeAway(c, c->pixmap(), &QLabel::setPixmap);
  if (auto* c = qobject_cast<QComboBox*>(w); c && !c->isEditable() && c->currentIndex() >= 0) {
    const int old = c->currentIndex();
    c->setCurrentIndex(-1);
    return [=] { c->setCurrentIndex(old); };
  }
  if (auto* c = qobject_cast<QTabBar*>(w)) {
    QStringList old;
    for (int i = 0; i < c->count(); ++i) old << c->tabText(i), c->setTabText(i, {});
    return [=] {
      for (int i = 0; i < c->count(); ++i) c->setTabText(i, old[i]);
    };
  }
  return {};
}

// The contrast of a control's text with its own background: the pixels that
// change when the text goes, against what they show without it.
double textContrast(QWidget& window, QWidget* w) {
  QRect area(w->mapTo(&window, QPoint()), w->size());
  if (isLogo(w))
    area = QRect(area.x() + area.width() * 36 / 100, area.y() + area.height() * 37 / 100,
                 area.width() * 64 / 100, area.height() * 18 / 100);  // the logo's name
  const QImage with = window.grab(area).toImage();
  const QSignalBlocker quiet(w);
  const std::function<void()> putBack = blank(w);
  if (!putBack) return -1;
  const QImage without = window.grab(area).toImage();
  putBack();
  double most = 0;
  for (int y = 0; y < with.height(); ++y)
    for (int x = 0; x < with.width(); ++x)
      most = std::max(most, colors::contrast(with.pixelColor(x, y), without.pixelColor(x, y)));
  return most;
}

void expectLegible(QWidget& window, const QString& where) {
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  for (QWidget* w : window.findChildren<QWidget*>()) {
    if (!w->isVisibleTo(&window) || !w->isEnabled()) continue;  // a disabled text may be faint
    const QString what = where + ' ' + w->objectName() + ' ' + w->metaObject()->className();
    const double text = textContrast(window, w);
    if (text >= 0)
      EXPECT_GE(text, isLogo(w) ? colors::kLineContrast : colors::kTextContrast)
          << what.toStdString();
    if (qobject_cast<Line*>(w)) {
      const QImage painted = window.grab().toImage();
      const QPoint on = w->mapTo(&window, w->rect().center());
      EXPECT_GE(colors::contrast(painted.pixelColor(on), painted.pixelColor(on - QPoint(0, 4))),
                colors::kLineContrast)
          << what.toStdString();
    }
    // The "Pick One" options show their whole caption, clear of the frame's edge.
    if (auto* option = qobject_cast<QRadioButton*>(w);
        option && option->parentWidget()->objectName() == "FramePick") {
      EXPECT_LE(option->sizeHint().width(), option->width()) << what.toStdString();
      EXPECT_LE(option->geometry().right(), option->parentWidget()->width() - 4);
    }
  }
}

TEST(Legibility, EveryTextAndLineStandsOutOnLightAndDarkPalettes) {
  EXPECT_NEAR(colors::contrast(Qt::black, Qt::white), 21, 1e-9);
  EXPECT_NEAR(colors::contrast(QColor(0x777777), Qt::white), 4.48, 0.01);
  const QPalette light = QApplication::palette();
  for (const auto& [name, palette] : {std::pair{"light", light}, {"Adwaita dark", adwaitaDark()}}) {
    QApplication::setPalette(palette);
    ScriptedPlatform platform;
    Program program(platform);
    expectLegible(program.form<FormBegin>(), QString(name) + " Getting Started");
    expectLegible(program.form<frmAbout>(), QString(name) + " About");
    auto& info = program.form<FormCenInfo>();
    for (int tab = 0; tab < info.SSTab2->count(); ++tab) {
      info.SSTab2->setCurrentIndex(tab);
      expectLegible(info, QString(name) + " Census Information " + QString::number(tab));
    }
    auto& dow = program.form<FormDOW>();
    expectLegible(dow, QString(name) + " Day of the Week, instructions");
    enterDate(dow, "January", "15", "1937");
    dow.txtAddInfo->show();
    dow.txtAddInfo->setPlainText("Add note here.");
    expectLegible(dow, QString(name) + " Day of the Week");
    auto& bad = program.form<FormBAD>();
    expectLegible(bad, QString(name) + " Birth-Age-Death, instructions");
    setOptionValue(bad.OptAge, true);
    for (auto [box, text] : {std::pair<QWidget*, QString>{bad.cmbBMonth, "January"},
                             {bad.txtBYear, "1900"},
                             {bad.cmbBDay, "31"},
                             {bad.cmbDMonth, "March"},
                             {bad.txtDYear, "1950"},
                             {bad.cmbDDay, "1"}}) {
      bad.focusControl(box);
      auto* combo = qobject_cast<ComboBox*>(box);
      combo ? combo->setText(text) : static_cast<TextBox*>(box)->setText(text);
    }
    bad.CmdCalculate->click();
    expectLegible(bad, QString(name) + " Birth-Age-Death");
    auto& census = program.form<FormCBYC>();
    chooseRanges(census, {"Opt1800_1", "Opt1830_6"});
    census.CmdCalc->click();
    expectLegible(census, QString(name) + " Census");
    // A message box, as the program shows them.
    QTimer::singleShot(0, [&] {
      QWidget* box = QApplication::activeModalWidget();
      expectLegible(*box, QString(name) + " message box");
      box->close();
    });
    QtPlatform().msgBox("Please enter a valid year.", "Invalid Year!", msg::Critical);
  }
  QApplication::setPalette(light);
}

}  // namespace
}  // namespace vantel::test
