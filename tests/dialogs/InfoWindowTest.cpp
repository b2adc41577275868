// The About, FAQ and wait windows: their texts, each shown whole, in front
// of the main window.

#include <gtest/gtest.h>

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <filesystem>

#include "app/MainWindow.h"
#include "app/QtUserDialogs.h"
#include "lean/Program.h"

namespace kvpm::test {
namespace {

// The shown window of that name, or nullptr.
QWidget* TopLevel(const QString& name) {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == name && widget->isVisible()) return widget;
  }
  return nullptr;
}

// A window's caption and texts top to bottom, "name: text"; each label must
// have the room its text needs, wrapped or not.
std::string Texts(const QWidget* window) {
  QList<QWidget*> widgets = window->findChildren<QWidget*>();
  std::stable_sort(widgets.begin(), widgets.end(), [window](QWidget* a, QWidget* b) {
    return a->mapTo(window, QPoint()).y() < b->mapTo(window, QPoint()).y();
  });
  QString texts = window->windowTitle();
  for (const QWidget* widget : widgets) {
    const QString text = widget->property(qobject_cast<const QGroupBox*>(widget) ? "title" : "text").toString();
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
      const QRect room = label->contentsRect();
      const QSize needed = label->fontMetrics().boundingRect(room, Qt::TextWordWrap * label->wordWrap(), text).size();
      EXPECT_TRUE(needed.boundedTo(room.size()) == needed) << text.toStdString();
    }
    if (!text.isEmpty()) texts += '\n' + widget->objectName() + ": " + text;
  }
  return texts.toStdString();
}

using InfoWindowTest = Program;

// The first start shows the About window in front of the disabled main
// window; OK, Escape and the close box each give the main window back, and
// Help > About shows the window again, made afresh after its close box.
TEST_F(InfoWindowTest, TheAboutWindowStandsInFrontOfTheDisabledMainWindow) {
  std::filesystem::remove(programFolder + "/kvpm.ini");
  MainWindow window(&dialogs);
  ASSERT_TRUE(window.Start(programFolder));
  for (const auto& dismiss : std::initializer_list<std::function<void(QWidget*)>>{
           [](QWidget* about) { QTest::mouseClick(about->findChild<QWidget*>("cmdOK"), Qt::LeftButton); },
           [](QWidget* about) { QTest::keyClick(about, Qt::Key_Escape); },
           [](QWidget* about) { about->close(); }}) {
    QWidget* about = TopLevel("frmAbout");
    ASSERT_NE(about, nullptr);
    EXPECT_FALSE(window.isEnabled());
    EXPECT_EQ(Texts(about),
              "KV Playlist Manager: About\nlblTitle: KV Playlist Manager\nlblVersion: Version 2.0\n"
              "Label3: Last updated: 2007-09-24\nLabel1: Credits:\n"
              "Label4: The KV Playlist Manager team - Concept, design and programming.\n"
              "Label5: The KV Playlist Manager testers - Testing and general assistance.\n"
              "Label2: If you encounter any bugs or problems with this program then please contact "
              "the KV Playlist Manager team at the KV Playlist Manager home page "
              "(https://kvpm.example.org/) with as much information as possible.\ncmdOK: OK");
    EXPECT_FALSE(about->findChild<QLabel*>("picIcon")->pixmap().isNull());
    dismiss(about);
    EXPECT_TRUE(TopLevel("frmAbout") == nullptr && window.isEnabled());
    window.findChild<QAction*>("menu_new")->trigger();  // shows the state again
    EXPECT_TRUE(window.isEnabled());
    window.findChild<QAction*>("menu_about")->trigger();
  }
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_NE(TopLevel("frmAbout"), nullptr);
}

// Closing the main window while the FAQ window is open ends the program's
// event loop, and the FAQ window goes with the main window.
TEST_F(InfoWindowTest, TheFaqWindowAnswersSixQuestionsUntilTheProgramEnds) {
  auto window = std::make_unique<MainWindow>(&dialogs);
  ASSERT_TRUE(window->Start(programFolder));
  window->findChild<QAction*>("menu_help")->trigger();
  QPointer<QWidget> faq = TopLevel("frmHelp");
  ASSERT_FALSE(faq.isNull() || window->isEnabled());
  EXPECT_EQ(Texts(faq),
      "KV Playlist Manager: FAQ\nLabel3: Below is a list of the most common questions about the "
      "Playlist Manager, and their answers. If you need further help with this program then please "
      "visit https://kvpm.example.org/\nFrame1: Q: How do I choose what the \"Custom\" option is "
      "for the Intro, Loading and Score tracks?\nLabel1: A: By right-clicking on the track you want "
      "from the Individual Track Selection frame and then left clicking on the desired option from "
      "the popup menu.\nFrame4: Q: What does \"Generic Mod\" Soundtrack mean?\nLabel5: A: If a mod "
      "includes KVPM support then you can choose whether or not to enable that mod's soundtrack.\n"
      "Frame5: Q: Why isn't anything playing on the Main Menu?\nLabel6: A: If you have chosen "
      "\"Generic Mod Intro Track\" as your Main Menu track but are not running a mod (or you are "
      "running a mod that does not include KVPM support) then no track will play.\nFrame2: Q: Why "
      "are some of the Available Soundtrack checkboxes disabled?\nLabel2: A: Because you don't "
      "have those soundtracks. You must download or create the soundtracks yourself. Instructions "
      "on how to do this can be found at https://kvpm.example.org/\nFrame6: Q: How do I make my "
      "own soundtrack?\nLabel7: A: The KVPM only enables the playing of your custom soundtrack, it "
      "doesn't help you to make one. For information on this, download the soundtrack guide from "
      "https://kvpm.example.org/\nFrame3: Q: Why do I need to copy the Korvale soundtrack to my "
      "Harrowgate folder?\nLabel4: A: You don't need to, but it can stop those annoying little "
      "pauses in-game whilst the CD is accessed in order to play the next track. If you have the "
      "space then it is highly reccommended.\ncmdOK: OK");
  QSignalSpy ending(window.get(), &MainWindow::Ending);
  QTimer::singleShot(0, window.get(), &QWidget::close);
  QTimer watchdog;
  watchdog.callOnTimeout([] { QApplication::exit(1); });
  watchdog.start(10000);
  EXPECT_EQ(QApplication::exec(), 0);
  EXPECT_EQ(ending.count(), 1);
  window.reset();
  EXPECT_TRUE(faq.isNull());
}

// While a copy runs, the wait window stands painted in place of the main
// window, with the copy's progress; the user cannot close it.
TEST(WaitWindowTest, ShowsTheProgressInPlaceOfTheMainWindow) {
  QWidget mainWindow;
  mainWindow.show();
  QtUserDialogs dialogs(&mainWindow, {});
  dialogs.ShowWaitWindow("Copying file from Korvale CD.");
  dialogs.ShowCopyProgress(1, 4);
  auto* wait = mainWindow.findChild<QWidget*>("frmWait");
  EXPECT_TRUE(wait->windowHandle()->isExposed() && !mainWindow.isVisible());
  EXPECT_EQ(Texts(wait), "KV Playlist Manager\nLabel1: Copying file from Korvale CD.\nLabel2: This "
                         "may take a few minutes, depending on the speed of your CD drive and hard "
                         "disk.\n: 25%");
  QTest::keyClick(wait, Qt::Key_Escape);
  wait->close();
  EXPECT_TRUE(wait->isVisible());
  dialogs.HideWaitWindow();
  EXPECT_TRUE(!wait->isVisible() && mainWindow.isVisible());
}

}  // namespace
}  // namespace kvpm::test
