#include "Script.h"

#include <cups/cups.h>
#include <dirent.h>
#include <dlfcn.h>
#include <pwd.h>
#include <unistd.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRadioButton>
#include <cstdio>
#include <memory>

#include "XInput.h"
#include "bad/FormBAD.h"
#include "census/CensusState.h"
#include "census/FormCBYC.h"
#include "census/FormCenInfo.h"
#include "dow/FormDOW.h"
#include "forms/Program.h"
#include "shell/FormBegin.h"
#include "shell/FormSplash.h"
#include "shell/MDIMain.h"
#include "shell/frmAbout.h"

using namespace vantel;

namespace {

// The captions of the child windows, as their Window menu lists them.
const QString kBegin = QStringLiteral("Getting Started");
const QString kBad = QStringLiteral("Birth - Age - Death Date Calculator");
const QString kCensus = QStringLiteral("Census Birth Year Calculator");
const QString kInfo = QStringLiteral("Census Information");
const QString kDow = QStringLiteral("Day of the Week Calculator");

QPoint centreOf(QWidget* w) { return w->mapToGlobal(w->rect().center()); }

bool shownNow(QWidget* w) { return w && w->isVisible(); }

QMessageBox* messageBox() { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); }

// The folder the print server's PDF printer writes into: PDF in the home of
// the user who printed.
QByteArray pdfFolder() {
  const passwd* user = getpwuid(geteuid());
  return QByteArray(user ? user->pw_dir : "") + "/PDF";
}

// The newest job of the print server (CUPS_SERVER), 0 when there is none. Read
// through the print server's client library that Qt's print support has
// loaded by the time a page is sent; the benchmark does not link it, which
// would load it (and its memory) into the program from the start.
int newestJob() {
  void* library = dlopen("libcups.so.2", RTLD_LAZY | RTLD_NOLOAD);
  if (!library) return 0;
  using GetJobs = int (*)(cups_job_t**, const char*, int, int);
  using FreeJobs = void (*)(int, cups_job_t*);
  const auto getJobs = reinterpret_cast<GetJobs>(dlsym(library, "cupsGetJobs"));
  const auto freeJobs = reinterpret_cast<FreeJobs>(dlsym(library, "cupsFreeJobs"));
  cups_job_t* jobs = nullptr;
  const int count = getJobs && freeJobs ? getJobs(&jobs, nullptr, 0, CUPS_WHICHJOBS_ALL) : 0;
  int newest = 0;
  for (int i = 0; i < count; ++i) newest = qMax(newest, jobs[i].id);
  if (count > 0) freeJobs(count, jobs);
  dlclose(library);
  return newest;
}

// The PDF printer names each file after the job's title and number; the
// folder is shared with every other print server of this user, so the file is
// found by its job number. Plain directory reading: this runs every
// millisecond or two while the print server works beside it.
QByteArray fileOfJob(const QByteArray& folder, int job) {
  const QByteArray suffix = "-job_" + QByteArray::number(job) + ".pdf";
  QByteArray found;
  if (DIR* dir = opendir(folder.constData())) {
    while (const dirent* entry = readdir(dir))
      if (QByteArray(entry->d_name).endsWith(suffix)) {
        found = folder + '/' + entry->d_name;
        break;
      }
    closedir(dir);
  }
  return found;
}

// A PDF file is complete once its last bytes hold the end-of-file marker.
bool complete(const QByteArray& path) {
  QFile file(QString::fromLocal8Bit(path));
  if (!file.open(QIODevice::ReadOnly) || file.size() < 16) return false;
  file.seek(file.size() - qMin<qint64>(file.size(), 64));
  return file.readAll().contains("%%EOF");
}

}  // namespace

Script::Script(Program& program, XInput& input) : program_(program), input_(input) {}

std::vector<Step> Script::steps() {
  steps_.clear();
  startUp();
  openEveryWindow();
  useBirthAgeDeath();
  printPage();
  useCensus();
  useDayOfWeek();
  openEveryWindowAgain();
  return std::move(steps_);
}

void Script::add(const QString& name, std::function<void()> act, Condition done) {
  // A preparation need not paint anything (a click on the field that has the
  // focus already): it is over when its condition holds.
  steps_.push_back(Step{name, std::move(act), std::move(done), !name.isEmpty()});
}

void Script::click(const QString& name, Target target, Condition done) {
  // Once the window manager has made its window the active one (a user clicks
  // what has been placed on the screen), the pointer is moved there, not
  // timed: hovering repaints the control.
  steps_.push_back(
      Step{{}, [] {}, [target] { return target()->window()->isActiveWindow(); }, false});
  steps_.push_back(
      Step{{}, [this, target] { input_.moveTo(centreOf(target())); }, [] { return true; }, false});
  // Moved again should the control have moved since (a dialog the window
  // manager has just placed); a move to where the pointer is sends nothing.
  add(
      name,
      [this, target] {
        input_.moveTo(centreOf(target()));
        input_.click();
      },
      std::move(done));
}

void Script::keys(const QString& name, std::vector<const char*> chord, Condition done) {
  add(
      name, [this, chord] { input_.chord(chord); }, std::move(done));
}

void Script::menu(const QString& name, const QString& bar, std::function<QString()> item,
                  Condition done) {
  auto barItem = [this, bar]() -> QPoint {
    QMenuBar* menuBar = program_.form<MDIMain>().menuBar();
    for (QAction* a : menuBar->actions())
      if (a->text() == bar) return menuBar->mapToGlobal(menuBar->actionGeometry(a).center());
    std::fprintf(stderr, "interactions: no menu %s\n", qPrintable(bar));
    _exit(1);
  };
  auto popup = [] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); };
  steps_.push_back(
      Step{{}, [this, barItem] { input_.moveTo(barItem()); }, [] { return true; }, false});
  add(
      {}, [this] { input_.click(); }, [popup] { return shownNow(popup()); });
  steps_.push_back(Step{{},
                        [this, popup, item] {
                          const QString text = item();
                          for (QAction* a : popup()->actions())
                            if (a->text().contains(text)) {
                              input_.moveTo(
                                  popup()->mapToGlobal(popup()->actionGeometry(a).center()));
                              return;
                            }
                          std::fprintf(stderr, "interactions: no menu item %s\n", qPrintable(text));
                          _exit(1);
                        },
                        [] { return true; },
                        false});
  add(
      name, [this] { input_.click(); }, std::move(done));
}

void Script::switchTo(const QString& title) {
  menu(
      QStringLiteral("Switch to %1 (Window menu)").arg(title), QStringLiteral("&Window"),
      [title] { return title; },
      [this, title] {
        QMdiSubWindow* active = program_.form<MDIMain>().MDIClient->activeSubWindow();
        return active && active->widget()->windowTitle() == title;
      });
}

void Script::type(Target field, const QString& text) {
  // A click on a drop-down list opens its list, where typing picks the entry
  // and Enter takes it; a click on a text box puts the cursor there.
  auto popup = [] { return QApplication::activePopupWidget(); };
  click({}, field, [field, popup] { return field()->hasFocus() || popup(); });
  add(
      {},
      [this, text, popup] {
        input_.type(text);
        if (popup()) input_.chord({"Return"});
      },
      [field, text] {
        if (auto* box = qobject_cast<QComboBox*>(field())) return box->currentText() == text;
        return qobject_cast<QLineEdit*>(field())->text() == text;
      });
}

void Script::answerBox() {
  steps_.push_back(Step{{}, [] {}, [] { return messageBox()->isActiveWindow(); }, false});
  keys({}, {"Return"}, [] { return !QApplication::activeModalWidget(); });
}

void Script::peakMemory() {
  steps_.push_back(Step{{},
                        [] {
                          QFile status(QStringLiteral("/proc/self/status"));
                          status.open(QIODevice::ReadOnly);
                          for (const QByteArray& line : status.readAll().split('\n'))
                            if (line.startsWith("VmHWM:"))
                              std::printf("memory\t%ld\n",
                                          line.mid(6).trimmed().split(' ').first().toLong());
                          std::fflush(stdout);
                        },
                        [] { return true; },
                        false});
}

void Script::startUp() {
  // Once the window manager has given the splash the focus.
  steps_.push_back(Step{{},
                        [] {},
                        [this] {
                          auto* splash = program_.existing<FormSplash>();
                          return shownNow(splash) && splash->isActiveWindow();
                        },
                        false});
  // A key on the splash; the main window then opens with the Getting Started
  // page, the first opening of that page.
  keys(QStringLiteral("Open Getting Started (first, key on the splash)"), {"a"},
       [this] { return shownNow(program_.existing<FormBegin>()); });
}

void Script::openEveryWindow() {
  auto begin = [this](const char* name) {
    return [this, name] { return program_.form<FormBegin>().findChild<QWidget*>(name); };
  };
  click(QStringLiteral("Open Birth-Age-Death (first)"), begin("Picture2"),
        [this] { return shownNow(program_.existing<FormBAD>()); });
  switchTo(kBegin);
  click(QStringLiteral("Open Census (first)"), begin("Picture1"),
        [this] { return shownNow(program_.existing<FormCBYC>()); });
  click(
      QStringLiteral("Open Census Information (first)"),
      [this] { return program_.form<FormCBYC>().Command1; },
      [this] { return shownNow(program_.existing<FormCenInfo>()); });
  switchTo(kBegin);
  click(QStringLiteral("Open Day of week (first)"), begin("Picture4"),
        [this] { return shownNow(program_.existing<FormDOW>()); });
  menu(
      QStringLiteral("Open About (first)"), QStringLiteral("&Help"),
      [] { return QStringLiteral("About"); },
      [this] { return shownNow(program_.existing<frmAbout>()); });
  peakMemory();
  click(
      {}, [this] { return program_.form<frmAbout>().cmdOK; },
      [this] { return !shownNow(program_.existing<frmAbout>()); });
}

void Script::useBirthAgeDeath() {
  auto f = [this]() -> FormBAD& { return program_.form<FormBAD>(); };
  switchTo(kBad);
  click(
      QStringLiteral("BAD: option Birth"), [f] { return f().OptBirth; },
      [f] { return f().OptBirth->isChecked() && f().FrameBirth->isHidden(); });
  click(
      QStringLiteral("BAD: option Age"), [f] { return f().OptAge; },
      [f] { return f().OptAge->isChecked() && f().FrameAge->isHidden(); });
  click(
      QStringLiteral("BAD: option Death"), [f] { return f().OptDeath; },
      [f] { return f().OptDeath->isChecked() && f().FrameDeath->isHidden(); });
  // A refused request: the age is missing and so is everything else.
  click(
      {}, [f] { return f().OptAge; }, [f] { return f().FrameAge->isHidden(); });
  click(
      QStringLiteral("BAD: Calculate (refused)"), [f] { return f().CmdCalculate; },
      [] { return shownNow(messageBox()); });
  answerBox();
  type([f] { return f().cmbBMonth; }, QStringLiteral("March"));
  type([f] { return f().cmbBDay; }, QStringLiteral("15"));
  type([f] { return f().txtBYear; }, QStringLiteral("1850"));
  type([f] { return f().cmbDMonth; }, QStringLiteral("June"));
  type([f] { return f().cmbDDay; }, QStringLiteral("20"));
  type([f] { return f().txtDYear; }, QStringLiteral("1920"));
  click(
      QStringLiteral("BAD: Calculate (valid)"), [f] { return f().CmdCalculate; },
      [f] { return !f().FrameAgeDis->isHidden() && !f().TxTAgeDis->text().isEmpty(); });
}

void Script::printPage() {
  auto f = [this]() -> FormBAD& { return program_.form<FormBAD>(); };
  click(
      {}, [f] { return f().CmdPrintForm; }, [] { return shownNow(messageBox()); });
  // "Add Ancestor?": No. The page then goes to the default printer.
  click(
      QStringLiteral("Print: answer to page sent"),
      [] { return static_cast<QWidget*>(messageBox()->button(QMessageBox::No)); },
      [] { return !QApplication::activeModalWidget(); });
  struct Page {
    QByteArray folder = pdfFolder();
    int job = 0;
    QByteArray file;
  };
  auto page = std::make_shared<Page>();
  Step pdf{QStringLiteral("Print: answer to PDF complete"), [] {},
           [page] {
             if (!page->job) page->job = newestJob();
             if (page->file.isEmpty() && page->job) page->file = fileOfJob(page->folder, page->job);
             return !page->file.isEmpty() && complete(page->file);
           },
           false, 60000};
  pdf.continuesClock = true;
  steps_.push_back(pdf);
  click(
      QStringLiteral("BAD: Reset"), [f] { return f().cmdReset; },
      [f] { return !f().OptAge->isChecked() && f().FrameAgeDis->isHidden(); });
}

void Script::useCensus() {
  auto f = [this]() -> FormCBYC& { return program_.form<FormCBYC>(); };
  switchTo(kCensus);
  click(
      QStringLiteral("Census: tick 1790"), [f] { return f().Chk1790; },
      [f] { return !f().CmdMaleA->isHidden(); });
  click(
      QStringLiteral("Census: 1790 gender Male"), [f] { return f().CmdMaleA; },
      [f] { return !f().Frame1790M->isHidden(); });
  click(
      QStringLiteral("Census: 1790 gender Female"), [f] { return f().CmdFemaleA; },
      [f] { return !f().Frame1790F->isHidden(); });
  click(
      {}, [f] { return f().Chk1790; }, [f] { return f().Frame1790F->isHidden(); });
  struct Census {
    const char* year;
    QCheckBox* FormCBYC::*box;
    QGroupBox* FormCBYC::*frame;
  };
  const Census censuses[] = {{"1800", &FormCBYC::Chk1800, &FormCBYC::Frame1800},
                             {"1810", &FormCBYC::Chk1810, &FormCBYC::Frame1810},
                             {"1820", &FormCBYC::Chk1820, &FormCBYC::Frame1820},
                             {"1830", &FormCBYC::Chk1830, &FormCBYC::Frame1830},
                             {"1840", &FormCBYC::Chk1840, &FormCBYC::Frame1840}};
  for (const Census& c : censuses)
    click(
        QStringLiteral("Census: tick %1").arg(QLatin1String(c.year)),
        [f, c] { return (f().*c.box); }, [f, c] { return !(f().*c.frame)->isHidden(); });
  // Only 1800 stays ticked for the calculation.
  for (const Census& c : censuses)
    if (c.frame != &FormCBYC::Frame1800)
      click(
          {}, [f, c] { return (f().*c.box); }, [f, c] { return (f().*c.frame)->isHidden(); });
  auto range = [f] { return f().Frame1800->findChildren<QRadioButton*>().value(1); };
  click(QStringLiteral("Census: choose an age range"), range,
        [range] { return range()->isChecked(); });
  click(
      QStringLiteral("Census: Calculate (valid)"), [f] { return f().CmdCalc; },
      [this] { return !program_.state<CensusState>().CensusYearsText.isEmpty(); });
  click(
      QStringLiteral("Census: Reset"), [f] { return f().CmdClear; },
      [f] { return !f().Chk1800->isChecked(); });
  click(
      QStringLiteral("Census: Calculate (refused)"), [f] { return f().CmdCalc; },
      [] { return shownNow(messageBox()); });
  answerBox();
}

void Script::useDayOfWeek() {
  auto f = [this]() -> FormDOW& { return program_.form<FormDOW>(); };
  switchTo(kDow);
  click(
      QStringLiteral("DOW: Calculate (refused)"), [f] { return f().CmdDOWgo; },
      [] { return shownNow(messageBox()); });
  answerBox();
  type([f] { return f().CmbMth; }, QStringLiteral("July"));
  type([f] { return f().CmbDay; }, QStringLiteral("4"));
  type([f] { return f().txtYear; }, QStringLiteral("1776"));
  click(
      QStringLiteral("DOW: Calculate (valid)"), [f] { return f().CmdDOWgo; },
      [f] { return !f().TxtDay->text().isEmpty(); });
  click(
      QStringLiteral("DOW: Reset"), [f] { return f().cmdReset; },
      [f] { return f().TxtDay->text().isEmpty() && f().txtYear->text().isEmpty(); });
}

void Script::openEveryWindowAgain() {
  switchTo(kInfo);
  click(
      {}, [this] { return program_.form<FormCenInfo>().cmdCenExit; },
      [this] { return !shownNow(program_.existing<FormCenInfo>()); });
  switchTo(kCensus);
  keys(QStringLiteral("Open Census Information (again)"), {"Control_L", "i"},
       [this] { return shownNow(program_.existing<FormCenInfo>()); });

  switchTo(kDow);
  click(
      {}, [this] { return program_.form<FormDOW>().cmdExit; },
      [this] { return !shownNow(program_.existing<FormDOW>()); });
  switchTo(kCensus);
  menu(
      QStringLiteral("Open Day of week (again)"), QStringLiteral("Open"), [] { return kDow; },
      [this] { return shownNow(program_.existing<FormDOW>()); });

  switchTo(kCensus);
  click(
      {}, [this] { return program_.form<FormCBYC>().CmdExit; },
      [this] { return !shownNow(program_.existing<FormCBYC>()); });
  switchTo(kDow);
  menu(
      QStringLiteral("Open Census (again)"), QStringLiteral("&Open"), [] { return kCensus; },
      [this] { return shownNow(program_.existing<FormCBYC>()); });

  switchTo(kBad);
  click(
      {}, [this] { return program_.form<FormBAD>().cmdExit; },
      [this] { return !shownNow(program_.existing<FormBAD>()); });
  switchTo(kDow);
  menu(
      QStringLiteral("Open Birth-Age-Death (again)"), QStringLiteral("&Open"),
      [] { return QStringLiteral("Age-Birth-Death Date Calculator"); },
      [this] { return shownNow(program_.existing<FormBAD>()); });

  // Getting Started is hidden by its own Close item and shown again.
  switchTo(kBegin);
  menu(
      {}, QStringLiteral("&Open"), [] { return QStringLiteral("&Close"); },
      [this] { return !shownNow(program_.existing<FormBegin>()); });
  switchTo(kDow);
  menu(
      QStringLiteral("Open Getting Started (again)"), QStringLiteral("&Open"),
      [] { return kBegin; }, [this] { return shownNow(program_.existing<FormBegin>()); });

  menu(
      QStringLiteral("Open About (again)"), QStringLiteral("&Help"),
      [] { return QStringLiteral("About"); },
      [this] { return shownNow(program_.existing<frmAbout>()); });
  click(
      {}, [this] { return program_.form<frmAbout>().cmdOK; },
      [this] { return !shownNow(program_.existing<frmAbout>()); });
}
