#include "dow/FormDOW.h"

#include <QFont>
#include <QPalette>

#include "calendar/CheckValues.h"
#include "calendar/DayLists.h"
#include "forms/Colors.h"
#include "forms/Fonts.h"
#include "forms/Program.h"
#include "resources/Artwork.h"

namespace vantel {
namespace {

const QString kHowtoStart = QStringLiteral(
    "To begin, enter the date above for which you'd like to calculate the day of the week.");

const QString kAbout = QStringLiteral(
    "Often newspapers and other publications will announce events by listing the day of the "
    "week \r\n"
    "in which it occured as opposed to the date.  This calculator will determine the day of the "
    "week \r\n"
    "for any given date.  For instance, if a newspaper says \"an individual died January, 15, "
    "1937,\" \r\n"
    "the funeral will take place next Tuesday.\"  By finding out what day of the week 1/15/37 "
    "and \r\n"
    "adding the number of days until the \"next Tuesday\" you can determine what date Tuesday \r\n"
    "was.\r\n");

}  // namespace

FormDOW::FormDOW(Program& program)
    : Form(program, QStringLiteral("FormDOW"), QStringLiteral("Day of the Week Calculator")) {
  buildControls();
  buildMenus();
  attachHandlers();
}

void FormDOW::buildControls() {
  setFixedSize(708, 519);
  setBackgroundRole(QPalette::Button);  // the system's scroll-bar grey
  setAutoFillBackground(true);

  auto frame = [this](const char* name, const QString& caption, QRect at) {
    auto* f = add<QGroupBox>(name, nullptr);
    f->setTitle(caption);
    f->setGeometry(at);
    return f;
  };
  auto label = [this](const char* name, QWidget* in, const QString& caption, QRect at) {
    auto* l = add<QLabel>(name, in);
    l->setText(caption);
    l->setFont(fonts::small());
    l->setGeometry(at);
    return l;
  };
  auto button = [this](const char* name, const QString& caption, const QString& tip, QRect at) {
    auto* b = add<CommandButton>(name, nullptr);
    b->setText(caption);
    b->setToolTip(tip);
    b->setGeometry(at);
    return b;
  };
  auto line = [this](const char* name, QRect at) {
    auto* l = add<QFrame>(name, nullptr);
    l->setGeometry(at);
    l->setAutoFillBackground(true);
    QPalette p = l->palette();
    p.setColor(QPalette::Window, colors::navy());
    l->setPalette(p);
    return l;
  };

  frameDowDate = frame("frameDowDate", QStringLiteral("Select Date"), {56, 40, 249, 62});
  CmbMth = add<ComboBox>("CmbMth", frameDowDate, true);
  CmbMth->setGeometry(8, 30, 80, 21);
  CmbDay = add<ComboBox>("CmbDay", frameDowDate, true);
  CmbDay->setGeometry(112, 30, 40, 21);
  txtYear = add<TextBox>("txtYear", frameDowDate);
  txtYear->setMaxLength(4);
  txtYear->setToolTip(QStringLiteral("Enter a valid Death Year"));
  txtYear->setGeometry(176, 30, 41, 21);
  Label2 = label("Label2", frameDowDate, QStringLiteral("MONTH"), {8, 17, 60, 12});
  Label6 = label("Label6", frameDowDate, QStringLiteral("DAY"), {112, 17, 40, 12});
  Label7 = label("Label7", frameDowDate, QStringLiteral("YEAR"), {176, 17, 41, 12});

  Frame1 = frame("Frame1", QStringLiteral("Day of the Week"), {320, 40, 249, 62});
  TxtDay = add<TextBox>("TxtDay", Frame1);
  TxtDay->setReadOnly(true);
  TxtDay->setFocusPolicy(Qt::NoFocus);
  TxtDay->setFont(fonts::explanatory());
  TxtDay->setGeometry(88, 24, 89, 21);

  CmdDOWgo =
      button("CmdDOWgo", QStringLiteral("&Calculate the Day of Week"), {}, {608, 76, 89, 34});
  cmdReset = button("cmdReset", QStringLiteral("&Reset Form"), QStringLiteral("Reset the form."),
                    {608, 125, 89, 34});
  CmdPrintForm = button("CmdPrintForm", QStringLiteral("&Print Results"),
                        QStringLiteral("Print Results."), {608, 172, 89, 34});
  cmdExit = button("cmdExit", QStringLiteral("E&xit Form"),
                   QStringLiteral("Close this Calculator."), {608, 220, 89, 34});
  setDefaultButton(CmdDOWgo);

  txtAddInfo = add<QPlainTextEdit>("txtAddInfo", nullptr);
  txtAddInfo->setGeometry(56, 128, 513, 89);
  txtAddInfo->setBackgroundRole(QPalette::Midlight);  // the light 3-D colour
  cmdPrntNote = button("cmdPrntNote", QStringLiteral("&Print"), QStringLiteral("Print Results."),
                       {288, 232, 89, 25});

  Frame2 = frame("Frame2", QStringLiteral("Instuctions"), {10, 320, 586, 41});
  TextHowto = add<MultiLineText>("TextHowto", Frame2);
  TextHowto->setGeometry(8, 15, 570, 22);
  TextHowto->setFont(fonts::explanatory());
  TextHowto->setText(kHowtoStart + QStringLiteral("\r\n"));
  setForeColor(TextHowto, colors::tooltipText());

  FrameInfo = frame("FrameInfo", QStringLiteral("Information"), {10, 373, 586, 116});
  TextAbout = add<MultiLineText>("TextAbout", FrameInfo);
  TextAbout->setGeometry(8, 16, 570, 94);
  TextAbout->setFont(fonts::explanatory());
  TextAbout->setText(kAbout);

  ImageTamsford = add<QLabel>("ImageTamsford", nullptr);
  ImageTamsford->setGeometry(600, 5, 105, 63);
  ImageTamsford->setPixmap(artwork::logo(QSize(105, 63)));
  Line1 = line("Line1", {5, 25, 589, 2});
  Line2 = line("Line2", {10, 367, 583, 2});

  for (QWidget* w : {static_cast<QWidget*>(frameDowDate), static_cast<QWidget*>(Frame1),
                     static_cast<QWidget*>(Frame2), static_cast<QWidget*>(FrameInfo)}) {
    w->setBackgroundRole(QPalette::Button);
    w->setAutoFillBackground(true);
  }

  QWidget* tabOrder[] = {CmbMth,       CmbDay,  txtYear,    CmdDOWgo,   cmdReset,
                         CmdPrintForm, cmdExit, txtAddInfo, cmdPrntNote};
  for (std::size_t i = 1; i < std::size(tabOrder); ++i) setTabOrder(tabOrder[i - 1], tabOrder[i]);
}

void FormDOW::buildMenus() {
  auto item = [this](QMenu* menu, const char* name, const QString& caption, const char* keys) {
    QAction* a = addItem(menu, name, caption);
    if (keys) a->setShortcut(QKeySequence(QLatin1String(keys)));
    return a;
  };
  mnuopen = addMenu("mnuopen", QStringLiteral("&Open"));
  mnuBegin = item(mnuopen, "mnuBegin", QStringLiteral("&Getting Started"), "Ctrl+G");
  mnuline3 = addSeparator(mnuopen, "mnuline3");
  mnuCBYC = item(mnuopen, "mnuCBYC", QStringLiteral("Age-Birth-Death Date Calculator"), "Ctrl+A");
  mnuCBYC3 = item(mnuopen, "mnuCBYC3", QStringLiteral("Census Birth Year Calculator"), "Ctrl+C");
  mnuDOW = item(mnuopen, "mnuDOW", QStringLiteral("Day of the Week Calculator"), "Ctrl+D");
  mnuDOW->setCheckable(true);
  mnuDOW->setChecked(true);
  mnuline1 = addSeparator(mnuopen, "mnuline1");
  mnuPrint = item(mnuopen, "mnuPrint", QStringLiteral("Print Form"), "Ctrl+P");
  mnuPrint->setEnabled(false);
  mnuline = addSeparator(mnuopen, "mnuline");
  mnuClose = item(mnuopen, "mnuClose", QStringLiteral("Close"), "Ctrl+L");
  mnuline2 = addSeparator(mnuopen, "mnuline2");
  mnuExit = item(mnuopen, "mnuExit", QStringLiteral("Exit"), "Ctrl+X");

  mnuEdit = addMenu("mnuEdit", QStringLiteral("&Edit"));
  mnuReset = item(mnuEdit, "mnuReset", QStringLiteral("Reset Form"), "Ctrl+R");
  mnuEdit->menuAction()->setEnabled(false);

  mnuView = addMenu("mnuView", QStringLiteral("&View"));
  mnuView->menuAction()->setEnabled(false);
  mnuWindow = addMenu("mnuWindow", QStringLiteral("&Window"));
  MnuHelp = addMenu("MnuHelp", QStringLiteral("&Help"));
  mnuAbout =
      item(MnuHelp, "mnuAbout", QStringLiteral("About Tamsford Genealogy Calculator"), nullptr);
}

void FormDOW::attachHandlers() {
  // The month list is rebuilt on every entry, so a month chosen before is lost.
  onGotFocus(CmbMth, [this] { fillMonthList(CmbMth); });
  onGotFocus(CmbDay, [this] { CmbDay_GotFocus(); });

  onLostFocus(CmbMth, [this] {
    enableResetIfFilled(CmbMth->text());
    CheckValues::CheckDowMonth(program());
  });
  onLostFocus(CmbDay, [this] { enableResetIfFilled(CmbDay->text()); });
  onLostFocus(txtYear, [this] { enableResetIfFilled(txtYear->text()); });

  onClick(CmdDOWgo, [this] { CmdDOWgo_Click(); });
}

void FormDOW::enableResetIfFilled(const QString& text) {
  if (text.isEmpty()) return;
  mnuEdit->menuAction()->setEnabled(true);
  cmdReset->setEnabled(true);
}

void FormDOW::load() {
  cmdReset->setEnabled(false);
  CmdPrintForm->setEnabled(false);
  txtAddInfo->hide();
  cmdPrntNote->hide();
}

void FormDOW::CmbDay_GotFocus() {
  chooseDayList(program(), CmbMth->text(), txtYear->text(), kDowDayLists);
}

void FormDOW::CmdDOWgo_Click() {
  TxtDay->setText(QString());
  CheckValues::CheckDowDate(program());
}

}  // namespace vantel
