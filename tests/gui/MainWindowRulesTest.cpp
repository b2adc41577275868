// Which activation ends the program, which clicks change nothing, and the prefix window's
// rows, used through the real widgets.

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>
#include <filesystem>

#include "gui/dialogs/PrefixWindow.h"
#include "gui/mainwindow/MainWindow.h"
#include "playlist/SoundtrackSelection.h"
#include "support/Program.h"

namespace kvpm::test {
namespace {

class MainWindowRulesTest : public Program {
 protected:
  void SetUp() override {
    window = std::make_unique<MainWindow>(&dialogs);
    ASSERT_TRUE(window->Start(programFolder));
  }
  std::unique_ptr<MainWindow> window;
};

// The Activate button ends the program after a successful activation only (MainWindowTest
// clicks it after one); the menu entry never does.
TEST_F(MainWindowRulesTest, OnlyTheActivateButtonEndsTheProgramAndOnlyOnSuccess) {
  const struct { bool button, readOnly; std::string told; } cases[] = {
      {.button = true, .readOnly = true, .told = "Error activating playlist."},
      {.button = false, .readOnly = false, .told = "Custom playlist activated."},
  };
  const std::string theme = prefix.CreateFile(Game("thememd.ini"), "[Themes]\r\n");
  for (const auto& c : cases) {
    SCOPED_TRACE(&c - cases);
    std::filesystem::permissions(theme, c.readOnly ? std::filesystem::perms::owner_read
                                                   : std::filesystem::perms::owner_all);
    dialogs.texts.clear();
    QSignalSpy ending(window.get(), &MainWindow::Ending);
    if (c.button) {
      QTest::mouseClick(window->findChild<QWidget*>("cmdActivate"), Qt::LeftButton);
    } else {
      window->findChild<QAction*>("menu_enable")->trigger();
    }
    EXPECT_EQ(dialogs.texts, std::vector{c.told});
    EXPECT_EQ(ending.count(), 0);
  }
}

// A greyed box takes no click; a box takes no right or middle click and no
// Return: the box, the playlist and the shown soundtrack stay.
TEST_F(MainWindowRulesTest, ClicksAndKeysThatABoxDoesNotTakeChangeNothing) {
  const struct { const char* box; Qt::MouseButton button; Qt::Key key; } cases[] = {
      {.box = "cboxSoundtrack_1", .button = Qt::LeftButton, .key = Qt::Key_unknown},
      {.box = "cboxSoundtrack_8", .button = Qt::RightButton, .key = Qt::Key_unknown},
      {.box = "cboxSoundtrack_8", .button = Qt::MiddleButton, .key = Qt::Key_unknown},
      {.box = "cboxSoundtrack_8", .button = Qt::NoButton, .key = Qt::Key_Return},
      {.box = "cboxSoundtrack_8", .button = Qt::NoButton, .key = Qt::Key_Enter},
  };
  const MainState& shown = window->State();
  const auto playlist = [&shown] { return ThemeFileText(shown.playlist, shown.catalogue, false); };
  const std::string before = playlist();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.box);
    auto* box = window->findChild<QCheckBox*>(c.box);
    const Qt::CheckState value = box->checkState();
    if (c.key != Qt::Key_unknown) {
      box->setFocus();
      QTest::keyClick(box, c.key);
    } else {
      QTest::mouseClick(box, c.button, {}, QPoint(8, 8));
    }
    EXPECT_EQ(box->checkState(), value);
    EXPECT_EQ(playlist(), before);
    EXPECT_EQ(ShownSoundtrack(shown), 9);
  }
}

TEST(PrefixWindowTest, EachOfferShowsItsLauncherPrefixAndGameFolderInARowOfItsOwn) {
  const std::vector<PrefixOffer> offers = {
      {.launcher = "Steam", .folder = "/s/pfx", .gameFolder = "C:\\Games\\Korvale\\"},
      {.launcher = "Lutris", .folder = "/l/kv", .gameFolder = "D:\\Korvale\\"},
      {.launcher = "Wine", .folder = "/h/.wine", .gameFolder = "C:\\KV\\"}};
  PrefixWindow window(nullptr, offers);
  auto* list = window.findChild<QTreeWidget*>("lstPrefixes");
  ASSERT_EQ(list->topLevelItemCount(), 3);
  for (int row = 0; row < 3; ++row) {
    const QTreeWidgetItem* item = list->topLevelItem(row);
    EXPECT_EQ(item->text(0).toStdString(), offers[row].launcher);
    EXPECT_EQ(item->text(1).toStdString(), offers[row].folder);
    EXPECT_EQ(item->text(2).toStdString(), offers[row].gameFolder);
  }
  list->setCurrentItem(list->topLevelItem(2));
  window.accept();
  ASSERT_TRUE(window.Answer());
  EXPECT_EQ(window.Answer()->index, 2u);
}

}  // namespace
}  // namespace kvpm::test
