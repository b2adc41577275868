#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "dialogs/AboutTexts.h"
#include "dialogs/HelpWindow.h"
#include "dialogs/QtInfoWindows.h"
#include "support/QtTopLevel.h"

namespace kvpm {
namespace {

using testing::TopLevel;

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

  // The texts themselves are checked with the core's table.
  auto* intro = help->findChild<QLabel*>("Label3");
  ASSERT_NE(intro, nullptr);
  EXPECT_EQ(intro->text(), QString::fromStdString(FaqIntroduction()));
  EXPECT_TRUE(intro->wordWrap());
  help->adjustSize();
  int above = intro->geometry().bottom();
  for (const FaqBlock& block : FaqBlocks()) {
    SCOPED_TRACE(block.frameName);
    auto* frame = help->findChild<QGroupBox*>(block.frameName);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->title(), QString::fromStdString(block.question));
    auto* answer = frame->findChild<QLabel*>(block.labelName);
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(answer->text(), QString::fromStdString(block.answer));
    // All of the wrapped answer fits.
    EXPECT_GE(answer->height(), answer->heightForWidth(answer->width()));
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
