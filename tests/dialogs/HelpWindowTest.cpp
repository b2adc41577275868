#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <vector>

#include "dialogs/HelpWindow.h"
#include "dialogs/QtInfoWindows.h"

namespace kvpm {
namespace {

QWidget* TopLevel(const QString& name) {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == name) return widget;
  }
  return nullptr;
}

const QString kHome = "https://kvpm.example.org/";

TEST(HelpWindowTest, ShowsTheIntroductionAndTheSixQuestionsFromTopToBottom) {
  QWidget mainWindow;
  mainWindow.show();
  bool mainEnabled = true;
  QtInfoWindows infoWindows(&mainWindow, mainEnabled);

  infoWindows.ShowHelp();
  QWidget* help = TopLevel("frmHelp");
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->isVisible());
  EXPECT_FALSE(mainWindow.isEnabled());
  EXPECT_FALSE(mainEnabled);
  EXPECT_EQ(help->windowTitle(), "KV Playlist Manager: FAQ");

  auto* intro = help->findChild<QLabel*>("Label3");
  ASSERT_NE(intro, nullptr);
  EXPECT_EQ(intro->text(),
            "Below is a list of the most common questions about the Playlist Manager, and their "
            "answers. If you need further help with this program then please visit " +
                kHome);
  EXPECT_TRUE(intro->wordWrap());

  struct Block {
    QString frame, question, label, answer;
  };
  const std::vector<Block> blocks = {
      {"Frame1",
       "Q: How do I choose what the \"Custom\" option is for the Intro, Loading and Score "
       "tracks?",
       "Label1",
       "A: By right-clicking on the track you want from the Individual Track Selection frame and "
       "then left clicking on the desired option from the popup menu."},
      {"Frame4", "Q: What does \"Generic Mod\" Soundtrack mean?", "Label5",
       "A: If a mod includes KVPM support then you can choose whether or not to enable that "
       "mod's soundtrack."},
      {"Frame5", "Q: Why isn't anything playing on the Main Menu?", "Label6",
       "A: If you have chosen \"Generic Mod Intro Track\" as your Main Menu track but are not "
       "running a mod (or you are running a mod that does not include KVPM support) then no "
       "track will play."},
      {"Frame2", "Q: Why are some of the Available Soundtrack checkboxes disabled?", "Label2",
       "A: Because you don't have those soundtracks. You must download or create the "
       "soundtracks yourself. Instructions on how to do this can be found at " +
           kHome},
      {"Frame6", "Q: How do I make my own soundtrack?", "Label7",
       "A: The KVPM only enables the playing of your custom soundtrack, it doesn't help you to "
       "make one. For information on this, download the soundtrack guide from " +
           kHome},
      {"Frame3", "Q: Why do I need to copy the Korvale soundtrack to my Harrowgate folder?",
       "Label4",
       "A: You don't need to, but it can stop those annoying little pauses in-game whilst the "
       "CD is accessed in order to play the next track. If you have the space then it is "
       "highly reccommended."},
  };
  help->adjustSize();
  int above = intro->geometry().bottom();
  for (const Block& block : blocks) {
    SCOPED_TRACE(block.frame.toStdString());
    auto* frame = help->findChild<QGroupBox*>(block.frame);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->title(), block.question);
    auto* answer = frame->findChild<QLabel*>(block.label);
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(answer->text(), block.answer);
    EXPECT_TRUE(answer->wordWrap());
    EXPECT_GT(frame->geometry().top(), above);
    above = frame->geometry().bottom();
  }
  auto* ok = help->findChild<QPushButton*>("cmdOK");
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(ok->text(), "OK");
  EXPECT_GT(ok->geometry().top(), above);

  QTest::mouseClick(ok, Qt::LeftButton);
  EXPECT_FALSE(help->isVisible());
  EXPECT_TRUE(mainWindow.isEnabled());
  EXPECT_TRUE(mainEnabled);
}

TEST(HelpWindowTest, TheCloseBoxGivesTheMainWindowBack) {
  QWidget mainWindow;
  mainWindow.show();
  bool mainEnabled = true;
  QtInfoWindows infoWindows(&mainWindow, mainEnabled);
  infoWindows.ShowHelp();
  QWidget* help = TopLevel("frmHelp");
  ASSERT_NE(help, nullptr);

  help->close();

  EXPECT_TRUE(mainWindow.isEnabled());
  EXPECT_TRUE(mainEnabled);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(TopLevel("frmHelp"), nullptr);
}

}  // namespace
}  // namespace kvpm
