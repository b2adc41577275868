#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "playlist/SoundtrackSelection.h"
#include "playlistfiles/RecentFiles.h"
#include "support/FaultGuard.h"
#include "support/PlaylistFilesFixture.h"
#include "support/PlaylistRules.h"
#include "support/PlaylistSnapshot.h"

namespace kvpm {
namespace {

using Paths = std::vector<std::string>;
using testing::kPlaylistFolder;
using testing::kProgramFolder;

const std::string kDefaultGeneral =
    "[General]\r\n"
    "MaxRecentFiles=4 ;how many recent files will be displayed on the File menu. Min=0, Max=9\r\n"
    "AllowHGDeletion=no ;button allows removal of HG soundtrack file\r\n"
    "AllowKVDeletion=no ;button allows removal of KV soundtrack file\r\n"
    "SaveKVLNames=no ;when resaving a mod's playlist, should track names be preserved? "
    "(not recommended)\r\n"
    "ShowDisclaimer=yes\r\n"
    "\r\n";

class RecentFilesTest : public testing::PlaylistFilesFixture {
 protected:
  void WriteRecentSection(const std::string& lines) {
    prefix.CreateFile(state.settingsFile, kDefaultGeneral + "[RecentFiles]\r\n" + lines);
  }

  // Nine playlist files that exist, p1.kvl to p9.kvl.
  Paths NineExistingFiles() {
    Paths paths;
    for (int i = 1; i <= 9; ++i)
      paths.push_back(PlaylistFile(std::string("p").append(std::to_string(i)) + ".kvl"));
    return paths;
  }

  // The captions of the visible items 1 to 9; "-" for a hidden one.
  Paths Menu() const {
    Paths captions;
    for (int n = 1; n <= 9; ++n) {
      const MenuItem& item = state.controls.menu_file[n];
      captions.push_back(item.visible ? item.caption : "-");
    }
    return captions;
  }
};

const Paths kNoneShown = {"-", "-", "-", "-", "-", "-", "-", "-", "-"};

TEST_F(RecentFilesTest, ItemNumbersFollowPositionsNotVisibleOrder) {
  WriteRecentSection(
      "0=\r\n1=C:\\Playlists\\b.kvl\r\n2=C:\\Playlists\\c.kvl ;note\r\n"
      "5=C:\\Playlists\\f.kvl\r\n");
  LoadRecentFiles(state);
  EXPECT_EQ(RecentFiles(), (Paths{"", "C:\\Playlists\\b.kvl", "C:\\Playlists\\c.kvl", "", "",
                                  "C:\\Playlists\\f.kvl", "", "", ""}));
  // Position 6 is beyond MaxRecentFiles 4.
  EXPECT_EQ(Menu(), (Paths{"-", "&2 C:\\Playlists\\b.kvl", "&3 C:\\Playlists\\c.kvl", "-", "-", "-",
                           "-", "-", "-"}));
  EXPECT_TRUE(state.controls.menu_line4.visible);
  // No most recent file: the open dialog starts in the program's folder.
  EXPECT_EQ(state.dialogOpen.initialFolder, kProgramFolder);
}

TEST_F(RecentFilesTest, TheOpenDialogStartsInTheMostRecentFilesFolder) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"C:\\Playlists\\Mods\\a.kvl", "C:\\Playlists\\Mods"},
      {"/home/player/lists/a.kvl", "/home/player/lists"},
      {"a.kvl", kProgramFolder},
  };
  for (const auto& [path, folder] : cases) {
    WriteRecentSection("0=" + path + "\r\n");
    LoadRecentFiles(state);
    EXPECT_EQ(state.dialogOpen.initialFolder, folder) << path;
  }
}

TEST_F(RecentFilesTest, NoSectionOrNoSettingsFileReadsAsNineEmptyPositions) {
  SetRecentFiles({"stale"});
  prefix.CreateFile(state.settingsFile, kDefaultGeneral);
  LoadRecentFiles(state);
  EXPECT_EQ(RecentFiles(), Paths(9));
  std::filesystem::remove(prefix.Native(state.settingsFile));
  LoadRecentFiles(state);
  EXPECT_EQ(RecentFiles(), Paths(9));
  EXPECT_EQ(Menu(), kNoneShown);
  EXPECT_FALSE(state.controls.menu_line4.visible);
}

TEST_F(RecentFilesTest, SavingWritesAllNineKeysAndKeepsTheRestOfTheFile) {
  SetRecentFiles({"C:\\Playlists\\a.kvl", "", "/home/player/b.kvl"});
  SaveRecentFiles(state);
  EXPECT_EQ(SettingsBytes(),
            kDefaultGeneral +
                "[RecentFiles]\r\n0=C:\\Playlists\\a.kvl\r\n1=\r\n"
                "2=/home/player/b.kvl\r\n3=\r\n4=\r\n5=\r\n6=\r\n7=\r\n8=\r\n\r\n");
  // Existing keys are replaced in place, comments behind them included.
  WriteRecentSection("8=old ;x\r\n0=older\r\n\r\n[Other]\r\nkeep=me\r\n");
  SetRecentFiles({"new"});
  SaveRecentFiles(state);
  EXPECT_EQ(SettingsBytes(), kDefaultGeneral +
                                 "[RecentFiles]\r\n8=\r\n0=new\r\n1=\r\n2=\r\n3=\r\n4=\r\n5=\r\n"
                                 "6=\r\n7=\r\n\r\n[Other]\r\nkeep=me\r\n");
}

TEST_F(RecentFilesTest, MaxRecentFilesZeroShowsNothingButKeepsTheList) {
  state.maxRecentFiles = 0;
  WriteRecentSection("0=C:\\Playlists\\a.kvl\r\n");
  LoadRecentFiles(state);
  AddRecentFile(state, PlaylistFile("b.kvl"));
  EXPECT_EQ(Menu(), kNoneShown);
  EXPECT_FALSE(state.controls.menu_line4.visible);
  EXPECT_EQ(SettingsBytes(), kDefaultGeneral +
                                 "[RecentFiles]\r\n0=C:\\Playlists\\b.kvl\r\n"
                                 "1=C:\\Playlists\\a.kvl\r\n2=\r\n3=\r\n4=\r\n5=\r\n6=\r\n7=\r\n"
                                 "8=\r\n");
}

TEST_F(RecentFilesTest, ItemsBeyondMaxRecentFilesAreNeverTouched) {
  state.maxRecentFiles = 2;
  state.controls.menu_file[3] = {"as designed", true, true};
  SetRecentFiles({"a", "b", "c"});
  RefreshRecentMenu(state);
  EXPECT_EQ(Menu(), (Paths{"&1 a", "&2 b", "as designed", "-", "-", "-", "-", "-", "-"}));
  // An emptied position hides its item; with none left the separator goes.
  SetRecentFiles({"", ""});
  RefreshRecentMenu(state);
  EXPECT_EQ(Menu()[0], "-");
  EXPECT_EQ(Menu()[1], "-");
  EXPECT_FALSE(state.controls.menu_line4.visible);
  // The caption takes the path as it is, "&" included.
  SetRecentFiles({"C:\\R&B\\a.kvl"});
  RefreshRecentMenu(state);
  EXPECT_EQ(state.controls.menu_file[1].caption, "&1 C:\\R&B\\a.kvl");
}

TEST_F(RecentFilesTest, AnAddedFileHeadsTheListAndBecomesTheCurrentFile) {
  SetRecentFiles({"C:\\Playlists\\x.kvl"});
  const std::string path = PlaylistFile("new.kvl");
  AddRecentFile(state, path);
  EXPECT_EQ(RecentFiles(), (Paths{path, "C:\\Playlists\\x.kvl", "", "", "", "", "", "", ""}));
  EXPECT_EQ(state.dialogSave.fileName, path);
  EXPECT_EQ(state.dialogOpen.initialFolder, kPlaylistFolder);
  EXPECT_EQ(Menu()[0], "&1 " + path);
  EXPECT_EQ(Menu()[1], "&2 C:\\Playlists\\x.kvl");
  EXPECT_TRUE(state.controls.menu_line4.visible);
  // The list survives a restart.
  SetRecentFiles({});
  LoadRecentFiles(state);
  EXPECT_EQ(RecentFiles(), (Paths{path, "C:\\Playlists\\x.kvl", "", "", "", "", "", "", ""}));
}

TEST_F(RecentFilesTest, TheSameFileInOtherSpellingMovesUpAndTakesTheNewText) {
  Paths paths = NineExistingFiles();
  paths[3] = prefix.Native(paths[3]);  // position 4 by its native path
  SetRecentFiles(paths);
  AddRecentFile(state, "c:\\PLAYLISTS\\P5.KVL");
  EXPECT_EQ(RecentFiles(), (Paths{"c:\\PLAYLISTS\\P5.KVL", paths[0], paths[1], paths[2], paths[3],
                                  paths[5], paths[6], paths[7], paths[8]}));
  AddRecentFile(state, "C:\\Playlists\\Sub\\..\\p4.kvl");
  EXPECT_EQ(RecentFiles(),
            (Paths{"C:\\Playlists\\Sub\\..\\p4.kvl", "c:\\PLAYLISTS\\P5.KVL", paths[0], paths[1],
                   paths[2], paths[5], paths[6], paths[7], paths[8]}));
}

TEST_F(RecentFilesTest, ATenthFileDropsTheNinth) {
  const Paths paths = NineExistingFiles();
  SetRecentFiles(paths);
  const std::string tenth = PlaylistFile("p10.kvl");
  AddRecentFile(state, tenth);
  EXPECT_EQ(RecentFiles(), (Paths{tenth, paths[0], paths[1], paths[2], paths[3], paths[4], paths[5],
                                  paths[6], paths[7]}));
}

TEST_F(RecentFilesTest, AFileNotWrittenYetTakesTheFirstEmptyOrMissingPosition) {
  const std::string fresh = "C:\\Playlists\\fresh.kvl";
  Paths paths = NineExistingFiles();
  paths[4] = "C:\\Playlists\\deleted.kvl";
  paths[6] = "";
  SetRecentFiles(paths);
  AddRecentFile(state, fresh);
  EXPECT_EQ(RecentFiles(), (Paths{fresh, paths[0], paths[1], paths[2], paths[3], paths[5], "",
                                  paths[7], paths[8]}));
  // With nine files that exist, all move down.
  paths = NineExistingFiles();
  SetRecentFiles(paths);
  AddRecentFile(state, fresh);
  EXPECT_EQ(RecentFiles(), (Paths{fresh, paths[0], paths[1], paths[2], paths[3], paths[4], paths[5],
                                  paths[6], paths[7]}));
}

TEST_F(RecentFilesTest, APathKvpmIniCannotGiveBackNeverEntersTheList) {
  SetRecentFiles({"C:\\Playlists\\a.kvl"});
  SaveRecentFiles(state);
  RefreshRecentMenu(state);
  const std::string settings = SettingsBytes();
  for (const std::string& path :
       {std::string("C:\\Playlists\\two\r\nlines.kvl"), std::string("C:\\Playlists\\a\nb.kvl"),
        std::string("C:\\Playlists\\semi;colon.kvl"), std::string("/tmp/trailing blank.kvl "),
        std::string(" /tmp/leading blank.kvl"), "C:\\Playlists\\" + std::string(250, 'x')}) {
    AddRecentFile(state, path);
    EXPECT_EQ(RecentFiles(), (Paths{"C:\\Playlists\\a.kvl", "", "", "", "", "", "", "", ""}));
    EXPECT_EQ(SettingsBytes(), settings);
    // It is still the file that Save writes to.
    EXPECT_EQ(state.dialogSave.fileName, path);
  }
  EXPECT_EQ(Menu()[0], "&1 C:\\Playlists\\a.kvl");
  EXPECT_EQ(state.dialogOpen.initialFolder, kPlaylistFolder);
}

TEST_F(RecentFilesTest, ALongestStorablePathComesBackWhole) {
  const std::string path = "C:\\Playlists\\" + std::string(254 - 13 - 4, 'y') + ".kvl";
  ASSERT_EQ(path.size(), 254u);
  AddRecentFile(state, path);
  SetRecentFiles({});
  LoadRecentFiles(state);
  EXPECT_EQ(state.recentFiles[1], path);
}

TEST_F(RecentFilesTest, ASettingsFileThatCannotBeReadIsNeverReplaced) {
  const std::string settings = SettingsBytes();
  const std::string path = PlaylistFile("a.kvl");
  {
    testing::FaultGuard faults;
    faults->failRead = true;
    AddRecentFile(state, path);
  }
  EXPECT_EQ(SettingsBytes(), settings);
  // The session keeps its list.
  EXPECT_EQ(state.recentFiles[1], path);
  EXPECT_EQ(Menu()[0], "&1 " + path);
}

TEST_F(RecentFilesTest, MovingToTheTop) {
  SetRecentFiles({"a", "b", "c", "d", "e"});
  MoveRecentFileToTop(state, 4);
  EXPECT_EQ(RecentFiles(), (Paths{"d", "a", "b", "c", "e", "", "", "", ""}));
  EXPECT_EQ(Menu()[0], "&1 d");
  MoveRecentFileToTop(state, 9);
  EXPECT_EQ(RecentFiles(), (Paths{"", "d", "a", "b", "c", "e", "", "", ""}));
  for (int outside : {0, -1, 10}) MoveRecentFileToTop(state, outside);
  EXPECT_EQ(RecentFiles(), (Paths{"", "d", "a", "b", "c", "e", "", "", ""}));
  SetRecentFiles({"a", "b"});
  MoveRecentFileToTop(state, 1);
  EXPECT_EQ(SettingsBytes(), kDefaultGeneral +
                                 "[RecentFiles]\r\n0=a\r\n1=b\r\n2=\r\n3=\r\n4=\r\n"
                                 "5=\r\n6=\r\n7=\r\n8=\r\n\r\n");
}

TEST_F(RecentFilesTest, AMovedFileIsToldAndStillMovesToTheTop) {
  SetRecentFiles({"C:\\Playlists\\a.kvl", "C:\\Playlists\\b.kvl", "C:\\Playlists\\gone.kvl"});
  const testing::PlaylistSnapshot before = testing::Snapshot(state);
  OpenRecentFile(state, 3);
  EXPECT_EQ(dialogs.Texts(), Paths{"The file \"C:\\Playlists\\gone.kvl\" has been "
                                   "moved/renamed/deleted since it was last accessed."});
  EXPECT_EQ(dialogs.messages[0].buttons, Buttons::Ok);
  EXPECT_EQ(RecentFiles(), (Paths{"C:\\Playlists\\gone.kvl", "C:\\Playlists\\a.kvl",
                                  "C:\\Playlists\\b.kvl", "", "", "", "", "", ""}));
  EXPECT_EQ(Menu()[0], "&1 C:\\Playlists\\gone.kvl");
  EXPECT_TRUE(testing::SamePlaylist(before, testing::Snapshot(state)));
}

TEST_F(RecentFilesTest, AnOpenedRecentFileIsReadUntitled) {
  const std::string path = PlaylistFile("b.kvl");
  SetRecentFiles({"C:\\Playlists\\a.kvl", path});
  state.dialogOpen.initialFolder = "C:\\Elsewhere";
  state.dialogSave.fileName = "C:\\Playlists\\a.kvl";
  state.controls.caption = "C:\\Playlists\\a.kvl - KV Playlist Manager";
  OpenRecentFile(state, 2);
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_TRUE(state.trackSelected[13][1]);
  EXPECT_FALSE(state.trackSelected[9][1]);
  EXPECT_TRUE(testing::PlaylistRulesHold(state));
  EXPECT_EQ(RecentFiles(), (Paths{path, "C:\\Playlists\\a.kvl", "", "", "", "", "", "", ""}));
  EXPECT_EQ(state.controls.caption, "New Playlist - KV Playlist Manager");
  EXPECT_EQ(state.dialogSave.fileName, "");
  EXPECT_EQ(state.dialogOpen.initialFolder, "C:\\Elsewhere");
}

TEST_F(RecentFilesTest, ARefusedRecentFileMovesToTheTopToo) {
  prefix.CreateFile("C:\\Playlists\\notes.txt", "just text\r\n");
  SetRecentFiles({"C:\\Playlists\\a.kvl", "C:\\Playlists\\notes.txt"});
  ShowSoundtrack(state, 13);
  OpenRecentFile(state, 2);
  EXPECT_EQ(dialogs.Texts(), Paths{"\"C:\\Playlists\\notes.txt\" is not a KVPM Playlist File!"});
  EXPECT_EQ(state.recentFiles[1], "C:\\Playlists\\notes.txt");
  EXPECT_EQ(ShownSoundtrack(state), 9);
  for (int outside : {0, 10}) OpenRecentFile(state, outside);
  EXPECT_EQ(dialogs.messages.size(), 1u);
}

}  // namespace
}  // namespace kvpm
