#include "shell/FormBegin.h"

#include "forms/Program.h"
#include "resources/Artwork.h"
#include "resources/Icons.h"

namespace vantel {

FormBegin::FormBegin(Program& program)
    : Form(program, QStringLiteral("FormBegin"), QStringLiteral("Getting Started")) {
  setupUi(this);
  adoptControls();
  useFormBackground();
  ImageTamsford->setPixmap(artwork::logo(QSize(105, 63)));
  setWindowIcon(artwork::icon(QStringLiteral("begin.svg")));

  using namespace menu;
  buildMenus<FormBegin>({
      bar(&FormBegin::mnuOpen, "mnuOpen", "&Open"),
      item(&FormBegin::mnuStart, "mnuStart", "&Getting Started", nullptr,
           &FormBegin::mnuStart_Click, Checked),
      line(&FormBegin::mnuline1, "mnuline1"),
      item(&FormBegin::mnuBAD, "mnuBAD", "&Age-Birth-Death Data Calculator", nullptr,
           &FormBegin::mnuBAD_Click),
      item(&FormBegin::mnuCBYC, "mnuCBYC", "&Census Birth Year Calculator", nullptr,
           &FormBegin::mnuCBYC_Click),
      item(&FormBegin::mnuDOW, "mnuDOW", "&Day of the Week Calculator", nullptr,
           &FormBegin::mnuDOW_Click),
      line(&FormBegin::mnuline, "mnuline"),
      item(&FormBegin::mnuprint, "mnuprint", "&Print Form", nullptr, inert, Disabled),
      line(&FormBegin::mnuline2, "mnuline2"),
      item(&FormBegin::mnuclose, "mnuclose", "&Close", nullptr, &FormBegin::mnuClose_Click),
      line(&FormBegin::mnuline3, "mnuline3"),
      // Exit ends the program at once; Close only hides this page.
      item(&FormBegin::mnuexit, "mnuexit", "E&xit", nullptr, &FormBegin::mnuExit_Click),
      bar(&FormBegin::mnuedit, "mnuedit", "&Edit", Disabled),
      item(&FormBegin::mnuClearForm, "mnuClearForm", "&Clear Form", nullptr,
           &FormBegin::mnuClearForm_Click),
      bar(&FormBegin::mnuview, "mnuview", "&View", Disabled),
      windows(&FormBegin::mnuwindow, "mnuwindow", "&Window"),
      bar(&FormBegin::mnuhelp, "mnuhelp", "&Help"),
      item(&FormBegin::mnuAbout, "mnuAbout", "&About Tamsford Genealogy Calculator", nullptr,
           &FormBegin::mnuAbout_Click),
  });
  wire();
}

void FormBegin::wire() {
  onClick(Picture2, [this] { Picture2_Click(); });
  onClick(Picture1, [this] { Picture1_Click(); });
  onClick(Picture4, [this] { Picture4_Click(); });
  onClick(PictureInfoBAD, [this] { PictureInfoBAD_Click(); });
  onClick(PictureInfoCBY, [this] { PictureInfoCBY_Click(); });
  onClick(PictureInfoDOW, [this] { PictureInfoDOW_Click(); });
}

void FormBegin::showExplanation(QWidget* text) {
  for (QWidget* other : {TextBAD, TextCBY, TextDOW})
    if (other != text) other->hide();
  text->show();
  mnuedit->menuAction()->setEnabled(true);
}

void FormBegin::Picture2_Click() { program().open(Window::BirthAgeDeath, Front); }
void FormBegin::Picture1_Click() { program().open(Window::Census, Front); }
void FormBegin::Picture4_Click() { program().open(Window::DayOfWeek, Front); }

void FormBegin::mnuClearForm_Click() {
  TextCBY->hide();
  TextBAD->hide();
  TextDOW->hide();
  mnuedit->menuAction()->setEnabled(false);
}

void FormBegin::mnuStart_Click() { program().open(Window::Begin, Front); }
void FormBegin::mnuBAD_Click() { program().open(Window::BirthAgeDeath, Front); }
void FormBegin::mnuCBYC_Click() { program().open(Window::Census, Front); }
void FormBegin::mnuDOW_Click() { program().open(Window::DayOfWeek, Front); }
void FormBegin::mnuClose_Click() { program().hide(*this); }
void FormBegin::mnuExit_Click() { program().end(); }
void FormBegin::mnuAbout_Click() { program().open(Window::About); }

}  // namespace vantel
