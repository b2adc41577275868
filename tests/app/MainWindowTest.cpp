// The main window driven through its real widgets, offscreen.

#include "app/MainWindow.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include "support/FakeDialogs.h"
#include "support/FakePrefix.h"
#include "support/FaultGuard.h"
#include "support/PlaylistRules.h"
#include "support/QtTopLevel.h"
#include "support/TempFolder.h"

namespace kvpm {
namespace {

using testing::FakeDialogs;
using testing::FakePrefix;
using testing::TempFolder;

class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() {
    prefix.InstallGame();
    for (const char* archive : {"ecachethemeHG.mix", "ecachethemeHGX.mix", "User07.wav"}) {
      prefix.CreateFile(std::string(testing::fakeGameFolder) + archive);
    }
    testing::WriteBytes(program.Path() / "kvpm.ini", "[General]\r\nShowDisclaimer=no\r\n");
    window = std::make_unique<MainWindow>(&dialogs);
    EXPECT_TRUE(window->Start(program.Native()));
    QApplication::setActiveWindow(window.get());
  }

  template <typename T>
  T* Find(const QString& name) const {
    T* widget = window->findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget;
  }

  QListWidget* List() const { return Find<QListWidget>("lstTracks"); }
  QCheckBox* Box(int index) const {
    return Find<QCheckBox>(QString("cboxSoundtrack_%1").arg(index));
  }

  void ClickItem(int row, Qt::MouseButton button = Qt::LeftButton) {
    QListWidget* list = List();
    const QPoint point = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), button, {}, point);
  }

  std::vector<bool> Ticks() const {
    std::vector<bool> ticks;
    for (int row = 0; row < List()->count(); ++row) {
      ticks.push_back(List()->item(row)->checkState() == Qt::Checked);
    }
    return ticks;
  }

  FakePrefix prefix;
  TempFolder program;
  FakeDialogs dialogs;
  std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowTest, ControlsCarryTheirNamesAndCaptions) {
  EXPECT_EQ(window->windowTitle(), "New Playlist - KV Playlist Manager");
  EXPECT_EQ(Find<QGroupBox>("Frame1")->title(), "Available Soundtracks");
  EXPECT_EQ(Find<QGroupBox>("Frame2")->title(), "Individual Track Selection");
  EXPECT_EQ(Find<QGroupBox>("Frame3")->title(), "Intro / Main Menu Track");
  EXPECT_EQ(Find<QGroupBox>("Frame4")->title(), "Loading / Map Loading Track");
  EXPECT_EQ(Find<QGroupBox>("Frame6")->title(), "Score / Mission End Track");
  EXPECT_EQ(Find<QGroupBox>("Frame5")->title(), "Other Options");
  EXPECT_EQ(Find<QRadioButton>("optINTRO_1")->text(), "Generic Mod Intro Tack");
  EXPECT_EQ(Find<QRadioButton>("optLOADING_2")->text(), "\"Tamber Kit\" (original Loading)");
  EXPECT_EQ(Find<QRadioButton>("optSCORE_3")->text(), "Custom:");
  EXPECT_EQ(Find<QLabel>("lblSCORE")->text(), "\"Score Theme [KV Score Theme]\"");
  EXPECT_EQ(Find<QPushButton>("cmdActivate")->text(), " Activate  My Custom Playlist!");
  EXPECT_EQ(Find<QPushButton>("cmdKV")->text(), "Copy KV   Soundtrack from CD");
  EXPECT_FALSE(Find<QPushButton>("cmdHG")->isEnabled());  // present, deletion not allowed
  EXPECT_EQ(Box(7)->text(), "Harrowgate");
  EXPECT_TRUE(Box(7)->isEnabled());
  EXPECT_FALSE(Box(0)->isEnabled());
  EXPECT_EQ(Box(8)->checkState(), Qt::PartiallyChecked);
  EXPECT_EQ(Box(13)->checkState(), Qt::Checked);
  EXPECT_EQ(Find<QComboBox>("comboSoundtrack")->currentText(), "Harrowgate: Korvale");
  EXPECT_EQ(List()->count(), 10);
  EXPECT_EQ(List()->currentRow(), -1);

  const std::vector<std::pair<QString, QString>> shortcuts = {
      {"menu_new", "Ctrl+N"},    {"menu_open", "Ctrl+O"},   {"menu_save", "Ctrl+S"},
      {"menu_saveas", "Ctrl+A"}, {"menu_enable", "Ctrl+E"}, {"menu_disable", "Ctrl+D"}};
  for (const auto& [name, keys] : shortcuts) {
    EXPECT_EQ(Find<QAction>(name)->shortcut(), QKeySequence(keys)) << name.toStdString();
  }
  EXPECT_FALSE(Find<QAction>("menu_disable")->isEnabled());
  EXPECT_EQ(Find<QAction>("menu_exit")->text(), "E&xit (changes will not be saved)");
  EXPECT_FALSE(Find<QAction>("menu_file1")->isVisible());
  EXPECT_FALSE(Find<QAction>("menu_line4")->isVisible());
}

TEST_F(MainWindowTest, TickingTheBoxOfAnotherSoundtrackShowsItAllTicked) {
  QTest::mouseClick(Box(7), Qt::LeftButton);
  EXPECT_EQ(Find<QComboBox>("comboSoundtrack")->currentText(), "Harrowgate");
  EXPECT_EQ(Ticks(), std::vector<bool>(16, true));
  EXPECT_EQ(Box(7)->checkState(), Qt::Checked);

  QTest::mouseClick(Box(7), Qt::LeftButton);
  EXPECT_EQ(Ticks(), std::vector<bool>(16, false));
  EXPECT_EQ(Box(7)->checkState(), Qt::Unchecked);
  EXPECT_TRUE(testing::PlaylistRulesHold(window->State()));
}

TEST_F(MainWindowTest, RightClickOnABoxDoesNothing) {
  QTest::mouseClick(Box(7), Qt::RightButton);
  EXPECT_EQ(Box(7)->checkState(), Qt::Unchecked);
  EXPECT_EQ(Find<QComboBox>("comboSoundtrack")->currentText(), "Harrowgate: Korvale");
}

TEST_F(MainWindowTest, ClickingAPartialBoxSelectsTheWholeSoundtrack) {
  QTest::mouseClick(Box(8), Qt::LeftButton);
  EXPECT_EQ(Box(8)->checkState(), Qt::Checked);
  EXPECT_EQ(Ticks(), std::vector<bool>(10, true));
}

TEST_F(MainWindowTest, EachClickOnATrackTogglesItOnce) {
  ClickItem(9);
  EXPECT_TRUE(Ticks()[9]);
  EXPECT_EQ(List()->currentRow(), 9);
  ClickItem(8);
  EXPECT_EQ(Box(8)->checkState(), Qt::Checked);
  ClickItem(8);
  EXPECT_FALSE(Ticks()[8]);
  EXPECT_EQ(Box(8)->checkState(), Qt::PartiallyChecked);
  EXPECT_TRUE(testing::PlaylistRulesHold(window->State()));
}

TEST_F(MainWindowTest, SpaceTogglesTheCurrentTrackAndTabFocusMakesTheFirstCurrent) {
  Find<QComboBox>("comboSoundtrack")->setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), List());
  EXPECT_EQ(List()->currentRow(), 0);
  QTest::keyClick(List(), Qt::Key_Space);
  EXPECT_FALSE(Ticks()[0]);
  QTest::keyClick(List(), Qt::Key_Down);
  QTest::keyClick(List(), Qt::Key_Space);
  EXPECT_FALSE(Ticks()[1]);
  EXPECT_TRUE(Ticks()[2]);
}

TEST_F(MainWindowTest, ContextMenuMakesATrackTheCustomIntroAndMarksIt) {
  dialogs.menuChoices.push_back(static_cast<int>(Intro));
  ClickItem(3, Qt::RightButton);
  ASSERT_EQ(dialogs.menusOpened, std::vector<bool>{false});
  EXPECT_TRUE(Find<QRadioButton>("optINTRO_3")->isChecked());
  EXPECT_EQ(Find<QLabel>("lblINTRO")->text(), "\"Nightward March\"");

  dialogs.menuChoices.push_back(std::nullopt);
  List()->setFocus();
  QTest::keyClick(List(), Qt::Key_Menu);
  EXPECT_EQ(dialogs.menusOpened, (std::vector<bool>{false, true}));
  EXPECT_TRUE(window->State().controls.menu_intro.checked);
  EXPECT_FALSE(window->State().controls.menu_score.checked);
}

TEST_F(MainWindowTest, OptionButtonsAndTheLabelSetTheSlot) {
  // A radio button takes clicks on its circle and caption, not the whole row.
  QRadioButton* none = Find<QRadioButton>("optLOADING_0");
  QTest::mouseClick(none, Qt::LeftButton, {}, QPoint(8, none->height() / 2));
  EXPECT_EQ(window->State().loadingOption, 0);
  QTest::mouseClick(Find<QLabel>("lblLOADING"), Qt::LeftButton);
  EXPECT_EQ(window->State().loadingOption, 3);
  EXPECT_TRUE(Find<QRadioButton>("optLOADING_3")->isChecked());
}

TEST_F(MainWindowTest, MusicAndShuffleFollowTheUser) {
  QTest::mouseClick(Find<QCheckBox>("cboxShuffle"), Qt::LeftButton);
  EXPECT_EQ(window->State().controls.cboxShuffle.value, Unticked);
  QTest::mouseClick(Find<QCheckBox>("cboxMusic"), Qt::LeftButton);
  EXPECT_EQ(window->State().controls.cboxMusic.value, Unticked);
}

TEST_F(MainWindowTest, NewResetsThePlaylist) {
  QTest::mouseClick(Box(10), Qt::LeftButton);
  Find<QAction>("menu_new")->trigger();
  EXPECT_EQ(Box(10)->checkState(), Qt::Unchecked);
  EXPECT_EQ(Find<QComboBox>("comboSoundtrack")->currentText(), "Harrowgate: Korvale");
  EXPECT_EQ(List()->count(), 10);
}

TEST_F(MainWindowTest, ActivateButtonEndsTheProgramAfterSuccess) {
  QSignalSpy ending(window.get(), &MainWindow::Ending);
  Find<QAction>("menu_enable")->trigger();
  EXPECT_EQ(ending.count(), 0);
  EXPECT_TRUE(Find<QAction>("menu_disable")->isEnabled());
  EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Custom playlist activated."});

  QTest::mouseClick(Find<QPushButton>("cmdActivate"), Qt::LeftButton);
  EXPECT_EQ(ending.count(), 1);
}

TEST_F(MainWindowTest, FailedActivationKeepsTheProgramRunning) {
  testing::FaultGuard faults;
  faults->failRename = true;
  QSignalSpy ending(window.get(), &MainWindow::Ending);
  QTest::mouseClick(Find<QPushButton>("cmdActivate"), Qt::LeftButton);
  EXPECT_EQ(ending.count(), 0);
  EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Error activating playlist."});
}

TEST_F(MainWindowTest, DeactivateDeletesTheThemeFile) {
  Find<QAction>("menu_enable")->trigger();
  Find<QAction>("menu_disable")->trigger();
  EXPECT_FALSE(Find<QAction>("menu_disable")->isEnabled());
  EXPECT_EQ(dialogs.Texts().back(),
            "\"C:\\Games\\Korvale\\thememd.ini\" deleted - custom playlist deactivated.");
}

TEST_F(MainWindowTest, SavedFilesAppearOnTheFileMenuAndOpenFromThere) {
  testing::WriteBytes(program.Path() / "kvpm.ini",
                      "[General]\r\nShowDisclaimer=no\r\nMaxRecentFiles=3\r\n");
  window = std::make_unique<MainWindow>(&dialogs);
  ASSERT_TRUE(window->Start(program.Native()));

  const std::string path = program.Native("mine.kvl");
  dialogs.saveChoices.push_back(path);
  Find<QAction>("menu_saveas")->trigger();
  EXPECT_EQ(window->windowTitle().toStdString(), path + " - KV Playlist Manager");
  EXPECT_TRUE(std::filesystem::exists(path));
  QAction* first = Find<QAction>("menu_file1");
  EXPECT_TRUE(first->isVisible());
  EXPECT_EQ(first->text().toStdString(), "&1 " + path);
  EXPECT_TRUE(Find<QAction>("menu_line4")->isVisible());

  QTest::mouseClick(Box(12), Qt::LeftButton);
  first->trigger();
  EXPECT_EQ(Box(12)->checkState(), Qt::Unchecked);
  EXPECT_EQ(window->windowTitle(), "New Playlist - KV Playlist Manager");
}

TEST_F(MainWindowTest, FirstStartShowsTheAboutWindowInFrontOfTheDisabledWindow) {
  std::filesystem::remove(program.Path() / "kvpm.ini");
  window = std::make_unique<MainWindow>(&dialogs);
  ASSERT_TRUE(window->Start(program.Native()));
  QWidget* about = testing::TopLevel("frmAbout");
  ASSERT_NE(about, nullptr);
  EXPECT_TRUE(about->isVisible());
  EXPECT_FALSE(window->isEnabled());

  QTest::mouseClick(about->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
  EXPECT_FALSE(about->isVisible());
  EXPECT_TRUE(window->isEnabled());
  // The start-up's next action leaves the window enabled.
  Find<QAction>("menu_new")->trigger();
  EXPECT_TRUE(window->isEnabled());
}

TEST_F(MainWindowTest, ClosingTheMainWindowEndsTheProgram) {
  QSignalSpy ending(window.get(), &MainWindow::Ending);
  Find<QAction>("menu_about")->trigger();
  window->close();
  EXPECT_EQ(ending.count(), 1);
}

}  // namespace
}  // namespace kvpm
