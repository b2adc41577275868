#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "playlist/Slots.h"
#include "playlist/TrackList.h"
#include "playlistfiles/FileCommands.h"
#include "support/FaultGuard.h"
#include "support/PlaylistFilesFixture.h"
#include "support/PlaylistRules.h"
#include "support/PlaylistSnapshot.h"
#include "theme/ThemeWriter.h"

namespace kvpm {
namespace {

using Texts = std::vector<std::string>;
using testing::kPlaylistFolder;
using testing::kProgramFolder;

const std::string kNewCaption = "New Playlist - KV Playlist Manager";
const std::string kFilter = "KVPM Playlist Files (*.kvl) | *.kvl";

std::string Caption(const std::string& path) { return path + " - KV Playlist Manager"; }

std::string OverwriteQuestion(const std::string& path) {
  return "\"" + path + "\" already exists!\r\nAre you sure you want overwrite this file?";
}

class FileCommandsTest : public testing::PlaylistFilesFixture {
 protected:
  FileCommandsTest() {
    state.dialogOpen.initialFolder = kPlaylistFolder;
    state.dialogSave.initialFolder = kProgramFolder;
  }

  // Opens the file through the dialog, as File > Open does.
  void Open(const std::string& path) {
    dialogs.openChoices.push_back(path);
    FileOpen(state);
  }

  // The caption, the current file and the recent files, which a cancelled
  // command leaves alone.
  struct Naming {
    std::string caption, currentFile;
    std::vector<std::string> recentFiles;
    bool operator==(const Naming&) const = default;
  };
  Naming CurrentNaming() const {
    return {state.controls.caption, state.dialogSave.fileName, RecentFiles()};
  }
};

TEST_F(FileCommandsTest, TheDialogsAreSetUpForPlaylistFiles) {
  state.dialogSave.fileName = "C:\\Playlists\\current.kvl";
  dialogs.openChoices.push_back(std::nullopt);
  FileOpen(state);
  dialogs.saveChoices.push_back(std::nullopt);
  FileSaveAs(state);
  ASSERT_EQ(dialogs.openDialogs.size(), 1u);
  const FileDialogSetup& open = dialogs.openDialogs[0];
  EXPECT_EQ(open.title, "Open");
  EXPECT_EQ(open.filter, kFilter);
  EXPECT_EQ(open.defaultExtension, "kvl");
  EXPECT_EQ(open.initialFolder, kPlaylistFolder);
  EXPECT_EQ(open.fileName, "");
  ASSERT_EQ(dialogs.saveDialogs.size(), 1u);
  const FileDialogSetup& save = dialogs.saveDialogs[0];
  EXPECT_EQ(save.title, "Save As");
  EXPECT_EQ(save.filter, kFilter);
  EXPECT_EQ(save.defaultExtension, "kvl");
  EXPECT_EQ(save.initialFolder, kProgramFolder);
  EXPECT_EQ(save.fileName, "C:\\Playlists\\current.kvl");
}

TEST_F(FileCommandsTest, OpenNamesTheWindowAfterTheFile) {
  const std::string path = PlaylistFile("mine.kvl");
  state.dialogOpen.initialFolder = kProgramFolder;
  Open(path);
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_TRUE(state.trackSelected[13][1]);
  EXPECT_TRUE(testing::PlaylistRulesHold(state));
  EXPECT_EQ(state.controls.caption, Caption(path));
  EXPECT_EQ(state.dialogSave.fileName, path);
  EXPECT_EQ(state.recentFiles[1], path);
  EXPECT_EQ(state.controls.menu_file[1].caption, "&1 " + path);
  EXPECT_EQ(state.dialogOpen.initialFolder, kPlaylistFolder);
}

TEST_F(FileCommandsTest, ARefusedFileBringsTheDialogBack) {
  prefix.CreateFile("C:\\Playlists\\notes.txt", "[Themes]\r\n6=x\r\n");
  const std::string path = PlaylistFile("mine.kvl");
  dialogs.openChoices = {"C:\\Playlists\\notes.txt", "C:\\Playlists\\gone.kvl", path};
  FileOpen(state);
  EXPECT_EQ(dialogs.openDialogs.size(), 3u);
  EXPECT_EQ(dialogs.Texts(), (Texts{"\"C:\\Playlists\\notes.txt\" is not a KVPM Playlist File!",
                                    "\"C:\\Playlists\\gone.kvl\" does not exist!"}));
  EXPECT_EQ(state.controls.caption, Caption(path));
  EXPECT_EQ(RecentFiles()[0], path);
  EXPECT_EQ(RecentFiles()[1], "");
}

TEST_F(FileCommandsTest, CancellingOpenLeavesEverythingAsItWas) {
  SelectTrack(state, 13, 7);
  state.controls.caption = Caption("C:\\Playlists\\mine.kvl");
  state.dialogSave.fileName = "C:\\Playlists\\mine.kvl";
  const testing::PlaylistSnapshot before = testing::Snapshot(state);
  const Naming naming = CurrentNaming();
  prefix.CreateFile("C:\\Playlists\\notes.txt", "text\r\n");
  dialogs.openChoices = {"C:\\Playlists\\notes.txt", std::nullopt};
  FileOpen(state);
  EXPECT_TRUE(testing::SamePlaylist(before, testing::Snapshot(state)));
  EXPECT_TRUE(CurrentNaming() == naming);
}

TEST_F(FileCommandsTest, AFileWithLeftOutSoundtracksCountsAsOpened) {
  const std::string path = "C:\\Playlists\\quillan.kvl";
  prefix.CreateFile(path, "[Themes]\r\n159=QN01\r\n[KVPMINTR]\r\nOption=1\r\n");
  Open(path);
  EXPECT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.openDialogs.size(), 1u);
  EXPECT_EQ(state.controls.caption, Caption(path));
}

TEST_F(FileCommandsTest, SaveOfAnUntitledPlaylistIsSaveAs) {
  const std::string path = "C:\\Playlists\\new.kvl";
  SelectTrack(state, 13, 7);
  dialogs.saveChoices.push_back(path);
  FileSave(state);
  EXPECT_EQ(dialogs.saveDialogs.size(), 1u);
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(Bytes(path), ThemeFileText(state));
  EXPECT_EQ(state.controls.caption, Caption(path));
  EXPECT_EQ(state.dialogSave.fileName, path);
  EXPECT_EQ(state.recentFiles[1], path);
  EXPECT_EQ(state.dialogOpen.initialFolder, kPlaylistFolder);
}

TEST_F(FileCommandsTest, SaveAfterOpenWritesWithoutAsking) {
  const std::string path = PlaylistFile("mine.kvl");
  Open(path);
  const std::string settings = SettingsBytes();
  SetSlot(state, Intro, 13, 1, kCustomOption);
  FileSave(state);
  EXPECT_TRUE(dialogs.saveDialogs.empty());
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(Bytes(path), ThemeFileText(state));
  EXPECT_EQ(state.controls.caption, Caption(path));
  EXPECT_EQ(SettingsBytes(), settings);
}

TEST_F(FileCommandsTest, OverwritingAnExistingFileIsAsked) {
  const std::string existing = PlaylistFile("old.kvl");
  const std::string old = Bytes(existing);

  // Cancel: nothing written, nothing renamed.
  const Naming naming = CurrentNaming();
  dialogs.saveChoices.push_back(existing);
  dialogs.answers.push_back(AnswerCancel);
  FileSaveAs(state);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, OverwriteQuestion(existing));
  EXPECT_EQ(dialogs.messages[0].buttons, Buttons::YesNoCancel);
  EXPECT_EQ(state.msgResult, AnswerCancel);
  EXPECT_EQ(Bytes(existing), old);
  EXPECT_TRUE(CurrentNaming() == naming);

  // No: the dialog again, and another name.
  const std::string other = "C:\\Playlists\\other.kvl";
  dialogs.saveChoices = {existing, other};
  dialogs.answers.push_back(AnswerNo);
  FileSaveAs(state);
  EXPECT_EQ(dialogs.saveDialogs.size(), 3u);
  EXPECT_EQ(Bytes(existing), old);
  EXPECT_EQ(Bytes(other), ThemeFileText(state));
  EXPECT_EQ(state.controls.caption, Caption(other));

  // Yes: replaced.
  dialogs.saveChoices.push_back(existing);
  dialogs.answers.push_back(AnswerYes);
  FileSaveAs(state);
  EXPECT_EQ(Bytes(existing), ThemeFileText(state));
  EXPECT_EQ(state.controls.caption, Caption(existing));
  EXPECT_EQ(dialogs.messages.size(), 3u);
}

TEST_F(FileCommandsTest, AHiddenFileIsNotReplacedWithoutAsking) {
  const std::string hidden = PlaylistFile(".hidden.kvl");
  const std::string old = Bytes(hidden);
  dialogs.saveChoices.push_back(hidden);
  dialogs.answers.push_back(AnswerCancel);
  FileSaveAs(state);
  EXPECT_EQ(dialogs.Texts(), Texts{OverwriteQuestion(hidden)});
  EXPECT_EQ(Bytes(hidden), old);
}

TEST_F(FileCommandsTest, AFileThatCannotBeWrittenIsReported) {
  const std::string path = "C:\\Playlists\\new.kvl";
  {
    testing::FaultGuard faults;
    faults->failRename = true;
    dialogs.saveChoices.push_back(path);
    FileSaveAs(state);
  }
  EXPECT_EQ(dialogs.Texts(), Texts{"Error saving playlist to \"C:\\Playlists\\new.kvl\"."});
  EXPECT_EQ(Bytes(path), "");
  // The window is not named after a file that does not hold the playlist;
  // the path is the current file and heads the recent files all the same.
  EXPECT_EQ(state.controls.caption, kNewCaption);
  EXPECT_EQ(state.dialogSave.fileName, path);
  EXPECT_EQ(state.recentFiles[1], path);

  // Save tries that file again, and names the window once it is written.
  FileSave(state);
  EXPECT_EQ(Bytes(path), ThemeFileText(state));
  EXPECT_EQ(state.controls.caption, Caption(path));
  EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(FileCommandsTest, AFailedSaveKeepsTheOldFileWhole) {
  const std::string path = PlaylistFile("mine.kvl");
  Open(path);
  const std::string old = Bytes(path);
  SelectTrack(state, 13, 7);
  testing::FaultGuard faults;
  faults->shortWrite = true;
  FileSave(state);
  EXPECT_EQ(dialogs.Texts(), Texts{"Error saving playlist to \"C:\\Playlists\\mine.kvl\"."});
  EXPECT_EQ(Bytes(path), old);
  EXPECT_EQ(state.controls.caption, Caption(path));
}

TEST_F(FileCommandsTest, TheActiveThemeFileOpenedByHandIsSavedStraightIntoTheGame) {
  SelectTrack(state, 13, 7);
  ASSERT_TRUE(WriteThemeFile(state, state.themeFile));
  FileNew(state);
  Open(state.themeFile);
  EXPECT_TRUE(state.trackSelected[13][7]);
  EXPECT_EQ(state.dialogSave.fileName, state.themeFile);
  EXPECT_EQ(state.controls.caption, Caption(state.themeFile));
  SelectTrack(state, 13, 8);
  FileSave(state);
  EXPECT_TRUE(dialogs.saveDialogs.empty());
  EXPECT_EQ(Bytes(state.themeFile), ThemeFileText(state));
}

TEST_F(FileCommandsTest, ASavedPathThatKvpmIniCannotHoldIsStillSaved) {
  const std::string path = "C:\\Playlists\\rock;pop.kvl";
  dialogs.saveChoices.push_back(path);
  FileSaveAs(state);
  EXPECT_EQ(Bytes(path), ThemeFileText(state));
  EXPECT_EQ(state.controls.caption, Caption(path));
  EXPECT_EQ(state.dialogSave.fileName, path);
  EXPECT_EQ(state.recentFiles[1], "");
}

TEST_F(FileCommandsTest, NewForgetsTheFile) {
  Open(PlaylistFile("mine.kvl"));
  FileNew(state);
  EXPECT_EQ(state.controls.caption, kNewCaption);
  EXPECT_EQ(state.dialogSave.fileName, "");
  EXPECT_FALSE(state.trackSelected[13][1]);
  EXPECT_TRUE(state.trackSelected[9][1]);
  EXPECT_EQ(state.recentFiles[1], "C:\\Playlists\\mine.kvl");
}

}  // namespace
}  // namespace kvpm
