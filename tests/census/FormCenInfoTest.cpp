// The Census Information window: its six census texts, its controls, its
// menus, and how it is opened, hidden and closed from the Census form.

#include <QMdiSubWindow>
#include <QScrollBar>

#include "CensusFixture.h"
#include "census/FormCenInfo.h"
#include "shell/MDIMain.h"
#include "shell/frmAbout.h"

namespace vantel::test {
namespace {

struct TextCase {
  int census;
  QString secondLine;
  int length;
  QString enumerationDay;
};
void PrintTo(const TextCase& c, std::ostream* out) { *out << c.census; }

class CensusTexts : public CensusTest, public ::testing::WithParamInterface<TextCase> {};

// Lines of about 80 characters, each ending in a blank and CR LF, an empty
// line between paragraphs, the opening lines as given, the size within a
// tenth, and a source note at the end.
TEST_P(CensusTexts, FollowTheOutline) {
  const TextCase& c = GetParam();
  const QString text = program.form<FormCenInfo>().censusTexts()[(c.census - 1790) / 10]->text();
  EXPECT_NEAR(text.size(), c.length, c.length / 10);
  ASSERT_TRUE(text.endsWith(" \r\n"));
  QStringList lines = text.split("\r\n");
  lines.removeLast();
  ASSERT_GE(lines.size(), 3);
  EXPECT_EQ(lines[0], QString("This database details those persons enumerated in the %1 United "
                              "States ")
                          .arg(c.census));
  EXPECT_EQ(lines[1], c.secondLine + " ");
  EXPECT_EQ(lines[2], "");
  for (int i = 0; i < lines.size(); ++i) {
    const QString& line = lines[i];
    SCOPED_TRACE("line " + std::to_string(i + 1) + ": " + line.toStdString());
    if (line.isEmpty()) {
      EXPECT_FALSE(lines[i - 1].isEmpty());  // one empty line between paragraphs
      continue;
    }
    EXPECT_TRUE(line.endsWith(' ') && !line.endsWith("  ")) << "ends in one blank";
    EXPECT_LE(line.size(), 81);
    const bool lastOfParagraph = i + 1 == lines.size() || lines[i + 1].isEmpty();
    if (!lastOfParagraph && i > 1) EXPECT_GE(line.size(), 60);
    EXPECT_FALSE(line.contains('\n') || line.contains('\r'));
  }
  EXPECT_TRUE(text.contains(c.enumerationDay));
  const QString note = text.mid(text.lastIndexOf("\r\n\r\n") + 4);
  EXPECT_TRUE(note.startsWith("Source")) << note.toStdString();
  EXPECT_TRUE(note.contains("The Source: A Guidebook of"));
  EXPECT_EQ(note.contains("Map Guide to the U.S. Federal"), c.census >= 1810);
}

INSTANTIATE_TEST_SUITE_P(
    Censuses, CensusTexts,
    ::testing::Values(TextCase{1790, "Federal Census.", 2958, "August 2, 1790"},
                      TextCase{1800, "Federal Census.", 2477, "August 4, 1800"},
                      TextCase{1810, "Federal Census, the Third Census of the United States.", 3075,
                               "August 6, 1810"},
                      TextCase{1820, "Federal Census, the Fourth Census of the United States.",
                               3294, "August 7, 1820"},
                      TextCase{1830, "Federal Census, the Fifth Census of the United States.", 2810,
                               "June 1, 1830"},
                      TextCase{1840, "Federal Census, the Sixth Census of the United States.", 3142,
                               "June 1, 1840"}),
    [](const auto& info) { return std::to_string(info.param.census); });

class CensusInfo : public CensusTest {
 protected:
  FormCenInfo& info = program.form<FormCenInfo>();
};

TEST_F(CensusInfo, TabsTextsAndButton) {
  EXPECT_EQ(info.windowTitle(), "Census Information");
  EXPECT_EQ(info.size(), QSize(708, 503));
  EXPECT_EQ(info.SSTab2->geometry(), QRect(8, 4, 587, 490));
  ASSERT_EQ(info.SSTab2->count(), 6);
  EXPECT_EQ(info.SSTab2->currentIndex(), 0);
  info.show();
  for (int i = 0; i < 6; ++i) {
    MultiLineText* box = info.censusTexts()[i];
    SCOPED_TRACE(box->objectName().toStdString());
    EXPECT_EQ(info.SSTab2->tabText(i), QString("%1 Census").arg(1790 + 10 * i));
    EXPECT_EQ(info.SSTab2->widget(i), box->parentWidget());
    info.SSTab2->setCurrentIndex(i);
    EXPECT_EQ(box->mapTo(info.SSTab2, QPoint(0, 0)), QPoint(48, 35));
    EXPECT_EQ(box->size(), QSize(497, 417));
    EXPECT_TRUE(box->isReadOnly());
    EXPECT_EQ(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_TRUE(box->textInteractionFlags() & Qt::TextSelectableByKeyboard);
  }
  EXPECT_EQ(info.cmdCenExit->text(), "E&xit Census Information");
  EXPECT_EQ(info.cmdCenExit->geometry(), QRect(608, 79, 89, 36));
  EXPECT_EQ(info.ImageTamsford->geometry(), QRect(600, 5, 105, 63));
  EXPECT_EQ(info.ImageTamsford->accessibleName(), "Tamsford Genealogy Calculator logo");
  EXPECT_EQ(info.cmdCenExit->nextInFocusChain(), info.SSTab2);
}

TEST_F(CensusInfo, Menus) {
  QStringList lines;
  for (QMenu* m : info.menus()) {
    lines << m->objectName() + " " + m->title() + (m->menuAction()->isEnabled() ? "" : " disabled");
    for (QAction* a : m->actions())
      lines << "  " + a->objectName() + " " + (a->isSeparator() ? "-" : a->text()) +
                   (a->shortcut().isEmpty() ? "" : " shortcut");
  }
  EXPECT_EQ(lines,
            QStringList({"mnuOpen &Open", "  mnuline -", "  mnuprint &Print", "  mnuclose &Close",
                         "  mnuExit E&xit", "mnuedit &Edit disabled", "mnuView &View",
                         "  mnuXcenInfo E&xit Census Information", "mnuWindow &Window",
                         "mnuHelp &Help", "  mnuAbout &About Tamsford Genealogy Calculator"}));

  info.show();
  info.mnuprint->trigger();
  ASSERT_EQ(platform.prints().size(), 1);
  EXPECT_EQ(platform.prints()[0].formName, "FormCenInfo");
  info.mnuAbout->trigger();
  EXPECT_NE(program.existing<frmAbout>(), nullptr);
  for (QAction* hides : {info.mnuclose, info.mnuXcenInfo}) {
    info.show();
    hides->trigger();
    EXPECT_FALSE(vantel::shown(&info)) << hides->objectName().toStdString();
    EXPECT_EQ(program.existing<FormCenInfo>(), &info);
  }
  info.mnuExit->trigger();
  EXPECT_TRUE(program.forms().empty());
}

// Opened from the Census form, hidden by its Exit button, Enter or the Census
// form's closing, it keeps its tab and scroll position; its own close box
// discards it, so the next opening starts at the 1790 tab.
TEST_F(CensusTest, OpenedHiddenAndClosedFromTheCensusForm) {
  // Made hidden by another form, it does not show.
  program.hide(program.form<FormCenInfo>());
  EXPECT_FALSE(vantel::shown(program.existing<FormCenInfo>()));

  auto& main = program.open<MDIMain>();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
  main.MnuCalc->trigger();
  FormCBYC* census = program.existing<FormCBYC>();
  census->Command1->click();
  FormCenInfo* info = program.existing<FormCenInfo>();
  EXPECT_TRUE(info->isVisible());
  EXPECT_EQ(info->SSTab2->currentIndex(), 0);
  info->SSTab2->setCurrentIndex(4);
  info->txt1830->verticalScrollBar()->setValue(12);
  info->txt1830->setFocus();
  QTest::keyClick(info->txt1830, Qt::Key_Return);  // Enter presses the Exit button
  EXPECT_FALSE(vantel::shown(info));

  census->mnuCensusInfo->trigger();
  EXPECT_EQ(program.existing<FormCenInfo>(), info);
  EXPECT_TRUE(info->isVisible());
  EXPECT_EQ(info->SSTab2->currentIndex(), 4);
  EXPECT_EQ(info->txt1830->verticalScrollBar()->value(), 12);

  census->CmdExit->click();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(program.existing<FormCBYC>(), nullptr);
  EXPECT_FALSE(vantel::shown(info));
  main.MnuCalc->trigger();
  EXPECT_FALSE(vantel::shown(info));  // until asked for again

  program.existing<FormCBYC>()->Command1->click();
  ASSERT_TRUE(info->isVisible());
  info->parentWidget()->close();  // the window's close box
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(program.existing<FormCenInfo>(), nullptr);
  program.existing<FormCBYC>()->mnuCensusInfo->trigger();
  EXPECT_EQ(program.existing<FormCenInfo>()->SSTab2->currentIndex(), 0);
}

}  // namespace
}  // namespace vantel::test
