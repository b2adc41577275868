// The program's windows used through their real widgets: each control
// reaches its procedure, and the windows show what they must.

#include "gui/mainwindow/MainWindow.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QWindow>
#include <chrono>
#include <deque>
#include <filesystem>

#include "gui/adapters/QtUserDialogs.h"
#include "platform/Environment.h"
#include "support/Program.h"

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

  // "1" for each ticked track of the list.
  std::string Ticks() const {
    const auto* list = Find<QListWidget>("lstTracks");
    std::string ticks;
    for (int i = 0; i < list->count(); ++i) ticks += list->item(i)->checkState() ? '1' : '0';
    return ticks;
  }

  std::deque<std::function<void(QWidget*)>> answers;
  std::unique_ptr<MainWindow> window;

 private:
  QTimer user_;
};

// A group or menu as the user reads it: its title, then its shown controls top to bottom with
// caption and shortcut, "*" before a selected one, "-" for a separator.
std::string Shown(const QObject* group) {
  QString shown = group->property("title").toString() + ":";
  for (const QObject* item : group->children()) {
    const auto* action = qobject_cast<const QAction*>(item);
    const QString keys = item->property("shortcut").value<QKeySequence>().toString();
    const QString text = item->property("text").toString() + (keys.isEmpty() ? "" : " " + keys);
    if (!item->property("text").isValid() || !item->property("visible").toBool() ||
        (action != nullptr && action->menu() != nullptr)) {
      continue;
    }
    shown += (item->property("checked").toBool() ? " | * " : " | ") +
             (action != nullptr && action->isSeparator() ? "-" : text);
  }
  return shown.toStdString();
}

QWidget* TopLevel(const QString& name) {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == name && widget->isVisible()) return widget;
  }
  return nullptr;
}

// What a screen reader or voice control hears of a control.
QString Heard(QWidget* control, QAccessible::Text text = QAccessible::Name) {
  return QAccessible::queryAccessibleInterface(control)->text(text);
}

// A window's caption, then its texts top to bottom as "name: text"; each label must have the room
// its text needs, wrapped or not. The accessible name of a button, label or group starts with its
// text ("&" dropped), a labelled list's with its label's; each control Tab reaches has a name.
std::string Texts(const QWidget* window) {
  QList<QWidget*> widgets = window->findChildren<QWidget*>();
  std::stable_sort(widgets.begin(), widgets.end(), [window](QWidget* a, QWidget* b) {
    return a->mapTo(window, QPoint()).y() < b->mapTo(window, QPoint()).y();
  });
  QString texts = window->windowTitle();
  for (QWidget* widget : widgets) {
    const bool group = qobject_cast<const QGroupBox*>(widget) != nullptr;
    const QString text = widget->property(group ? "title" : "text").toString();
    const auto* label = qobject_cast<const QLabel*>(widget);
    if (label != nullptr) {
      const QRect room = label->contentsRect();
      const QRect needed = label->fontMetrics().boundingRect(
          room, label->wordWrap() ? Qt::TextWordWrap : 0, text);
      EXPECT_TRUE(needed.width() <= room.width() && needed.height() <= room.height())
          << text.toStdString();
    }
    QWidget* named = label != nullptr && label->buddy() != nullptr ? label->buddy() : widget;
    const bool captioned = group || label != nullptr || qobject_cast<QAbstractButton*>(widget);
    const QString shown = QString(text).replace(QRegularExpression("&(.)"), "\\1");
    EXPECT_TRUE(!captioned || Heard(named).startsWith(shown)) << Heard(named).toStdString();
    const bool reached = widget->focusPolicy() != Qt::NoFocus && widget->isVisible();
    EXPECT_TRUE(!reached || !Heard(widget).isEmpty()) << widget->objectName().toStdString();
    if (!text.isEmpty()) texts += '\n' + widget->objectName() + ": " + text;
  }
  return texts.toStdString();
}

// The window's caption, then each group and menu as Shown gives it after its name, then what is
// heard of a few controls, name (description): the archive buttons' descriptions say what they
// do, or why they are disabled.
TEST_F(MainWindowTest, ControlsShowTheirCaptionsAndShortcuts) {
  std::filesystem::remove(prefix.Native(Game("ecachethemeHG.mix")));
  ASSERT_TRUE(Open());
  std::string shown = window->windowTitle().toStdString() + "\n";
  for (const char* name : {"Frame1", "Frame2", "Frame3", "Frame4", "Frame5", "Frame6", "Frame7",
                           "menu_file0", "menu_help0", "menu_rc"}) {
    shown += std::string(name) + " " + Shown(Find<QObject>(name)) + "\n";
  }
  for (const char* name : {"optINTRO_3", "cmdHG", "cmdKV"}) {
    const QString heard = Heard(Find(name)) + " (" + Heard(Find(name), QAccessible::Description);
    shown += std::string(name) + " heard: " + heard.toStdString() + ")\n";
  }
  EXPECT_EQ(shown, ReadBytes(KVPM_FIXTURES_DIR "/windows/main.txt"));
  // Quillan's and Harrowgate's archives are missing; Korvale's may not be deleted.
  for (const char* name : {"cboxSoundtrack_1", "cboxSoundtrack_7", "cmdKV", "menu_disable"}) {
    EXPECT_FALSE(Find<QObject>(name)->property("enabled").toBool()) << name;
  }
  Texts(window.get());  // for its checks of each control's name
}

// One control of each kind: a box, a track, an option, a label, a switch,
// menu items and a button. A greyed box takes no click, a box no right or
// middle one; only the Activate button ends the program, after a success.
TEST_F(MainWindowTest, EachControlReachesItsProcedure) {
  ASSERT_TRUE(Open());
  auto* list = Find<QListWidget>("lstTracks");
  for (const auto& [name, button] : {std::pair{"cboxSoundtrack_1", Qt::LeftButton},
                                     {"cboxSoundtrack_8", Qt::RightButton},
                                     {"cboxSoundtrack_8", Qt::MiddleButton},
                                     {"cboxSoundtrack_8", Qt::LeftButton},
                                     {"optINTRO_0", Qt::LeftButton}, {"lblSCORE", Qt::LeftButton},
                                     {"cboxMusic", Qt::LeftButton}}) {
    QTest::mouseClick(Find(name), button, {}, QPoint(8, 8));
  }
  // Only the last left click, on the last track, toggles one; Qt sees it too.
  QSignalSpy clicked(list, &QListWidget::itemClicked);
  const QRect last = list->visualItemRect(list->item(9));
  for (const auto& [button, at] : {std::pair{Qt::BackButton, last.center()},
                                   {Qt::LeftButton, last.center() + QPoint(0, last.height())},
                                   {Qt::LeftButton, last.center()}}) {
    QTest::mouseClick(list->viewport(), button, {}, at);
  }
  EXPECT_EQ(Ticks() + std::to_string(clicked.count()), "11111111101");  // the box was greyed
  EXPECT_EQ(Find<QCheckBox>("cboxSoundtrack_8")->checkState(), Qt::PartiallyChecked);
  EXPECT_EQ(Find<QCheckBox>("cboxSoundtrack_1")->checkState(), Qt::Unchecked);
  const MainState& state = window->State();
  EXPECT_EQ(std::tuple(state.playlist.slot[Intro].option, state.playlist.slot[Score].option,
                       state.playlist.music),
            std::tuple(0, 3, 0));
  EXPECT_TRUE(Find<QAbstractButton>("optSCORE_3")->isChecked());
  const std::string path = programFolder + "/mine.kvl";
  dialogs.saveChoices = {path};
  Find<QAction>("menu_saveas")->trigger();
  EXPECT_NE(Shown(Find<QObject>("menu_file0")).find("Ctrl+D | - | &1 " + path + " | - | E&xit"),
            std::string::npos);
  QSignalSpy ending(window.get(), &MainWindow::Ending);
  for (const char* item : {"menu_new", "menu_file1", "menu_enable"}) Find<QAction>(item)->trigger();
  EXPECT_TRUE(Find<QAbstractButton>("optINTRO_0")->isChecked());  // read back from the file
  EXPECT_TRUE(Find<QAction>("menu_disable")->isEnabled());
  const std::string theme = prefix.Native(Game("thememd.ini"));
  for (const auto perms : {std::filesystem::perms::owner_read, std::filesystem::perms::owner_all}) {
    EXPECT_EQ(ending.count(), 0);
    std::filesystem::permissions(theme, perms);
    QTest::mouseClick(Find("cmdActivate"), Qt::LeftButton);
  }
  EXPECT_EQ(ending.count(), 1);
  EXPECT_EQ(dialogs.texts, (std::vector<std::string>{"Custom playlist activated.",
                                                     "Error activating playlist.",
                                                     "Custom playlist activated."}));
}

// Space on a focused box acts as a left click, Return and Enter do nothing; in the list Tab makes
// the first track current and Space toggles the current track once, however long it is held; the
// menu key opens the track menu beside it (960 twips, 64 pixels, right of the list's edge), marking
// the slot that uses the track; dismissed, it changes nothing; the marked item chosen puts the
// slot back on the generic track. Tab enters an option group on its selected option and the
// arrow keys move within it, so Space never changes the choice unasked.
TEST_F(MainWindowTest, KeysActOnTheFocusedControl) {
  ASSERT_TRUE(Open(true));
  for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
    QTest::keyClick(Find("cboxSoundtrack_8"), key);
  }
  EXPECT_EQ(Ticks(), "1111111111");  // the greyed box was ticked
  auto* list = Find<QListWidget>("lstTracks");
  list->setFocus(Qt::ActiveWindowFocusReason);  // the window active again: no track current
  EXPECT_EQ(list->currentRow(), -1);
  Find("comboSoundtrack")->setFocus();
  QTest::keyClick(Find("comboSoundtrack"), Qt::Key_Tab);
  for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Down, Qt::Key_Space}) QTest::keyClick(list, key);
  QTest::simulateEvent(list, false, Qt::Key_Space, {}, " ", true);  // held down: no more
  EXPECT_EQ(Ticks(), "0011111111");
  QTest::mouseClick(Find("lblINTRO"), Qt::LeftButton, {}, QPoint(8, 8));  // uses track 2
  answers = {[](QWidget* menu) { menu->close(); },  // offscreen, Qt shifts a first opening
             [list](QWidget* menu) {
               EXPECT_EQ(Shown(menu), ": | * Use as &Intro | Use as &Loading | Use as &Score");
               const QPoint at = list->viewport()->mapFromGlobal(menu->pos());
               EXPECT_TRUE(at == QPoint(64, list->visualItemRect(list->item(1)).center().y()));
               menu->close();
             },
             [](QWidget* menu) { QTest::keyClick(menu, Qt::Key_I); }};  // Use as Intro
  for (int opened = 0; opened < 2; ++opened) QTest::keyClick(list, Qt::Key_Menu);
  EXPECT_TRUE(answers.size() == 1 && Find<QAbstractButton>("optINTRO_3")->isChecked());
  QTest::keyClick(list, Qt::Key_Menu);  // chosen again, the slot plays the generic track
  EXPECT_TRUE(answers.empty() && Find<QAbstractButton>("optINTRO_1")->isChecked());
  QApplication::setActiveWindow(window.get());  // again, after the menus
  list->setFocus();
  std::string focused;
  const Qt::Key tab = Qt::Key_Tab, back = Qt::Key_Backtab, up = Qt::Key_Up, space = Qt::Key_Space;
  for (const Qt::Key key : {tab, tab, tab, tab, back, back, back, up, tab, back, space}) {
    QTest::keyClick(window->focusWidget(), key);
    focused += window->focusWidget()->objectName().toStdString() + " ";
  }
  EXPECT_EQ(focused, "optINTRO_1 optLOADING_1 optSCORE_1 cboxMusic optSCORE_1 optLOADING_1 "
                     "optINTRO_1 optINTRO_0 optLOADING_1 optINTRO_0 optINTRO_0 ");
  EXPECT_EQ(window->State().playlist.slot[Intro].option, 0);
}

// From the top, also in rows reused from as many tracks (Generic Mod, then Custom User: 50).
TEST_F(MainWindowTest, ADropDownEntryChosenByKeyboardShowsItsTracks) {
  ASSERT_TRUE(Open());
  auto* list = Find<QListWidget>("lstTracks");
  QTest::keyClick(Find("comboSoundtrack"), Qt::Key_End);
  list->scrollToBottom();
  QTest::keyClick(Find("comboSoundtrack"), Qt::Key_Up);
  EXPECT_EQ(list->indexAt({}).row(), 0);
  QTest::keyClicks(Find("comboSoundtrack"), "Z");
  EXPECT_EQ(list->item(0)->text().toStdString() + ", " + Ticks(),
            "Zephran Skies, " + std::string(20, '0'));
}

// A name typed without extension in the save dialog gets ".kvl"; a file whose name differs only
// in case is another file on Linux, as the dialog shows it: nothing is asked and it stays as it
// was. Cancel in the next Save As, which opens on that file, saves nothing.
TEST_F(MainWindowTest, ANameTypedInTheSaveDialogGetsTheExtension) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows' dialog answers with \\ between the names, the path below has /";
#endif
  ASSERT_TRUE(Open(true));
  WriteBytes(programFolder + "/Mine.kvl", "mine");
  answers = {[](QWidget* dialog) {
               EXPECT_EQ(qobject_cast<QFileDialog*>(dialog)->nameFilters().join('|'),
                         "KVPM Playlist Files (*.kvl)");
               QTest::keyClicks(dialog->findChild<QLineEdit*>("fileNameEdit"), "mine");
               QTest::keyClick(dialog->findChild<QLineEdit*>("fileNameEdit"), Qt::Key_Return);
             }, [](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->reject(); }};
  for (int saved = 0; saved < 2; ++saved) Find<QAction>("menu_saveas")->trigger();
  const std::string path = programFolder + "/mine.kvl";
  EXPECT_EQ(window->windowTitle().toStdString(), path + " - KV Playlist Manager");
  EXPECT_EQ(ReadBytes(path), Golden());
  EXPECT_EQ(ReadBytes(programFolder + "/Mine.kvl"), "mine");
  EXPECT_TRUE(answers.empty());
}

// The first start shows the About window in front of the disabled main window. OK and the close box
// give the main window back; after the close box the window is made afresh.
TEST_F(MainWindowTest, TheAboutWindowStandsInFrontOfTheDisabledMainWindow) {
  std::filesystem::remove(programFolder + "/kvpm.ini");
  ASSERT_TRUE(Open());
  QWidget* about = TopLevel("frmAbout");
  ASSERT_FALSE(about == nullptr || window->isEnabled());
  EXPECT_EQ(about->windowHandle()->transientParent(), window->windowHandle());  // kept in front
  EXPECT_EQ(Texts(about), ReadBytes(KVPM_FIXTURES_DIR "/windows/about.txt"));
  EXPECT_FALSE(about->findChild<QLabel*>("picIcon")->pixmap().isNull());
  QTest::mouseClick(about->findChild<QWidget*>("cmdOK"), Qt::LeftButton);
  EXPECT_TRUE(!about->isVisible() && window->isEnabled());
  Find<QAction>("menu_about")->trigger();
  about->close();
  Find<QAction>("menu_new")->trigger();  // shows the state again
  EXPECT_TRUE(window->isEnabled());
  Find<QAction>("menu_about")->trigger();  // before the closed window is gone
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_NE(TopLevel("frmAbout"), nullptr);
}

// Closing the main window while the FAQ window is open ends the program's
// event loop, and the FAQ window goes with the main window.
TEST_F(MainWindowTest, TheFaqWindowAnswersSixQuestionsUntilTheProgramEnds) {
  ASSERT_TRUE(Open());
  Find<QAction>("menu_help")->trigger();
  QPointer<QWidget> faq = TopLevel("frmHelp");
  ASSERT_FALSE(faq.isNull() || window->isEnabled());
  EXPECT_EQ(Texts(faq), ReadBytes(KVPM_FIXTURES_DIR "/windows/faq.txt"));
  QSignalSpy ending(window.get(), &MainWindow::Ending);
  QTimer::singleShot(0, window.get(), &QWidget::close);
  QTimer::singleShot(10000, window.get(), [] { QApplication::exit(1); });  // a watchdog
  EXPECT_EQ(QApplication::exec(), 0);
  EXPECT_EQ(ending.count(), 1);
  window.reset();
  EXPECT_TRUE(faq.isNull());
}

// A message box shows the program's text as plain text under its title and answers with the button
// clicked; the prefix window answers with the row and box chosen, Escape with none; the wait window
// replaces the main window during a copy: painted, with progress, unclosable.
TEST_F(MainWindowTest, MessagesThePrefixWindowAndTheWaitWindowOfTheProgram) {
  QWidget mainWindow;
  mainWindow.show();
  QtUserDialogs dialogs(&mainWindow, {});
  answers = {[](QWidget* open) {
    auto* box = qobject_cast<QMessageBox*>(open);
    EXPECT_EQ((box->windowTitle() + '|' + box->text()).toStdString(),
              "KV Playlist Manager|A <thememd.ini>\nB");
    EXPECT_TRUE(box->textFormat() == Qt::PlainText && box->icon() == QMessageBox::NoIcon);
    box->button(QMessageBox::No)->click();
  }, [](QWidget* open) {  // from the first prefix, remembered, to the second, not remembered
    Texts(open);  // for its checks of each control's name
    const auto* rows = open->findChild<QTreeWidget*>("lstPrefixes");
    for (const auto& [row, shown] : {std::pair{0, "Steam|/s/pfx|C:\\Games\\Korvale\\"},
                                     {1, "Lutris|/l/kv|D:\\Korvale\\"}, {2, "Wine|/h|C:\\"}}) {
      const QTreeWidgetItem* item = rows->topLevelItem(row);
      EXPECT_EQ(QStringList({item->text(0), item->text(1), item->text(2)}).join('|'), shown);
    }
    QTest::keyClick(open->findChild<QWidget*>("lstPrefixes"), Qt::Key_Down);
    QTest::keyClick(open->findChild<QWidget*>("cboxRemember"), Qt::Key_Space);
    QTest::keyClick(open, Qt::Key_Return);
  }, [](QWidget* open) { QTest::keyClick(open, Qt::Key_Escape); }};
  EXPECT_EQ(dialogs.ShowMessage("A <thememd.ini>\r\nB", Buttons::YesNoCancel), AnswerNo);
  const std::vector<PrefixOffer> offers = {{"Steam", "/s/pfx", "C:\\Games\\Korvale\\"},
                                           {"Lutris", "/l/kv", "D:\\Korvale\\"},
                                           {"Wine", "/h", "C:\\"}};
  const std::optional<PrefixAnswer> chosen = dialogs.ChoosePrefix(offers);
  EXPECT_TRUE(chosen && chosen->index == 1 && !chosen->remember);
  EXPECT_FALSE(dialogs.ChoosePrefix(offers));
  dialogs.ShowWaitWindow("Copying file from Korvale CD.");
  auto* wait = mainWindow.findChild<QWidget*>("frmWait");
  EXPECT_TRUE(wait->windowHandle()->isExposed() && !mainWindow.isVisible());
  dialogs.ShowCopyProgress(1, 4);
  EXPECT_EQ(Texts(wait), ReadBytes(KVPM_FIXTURES_DIR "/windows/wait.txt"));
  wait->close();
  EXPECT_TRUE(wait->isVisible());
  dialogs.HideWaitWindow();
  EXPECT_TRUE(!wait->isVisible() && mainWindow.isVisible());
}

// A file dialog starts in its folder (open: one that exists; save: one the user may write,
// which /proc/self is not even for root), else in the documents folder, and writes nothing to
// tell: the folder keeps its entries and its time.
TEST_F(MainWindowTest, FileDialogsStartWhereTheyMayAndWriteNothingToTell) {
#ifdef _WIN32
  GTEST_SKIP() << "/proc/self and the documents folder under $HOME are Linux's";
#endif
  QtUserDialogs dialogs(nullptr, {});
  const std::string home = prefix.Root() + "/home", oldHome = platform::EnvironmentVariable("HOME");
  const std::string playlists = programFolder, documents = home + "/Documents";
  std::filesystem::create_directories(documents);
  qputenv("HOME", QByteArray::fromStdString(home));
  const auto time = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
  std::filesystem::last_write_time(playlists, time);
  const struct { std::string folder; bool save; std::string start, file = ""; } cases[] = {
      {playlists, false, playlists}, {playlists, true, playlists}, {"", false, documents},
      {"/proc/self", false, "/proc/self"}, {"/proc/self", true, documents}, {"", true, documents},
      {home + "/gone", false, documents}, {playlists, true, playlists, "/proc/self/rock.kvl"},
      {"", true, playlists, playlists + "/rock.kvl"}};
  for (const auto& c : cases) {
    answers = {[&c](QWidget* open) {
      EXPECT_EQ(qobject_cast<QFileDialog*>(open)->directory().path().toStdString(), c.start);
      qobject_cast<QDialog*>(open)->reject();
    }};
    const FileDialogSetup setup = {"Open", "", "kvl", c.folder, c.file};
    EXPECT_FALSE(c.save ? dialogs.ChooseFileToSave(setup) : dialogs.ChooseFileToOpen(setup));
  }
  qputenv("HOME", QByteArray::fromStdString(oldHome));
  EXPECT_EQ(std::filesystem::last_write_time(playlists), time);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(playlists), {}), 1);  // kvpm.ini
}

TEST_F(MainWindowTest, WithoutTheGameTheProgramEndsBeforeItsWindowShows) {
  std::filesystem::remove(prefix.Native(Game("expandmd01.mix")));
  EXPECT_FALSE(Open() || window->isVisible());
}

}  // namespace
}  // namespace kvpm::test
