#include "bad/FormBAD.h"

#include <QFont>
#include <QPalette>

#include "bad/CheckCalculate.h"
#include "calendar/DayLists.h"
#include "forms/Colors.h"
#include "forms/Fonts.h"
#include "forms/Program.h"
#include "resources/Artwork.h"

namespace vantel {

namespace {

const QString kStartInstructions = QStringLiteral(
    "To begin, choose from above the missing information you'd like to calculate.\r\n");

const QString kAbout = QStringLiteral(
    "At one time it was common for burial markers to list a person's death date and age at the "
    "\r\n"
    "time of their death in years, months and days.  This calculator will return the missing birth "
    "\r\n"
    "date, or any value, if at least two values are known.  For example, if you know an "
    "individual's \r\n"
    "birth date and how old they were in years, months and days at the time of their death, this "
    "\r\n"
    "calculator will return the date of death.\r\n");

}  // namespace

FormBAD::FormBAD(Program& program)
    : Form(program, QStringLiteral("FormBAD"),
           QStringLiteral("Birth - Age - Death Date Calculator")) {
  setFixedSize(708, 503);

  FramePick = frame("FramePick", QStringLiteral("Pick One"), nullptr, {20, 35, 97, 270});
  OptBirth = add<QRadioButton>("OptBirth", FramePick);
  OptAge = add<QRadioButton>("OptAge", FramePick);
  OptDeath = add<QRadioButton>("OptDeath", FramePick);
  OptBirth->setText(QStringLiteral("Birth Date"));
  OptAge->setText(QStringLiteral("Age at Death"));
  OptDeath->setText(QStringLiteral("Death Date"));
  OptBirth->setToolTip(QStringLiteral("Find a missing Birth Date"));
  OptAge->setToolTip(QStringLiteral("Find a missing age at Death"));
  OptDeath->setToolTip(QStringLiteral("Find a missing Death Date"));
  OptBirth->setGeometry(5, 42, 83, 17);
  OptAge->setGeometry(5, 132, 83, 17);
  OptDeath->setGeometry(5, 222, 83, 17);

  buildEntryFrames();
  buildResultFrames();
  buildCommandsAndTexts();
  buildMenus();

  QWidget* tabOrder[] = {OptBirth,     OptAge,   OptDeath,     cmbBMonth, cmbBDay, txtBYear,
                         cmbAMonth,    cmbADay,  txtAYear,     cmbDMonth, cmbDDay, txtDYear,
                         CmdCalculate, cmdReset, CmdPrintForm, cmdExit};
  for (std::size_t i = 1; i < std::size(tabOrder); ++i)
    QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);
  setDefaultButton(CmdCalculate);

  attachListHandlers();
  attachChecks(*this);
}

void FormBAD::buildEntryFrames() {
  FrameBirth = frame("FrameBirth", QStringLiteral("Birth Date:"), nullptr, {130, 35, 217, 82});
  cmbBMonth = comboBox("cmbBMonth", FrameBirth, false, QStringLiteral("Pick a valid Birth Month"),
                       {10, 50, 80, 21});
  cmbBDay = comboBox("cmbBDay", FrameBirth, false, QStringLiteral("Pick a valid Birth Day"),
                     {100, 50, 40, 21});
  txtBYear = textBox("txtBYear", FrameBirth, 4, QStringLiteral("Enter a valid Birth Year"),
                     {150, 50, 41, 21});
  Label1 = fieldLabel("Label1", FrameBirth, QStringLiteral("MONTH"), {10, 30, 80, 15});
  Label4 = fieldLabel("Label4", FrameBirth, QStringLiteral("DAY"), {100, 30, 40, 15});
  Label9 = fieldLabel("Label9", FrameBirth, QStringLiteral("YEAR"), {150, 30, 41, 15});

  FrameAge = frame("FrameAge", QStringLiteral("Age at Death is:"), nullptr, {130, 127, 217, 82});
  cmbAMonth = comboBox("cmbAMonth", FrameAge, true,
                       QStringLiteral("Pick the age (in months) at death"), {10, 50, 40, 21});
  cmbADay = comboBox("cmbADay", FrameAge, false, QStringLiteral("Pick the age (in days) at death"),
                     {65, 50, 40, 21});
  txtAYear = textBox("txtAYear", FrameAge, 3, QStringLiteral("Enter age (in years) at death"),
                     {120, 50, 41, 19});
  Label3 = fieldLabel("Label3", FrameAge, QStringLiteral("MONTHS"), {10, 30, 50, 15});
  Label5 = fieldLabel("Label5", FrameAge, QStringLiteral("DAYS"), {65, 30, 40, 15});
  Label8 = fieldLabel("Label8", FrameAge, QStringLiteral("YEARS"), {120, 30, 41, 15});

  FrameDeath = frame("FrameDeath", QStringLiteral("Death Date:"), nullptr, {130, 224, 217, 82});
  cmbDMonth = comboBox("cmbDMonth", FrameDeath, false, QStringLiteral("Pick a valid Death Month"),
                       {10, 50, 80, 21});
  cmbDDay = comboBox("cmbDDay", FrameDeath, false, QStringLiteral("Pick a valid Death Day"),
                     {100, 50, 40, 21});
  txtDYear = textBox("txtDYear", FrameDeath, 4, QStringLiteral("Enter a valid Death Year"),
                     {150, 50, 41, 21});
  Label2 = fieldLabel("Label2", FrameDeath, QStringLiteral("MONTH"), {10, 30, 80, 15});
  Label6 = fieldLabel("Label6", FrameDeath, QStringLiteral("DAY"), {100, 30, 40, 15});
  Label7 = fieldLabel("Label7", FrameDeath, QStringLiteral("YEAR"), {150, 30, 41, 15});
}

void FormBAD::buildResultFrames() {
  FrameBirthDis =
      frame("FrameBirthDis", QStringLiteral("Missing Birth Date is:"), nullptr, {130, 35, 217, 82});
  TxTBirthDis = resultBox("TxTBirthDis", FrameBirthDis, {20, 35, 177, 25});
  FrameAgeDis = frame("FrameAgeDis", QStringLiteral("Missing Age at Death is:"), nullptr,
                      {130, 127, 217, 82});
  TxTAgeDis = resultBox("TxTAgeDis", FrameAgeDis, {8, 35, 200, 25});
  FrameDeathDis = frame("FrameDeathDis", QStringLiteral("Missing Death Date is:"), nullptr,
                        {130, 224, 217, 82});
  TxTDeathDis = resultBox("TxTDeathDis", FrameDeathDis, {20, 35, 177, 25});
  for (QGroupBox* f : {FrameBirth, FrameAge, FrameDeath, FrameBirthDis, FrameAgeDis, FrameDeathDis})
    f->hide();
}

void FormBAD::buildCommandsAndTexts() {
  ImageTamsford = add<QLabel>("ImageTamsford", nullptr);
  ImageTamsford->setGeometry(600, 5, 105, 63);
  ImageTamsford->setPixmap(artwork::logo(QSize(105, 63)));
  Line1 = line("Line1", 26, 5, 593);
  Line2 = line("Line2", 368, 10, 592);

  CmdCalculate = command("CmdCalculate", QStringLiteral("&Calculate Missing Data"),
                         QStringLiteral("Calculate the missing information"), 76);
  cmdReset =
      command("cmdReset", QStringLiteral("&Reset Form"), QStringLiteral("Reset the form."), 125);
  CmdPrintForm = command("CmdPrintForm", QStringLiteral("&Print Results"),
                         QStringLiteral("Print Results."), 172);
  cmdExit = command("cmdExit", QStringLiteral("E&xit Form"),
                    QStringLiteral("Close this Calculator."), 220);
  cmdReset->setEnabled(false);

  const QFont explanatory = fonts::explanatory();
  Frame1 = frame("Frame1", QStringLiteral("Instuctions"), nullptr, {10, 320, 586, 41});
  TextHowto = add<MultiLineText>("TextHowto", Frame1);
  TextHowto->setGeometry(6, 15, 574, 22);
  TextHowto->setFont(explanatory);
  TextHowto->setText(kStartInstructions);
  setForeColor(TextHowto, colors::tooltipText());

  FrameInfo = frame("FrameInfo", QStringLiteral("Information"), nullptr, {10, 373, 586, 116});
  TextAbout = add<MultiLineText>("TextAbout", FrameInfo);
  TextAbout->setGeometry(6, 15, 574, 96);
  TextAbout->setFont(explanatory);
  TextAbout->setText(kAbout);
}

void FormBAD::buildMenus() {
  mnuopen = addMenu("mnuopen", QStringLiteral("&Open"));
  mnuStart = addItem(mnuopen, "mnuStart", QStringLiteral("&Getting Started"));
  mnuline3 = addSeparator(mnuopen, "mnuline3");
  mnuCBYC = addItem(mnuopen, "mnuCBYC", QStringLiteral("&Age-Birth-Death Date Calculator"));
  mnuCBYC->setCheckable(true);
  mnuCBYC->setChecked(true);
  mnuCBYC2 = addItem(mnuopen, "mnuCBYC2", QStringLiteral("&Census Birth Year Calculator"));
  mnuDOW = addItem(mnuopen, "mnuDOW", QStringLiteral("&Day of the Week Calculator"));
  mnuline1 = addSeparator(mnuopen, "mnuline1");
  mnuPrint = addItem(mnuopen, "mnuPrint", QStringLiteral("&Print Results"));
  mnuPrint->setEnabled(false);
  mnuline2 = addSeparator(mnuopen, "mnuline2");
  mnuClose = addItem(mnuopen, "mnuClose", QStringLiteral("&Close"));
  mnuline = addSeparator(mnuopen, "mnuline");
  mnuExit = addItem(mnuopen, "mnuExit", QStringLiteral("E&xit"));

  mnuEdit = addMenu("mnuEdit", QStringLiteral("&Edit"));
  mnuReset = addItem(mnuEdit, "mnuReset", QStringLiteral("&Reset Form"));
  mnuEdit->menuAction()->setEnabled(false);

  mnuView = addMenu("mnuView", QStringLiteral("&View"));
  mnuWindow = addMenu("mnuWindow", QStringLiteral("&Window"));
  mnuHelp = addMenu("mnuHelp", QStringLiteral("&Help"));
  mnuAbout = addItem(mnuHelp, "mnuAbout", QStringLiteral("About Tamsford Genealogy Calculator"));
}

void FormBAD::attachListHandlers() {
  onGotFocus(cmbBMonth, [this] { fillMonthList(cmbBMonth); });
  onGotFocus(cmbDMonth, [this] { fillMonthList(cmbDMonth); });
  onGotFocus(cmbBDay, [this] {
    chooseDayList(program(), cmbBMonth->text(), txtBYear->text(), kBirthDayLists);
  });
  onGotFocus(cmbDDay, [this] {
    chooseDayList(program(), cmbDMonth->text(), txtDYear->text(), kDeathDayLists);
  });
  onGotFocus(cmbAMonth, [this] { fillNumberList(cmbAMonth, 0, 12); });
  onGotFocus(cmbADay, [this] { fillNumberList(cmbADay, 0, 31); });
}

void FormBAD::load() {
  for (QRadioButton* option : {OptBirth, OptAge, OptDeath}) setOptionValue(option, false);
  for (QGroupBox* f : {FrameBirth, FrameAge, FrameDeath, FrameAgeDis, FrameDeathDis, FrameBirthDis})
    f->hide();
  mnuView->menuAction()->setEnabled(false);
  cmdReset->setEnabled(false);
}

QGroupBox* FormBAD::frame(const char* name, const QString& caption, QWidget* parent, QRect place) {
  auto* f = add<QGroupBox>(name, parent);
  f->setTitle(caption);
  f->setGeometry(place);
  return f;
}

ComboBox* FormBAD::comboBox(const char* name, QWidget* parent, bool editable,
                            const QString& tooltip, QRect place) {
  auto* box = add<ComboBox>(name, parent, editable);
  box->setToolTip(tooltip);
  box->setGeometry(place);
  return box;
}

TextBox* FormBAD::textBox(const char* name, QWidget* parent, int maxLength, const QString& tooltip,
                          QRect place) {
  auto* box = add<TextBox>(name, parent);
  box->setMaxLength(maxLength);
  box->setToolTip(tooltip);
  box->setGeometry(place);
  return box;
}

TextBox* FormBAD::resultBox(const char* name, QWidget* parent, QRect place) {
  auto* box = add<TextBox>(name, parent);
  box->setReadOnly(true);
  box->setFocusPolicy(Qt::NoFocus);
  box->setGeometry(place);
  setForeColor(box, colors::navy());
  return box;
}

QLabel* FormBAD::fieldLabel(const char* name, QWidget* parent, const QString& caption,
                            QRect place) {
  auto* label = add<QLabel>(name, parent);
  label->setText(caption);
  label->setFont(fonts::small());
  label->setGeometry(place);
  return label;
}

QPushButton* FormBAD::command(const char* name, const QString& caption, const QString& tooltip,
                              int y) {
  auto* button = add<CommandButton>(name, nullptr);
  button->setText(caption);
  button->setToolTip(tooltip);
  button->setGeometry(608, y, 89, 34);
  return button;
}

QFrame* FormBAD::line(const char* name, int y, int x1, int x2) {
  auto* l = add<QFrame>(name, nullptr);
  l->setGeometry(x1, y - 1, x2 - x1, 2);
  QPalette p = l->palette();
  p.setColor(QPalette::Window, colors::navy());
  l->setPalette(p);
  l->setAutoFillBackground(true);
  return l;
}

}  // namespace vantel
