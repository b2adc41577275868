// The main window used through its real widgets: each control reaches its
// procedure and the window shows the state the procedure leaves.

#include "app/MainWindow.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <deque>
#include <filesystem>

#include "lean/Program.h"

inline void PrintTo(const QString& text, std::ostream* out) { *out << text.toStdString(); }

namespace kvpm::test {
namespace {

class MainWindowTest : public Program {
 protected:
  // Qt's own dialogs and menus take the next answer; one opened without an
  // answer fails the test and is closed, so no test ever blocks.
  MainWindowTest() {
    user_.callOnTimeout([this] {
      QWidget* open = QApplication::activePopupWidget();
      if (open == nullptr) open = QApplication::activeModalWidget();
      if (open == nullptr) return;
      if (answers.empty()) open->close();
      ASSERT_FALSE(answers.empty()) << "unexpected " << open->metaObject()->className();
      const auto answer = std::move(answers.front());
      answers.pop_front();
      answer(open);
    });
    user_.start(10);
  }

  bool Open(bool realDialogs = false) {
    window = std::make_unique<MainWindow>(realDialogs ? nullptr : &dialogs);
    const bool started = window->Start(programFolder);
    QApplication::setActiveWindow(window.get());
    return started;
  }

  template <typename T = QWidget>
  T* Find(const QString& name) const { return window->findChild<T*>(name); }

  void Click(const QString& name, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(Find(name), button, {}, QPoint(8, 8));
  }

  // Clicks the list at the track's row; "1" for each ticked track.
  std::string Ticks(int clickedRow = -1, Qt::MouseButton button = Qt::LeftButton) {
    auto* list = Find<QListWidget>("lstTracks");
    const QRect row = list->visualItemRect(list->item(list->count() - 1));
    const QPoint at = row.center() + QPoint(0, (clickedRow - list->count() + 1) * row.height());
    if (clickedRow >= 0) QTest::mouseClick(list->viewport(), button, {}, at);
    std::string ticks;
    for (int item = 0; item < list->count(); ++item) ticks += "01"[list->item(item)->checkState() / 2];
    return ticks;
  }

  std::deque<std::function<void(QWidget*)>> answers;
  std::unique_ptr<MainWindow> window;

 private:
  QTimer user_;
};

// A group or menu as the user reads it: its title, then its shown controls
// top to bottom with caption and shortcut, "*" before a selected one and
// "-" for a separator.
QString Shown(const QObject* group) {
  QStringList shown;
  for (const QObject* item : group->children()) {
    const auto* action = qobject_cast<const QAction*>(item);
    const QString keys = item->property("shortcut").value<QKeySequence>().toString();
    if (!item->property("text").isValid() || !item->property("visible").toBool() ||
        (action != nullptr && action->menu() != nullptr)) continue;
    shown << (action != nullptr && action->isSeparator() ? "-"
              : (item->property("checked").toBool() ? "* " : "") + item->property("text").toString() +
                    (keys.isEmpty() ? "" : " " + keys));
  }
  return group->property("title").toString() + ": " + shown.join(" | ");
}

TEST_F(MainWindowTest, ControlsShowTheirCaptionsAndShortcuts) {
  ASSERT_TRUE(Open());
  for (const auto& [name, shown] : std::initializer_list<std::pair<const char*, const char*>>{
           {"Frame3", "Intro / Main Menu Track: No Intro Track | * Generic Mod Intro Tack | "
                      "\"Quarn\" (original Intro) | Custom: | \"Quarn [KV Intro Theme]\""},
           {"Frame4", "Loading / Map Loading Track: No Loading Track | * Generic Mod Loading Tack "
                      "| \"Tamber Kit\" (original Loading) | Custom: | \"Tamber Kit [KV Loading "
                      "Theme]\""},
           {"Frame6", "Score / Mission End Track: No Score Track | * Generic Mod Score Tack | "
                      "\"Score Theme\" (original Score) | Custom: | \"Score Theme [KV Score "
                      "Theme]\""},
           {"Frame5", "Other Options: * Game Music | * Shuffle"},
           {"Frame7", ":  Activate  My Custom Playlist!"},
           {"Frame2", "Individual Track Selection: "},
           {"menu_file0", "&File: &New Ctrl+N | &Open... Ctrl+O | - | &Save Ctrl+S | Save &As... "
                          "Ctrl+A | - | Activat&e Custom Playlist Ctrl+E | &Deactivate Custom "
                          "Playlist Ctrl+D | - | E&xit (changes will not be saved)"},
           {"menu_help0", "&Help: KV Playlist Manager &FAQ... | &About KV Playlist Manager..."},
           {"menu_rc", ": Use as &Intro | Use as &Loading | Use as &Score"}}) {
    EXPECT_EQ(Shown(Find<QObject>(name)), shown);
  }
  EXPECT_EQ(window->windowTitle(), "New Playlist - KV Playlist Manager");
  EXPECT_EQ(Find<QObject>("Frame1")->property("title"), "Available Soundtracks");
  EXPECT_EQ(Find<QCheckBox>("cboxSoundtrack_0")->text(), "Velmora");
  // Quillan's archive is missing; the archives are there and may not be deleted.
  for (const char* name : {"cboxSoundtrack_1", "cmdHG", "cmdKV"}) EXPECT_FALSE(Find(name)->isEnabled());
}

// One control of each kind: a box, a track, options, a label, a switch, a
// button and menu items.
TEST_F(MainWindowTest, EachControlReachesItsProcedure) {
  ASSERT_TRUE(Open());
  const MainState& state = window->State();
  Click("cboxSoundtrack_8");  // a greyed box gets ticked
  EXPECT_EQ(Ticks(9), "1111111110");
  EXPECT_EQ(Find<QCheckBox>("cboxSoundtrack_8")->checkState(), Qt::PartiallyChecked);
  for (const char* control : {"optINTRO_0", "optLOADING_2", "lblSCORE", "cboxMusic"}) Click(control);
  Click("lblLOADING", Qt::RightButton);
  EXPECT_EQ(std::tuple(state.introOption, state.loadingOption, state.scoreOption,
                       state.controls.cboxMusic.value), std::tuple(0, 2, 3, 0));
  EXPECT_TRUE(Find<QAbstractButton>("optSCORE_3")->isChecked());
  Find<QAction>("menu_enable")->trigger();
  EXPECT_TRUE(Find<QAction>("menu_disable")->isEnabled());
  QSignalSpy ending(window.get(), &MainWindow::Ending);
  Click("cmdActivate");
  Find<QAction>("menu_exit")->trigger();
  EXPECT_EQ(ending.count(), 2);
  EXPECT_EQ(dialogs.texts, std::vector<std::string>(2, "Custom playlist activated."));
}

// Space on a focused box acts as a left click, Return does nothing. In the
// track list Tab makes the first track current and Space toggles the current
// track once, however long it is held; other mouse buttons and a click below
// the last track toggle nothing; the menu key opens the menu at the track.
TEST_F(MainWindowTest, KeysActOnTheFocusedControl) {
  ASSERT_TRUE(Open());
  auto* combo = Find<QComboBox>("comboSoundtrack");
  combo->setFocus();
  for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) QTest::keyClick(Find("cboxSoundtrack_11"), key);
  EXPECT_EQ(combo->currentText() + ' ' + QString::fromStdString(Ticks()), "Korvale: Nightward 1111");
  QTest::keyClick(combo, Qt::Key_Tab);
  for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Down, Qt::Key_Down, Qt::Key_Space}) {
    QTest::keyClick(QApplication::focusWidget(), key);
  }
  QTest::simulateEvent(Find("lstTracks"), false, Qt::Key_Space, {}, " ", true);  // held down
  Ticks(0, Qt::MiddleButton);
  Ticks(1, Qt::BackButton);
  EXPECT_EQ(Ticks(4), "0101");
  dialogs.menuChoices = {std::nullopt, std::nullopt};
  QTest::keyClick(Find("lstTracks"), Qt::Key_Menu);
  Ticks(1, Qt::RightButton);
  EXPECT_EQ(dialogs.menusOpened, (std::vector<bool>{true, false}));
}

TEST_F(MainWindowTest, ADropDownEntryTypedOrPickedInThePopupShowsItsTracks) {
  ASSERT_TRUE(Open());
  auto* combo = Find<QComboBox>("comboSoundtrack");
  auto* list = Find<QListWidget>("lstTracks");
  QTest::keyClicks(combo, "Z");
  EXPECT_EQ(list->item(0)->text() + ' ' + QString::number(list->count()), "Zephran Skies 20");
  combo->showPopup();
  QTest::keyClick(combo->view(), Qt::Key_Up);
  QTest::keyClick(combo->view(), Qt::Key_Return);
  EXPECT_EQ(list->item(0)->text() + ' ' + QString::number(list->count()), "Korvale Ascendant 10");
}

// The user types a name in the file dialog and presses Enter.
std::function<void(QWidget*)> TypeName(const QString& name, QFileDialog::AcceptMode mode) {
  return [name, mode](QWidget* open) {
    auto* dialog = qobject_cast<QFileDialog*>(open);
    EXPECT_EQ(dialog->acceptMode(), mode);
    EXPECT_EQ(dialog->nameFilters(), QStringList{"KVPM Playlist Files (*.kvl)"});
    QTest::keyClicks(dialog->findChild<QLineEdit*>("fileNameEdit"), name);
    QTest::keyClick(dialog->findChild<QLineEdit*>("fileNameEdit"), Qt::Key_Return);
  };
}

// A name typed without extension gets ".kvl"; Save As again opens on that
// file and asks before overwriting it: No brings the dialog back.
TEST_F(MainWindowTest, ANameTypedInTheSaveDialogGetsTheExtension) {
  ASSERT_TRUE(Open(true));
  const QString path = QString::fromStdString(programFolder + "/mine.kvl");
  answers = {TypeName("mine", QFileDialog::AcceptSave), TypeName("", QFileDialog::AcceptSave),
             [&](QWidget* open) {
               auto* box = qobject_cast<QMessageBox*>(open);
               ASSERT_NE(box, nullptr);
               EXPECT_EQ(box->windowTitle() + '|' + box->text(), "KV Playlist Manager|\"" + path +
                         "\" already exists!\nAre you sure you want overwrite this file?");
               EXPECT_EQ(std::pair(box->textFormat(), box->icon()),
                         std::pair(Qt::PlainText, QMessageBox::NoIcon));
               EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
               box->button(QMessageBox::No)->click();
             },
             [](QWidget* open) { qobject_cast<QDialog*>(open)->reject(); }};
  Find<QAction>("menu_saveas")->trigger();
  EXPECT_EQ(window->windowTitle(), path + " - KV Playlist Manager");
  EXPECT_TRUE(Shown(Find<QObject>("menu_file0")).contains("Ctrl+D | - | &1 " + path + " | - | E&xit"));
  Find<QAction>("menu_saveas")->trigger();
  Find<QAction>("menu_new")->trigger();
  answers = {TypeName("mine.kvl", QFileDialog::AcceptOpen)};
  Find<QAction>("menu_open")->trigger();
  EXPECT_EQ(window->windowTitle(), path + " - KV Playlist Manager");
  EXPECT_TRUE(answers.empty());
}

// The track menu opens beside the current track, scrolled into view (960
// twips, 64 pixels, right of the list's edge); the item chosen makes the
// track that slot's custom track and is marked the next time.
TEST_F(MainWindowTest, TheTrackMenuOpensBesideTheCurrentTrack) {
  ASSERT_TRUE(Open(true));
  QTest::keyClick(Find("comboSoundtrack"), Qt::Key_End);  // the Generic Mod Soundtrack's 50
  auto* list = Find<QListWidget>("lstTracks");
  Ticks(5, Qt::MiddleButton);
  answers = {[](QWidget* menu) {
               const QRect at = qobject_cast<QMenu*>(menu)->actionGeometry(menu->actions()[0]);
               QTest::mouseClick(menu, Qt::LeftButton, {}, at.center());
             },
             [list](QWidget* menu) {
               EXPECT_EQ(Shown(menu), ": * Use as &Intro | Use as &Loading | Use as &Score");
               const QRect row = list->visualItemRect(list->item(5));
               EXPECT_TRUE(list->viewport()->rect().contains(row));
               EXPECT_EQ(list->viewport()->mapFromGlobal(menu->pos()), QPoint(64, row.center().y()));
               menu->close();
             }};
  QTest::keyClick(list, Qt::Key_Menu);
  EXPECT_EQ(Find<QLabel>("lblINTRO")->text(), "\"Mod Track 06\"");
  list->scrollToBottom();
  QTest::keyClick(list, Qt::Key_Menu);
  EXPECT_TRUE(answers.empty());
}

TEST_F(MainWindowTest, WithoutTheGameTheWindowIsNeverShown) {
  std::filesystem::remove(prefix.Native(Game("expandmd01.mix")));
  EXPECT_FALSE(Open() || window->isVisible());
}

}  // namespace
}  // namespace kvpm::test
