#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "dialogs/AboutTexts.h"
#include "dialogs/AboutWindow.h"
#include "dialogs/QtInfoWindows.h"
#include "support/QtTopLevel.h"

namespace kvpm {
namespace {

using testing::TopLevel;

QString LabelText(QWidget* window, const QString& name) {
  auto* label = window->findChild<QLabel*>(name);
  return label != nullptr ? label->text() : QString("<no label %1>").arg(name);
}

void ProcessDeferredDeletes() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class AboutWindowTest : public ::testing::Test {
 protected:
  AboutWindowTest() { mainWindow.show(); }

  // The About window on the screen, checked to show its fixed texts.
  QWidget* ShownAboutWindow() {
    QWidget* about = TopLevel("frmAbout");
    if (about == nullptr) {
      ADD_FAILURE() << "no About window";
      return nullptr;
    }
    EXPECT_TRUE(about->isVisible());
    EXPECT_TRUE(about->isEnabled());
    EXPECT_EQ(about->windowTitle(), "KV Playlist Manager: About");
    EXPECT_EQ(LabelText(about, "lblTitle"), "KV Playlist Manager");
    EXPECT_EQ(LabelText(about, "lblVersion"), "Version 2.0");
    EXPECT_EQ(LabelText(about, "Label3"), "Last updated: 2007-09-24");
    EXPECT_EQ(LabelText(about, "Label1"), "Credits:");
    EXPECT_EQ(LabelText(about, "Label4"),
              "The KV Playlist Manager team - Concept, design and programming.");
    EXPECT_EQ(LabelText(about, "Label5"),
              "The KV Playlist Manager testers - Testing and general assistance.");
    EXPECT_EQ(LabelText(about, "Label2"), QString::fromStdString(AboutContact()));
    auto* icon = about->findChild<QLabel*>("picIcon");
    // The program's icon, as far as the build holds it among its resources.
    EXPECT_TRUE(icon != nullptr && icon->pixmap().isNull() == !QFile::exists(":/kvpm.png"));
    EXPECT_FALSE(mainWindow.isEnabled());
    EXPECT_FALSE(mainEnabled);
    return about;
  }

  void ExpectMainWindowBack() {
    EXPECT_TRUE(mainWindow.isEnabled());
    EXPECT_TRUE(mainEnabled);
  }

  QWidget mainWindow;
  bool mainEnabled = true;
  QtInfoWindows infoWindows{&mainWindow, mainEnabled};
};

TEST_F(AboutWindowTest, OkHidesTheWindowAndTheSameWindowComesBack) {
  infoWindows.ShowAbout();
  QPointer<QWidget> about = ShownAboutWindow();
  ASSERT_NE(about, nullptr);

  QTest::mouseClick(about->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
  ProcessDeferredDeletes();
  ASSERT_NE(about, nullptr);
  EXPECT_FALSE(about->isVisible());
  ExpectMainWindowBack();

  infoWindows.ShowAbout();
  EXPECT_EQ(ShownAboutWindow(), about.data());
}

TEST_F(AboutWindowTest, TheCloseBoxDestroysTheWindowAndTheNextOneShowsTheSameTexts) {
  infoWindows.ShowAbout();
  QPointer<QWidget> about = ShownAboutWindow();
  ASSERT_NE(about, nullptr);

  about->close();
  ExpectMainWindowBack();
  // Shown again before the closed one is gone: a new window all the same.
  infoWindows.ShowAbout();
  ProcessDeferredDeletes();
  EXPECT_EQ(about, nullptr);
  ShownAboutWindow();
}

TEST_F(AboutWindowTest, EscapeDismissesTheWindowAsOkDoes) {
  infoWindows.ShowAbout();
  QWidget* about = ShownAboutWindow();
  ASSERT_NE(about, nullptr);

  QTest::keyClick(about, Qt::Key_Escape);

  EXPECT_FALSE(about->isVisible());
  ExpectMainWindowBack();
}

TEST_F(AboutWindowTest, ShowingItOverADisabledMainWindowOnTheFirstStart) {
  // Start-up has already disabled the main window.
  mainEnabled = false;
  mainWindow.setEnabled(false);

  infoWindows.ShowAbout();
  QWidget* about = ShownAboutWindow();
  ASSERT_NE(about, nullptr);
  QTest::keyClick(about->findChild<QPushButton*>("cmdOK"), Qt::Key_Space);

  ExpectMainWindowBack();
}

TEST(InfoWindowsLifetimeTest, OpenWindowsGoWithTheirOwner) {
  QWidget mainWindow;
  bool mainEnabled = true;
  QPointer<QWidget> about;
  {
    QtInfoWindows infoWindows(&mainWindow, mainEnabled);
    infoWindows.ShowAbout();
    about = TopLevel("frmAbout");
    ASSERT_NE(about, nullptr);
  }
  EXPECT_EQ(about, nullptr);
}

}  // namespace
}  // namespace kvpm
