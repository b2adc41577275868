// Start-up reads the recent files and the playlist active in the game.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Startup.h"
#include "catalogue/Catalogue.h"
#include "playlist/Playlist.h"
#include "playlist/Slots.h"
#include "playlist/TrackList.h"
#include "support/FakeDialogs.h"
#include "support/FakePrefix.h"
#include "support/PlaylistRules.h"
#include "support/TempFolder.h"
#include "theme/ThemeWriter.h"

namespace kvpm {
namespace {

using testing::FakeDialogs;
using testing::FakePrefix;
using testing::TempFolder;

const std::string kThemeFile = "C:\\Games\\Korvale\\thememd.ini";

class StartupThemeFileTest : public ::testing::Test {
 protected:
  StartupThemeFileTest() {
    prefix.InstallGame();
    prefix.CreateFile("C:\\Games\\Korvale\\ecachethemeUSER.mix");
    testing::WriteBytes(program.Path() / "kvpm.ini",
                        "[General]\r\nMaxRecentFiles=4\r\nShowDisclaimer=no\r\n\r\n"
                        "[RecentFiles]\r\n0=C:\\Playlists\\Mods\\last.kvl\r\n1=/home/me/a.kvl\r\n");
  }

  // A playlist of this program: Custom User track 7 selected and used as
  // the Intro, music and shuffle off.
  std::string OwnThemeFile() {
    FakeDialogs writerDialogs;
    MainState writer{writerDialogs};
    BuildSoundtrackTable(writer.catalogue);
    writer.trackSelected[13][7] = true;
    writer.trackSelected[9][1] = true;
    writer.introSoundtrack = 13;
    writer.introTrack = 7;
    writer.introOption = kCustomOption;
    writer.loadingSoundtrack = writer.scoreSoundtrack = 9;
    writer.loadingTrack = 5;
    writer.scoreTrack = 9;
    writer.controls.cboxMusic.value = Unticked;
    writer.controls.cboxShuffle.value = Unticked;
    return ThemeFileText(writer);
  }

  StartupOutcome Start() { return InitialiseMainWindow(state, program.Native()); }

  FakePrefix prefix;
  TempFolder program;
  FakeDialogs dialogs;
  MainState state{dialogs};
};

TEST_F(StartupThemeFileTest, TheRecentFilesAreOnTheFileMenu) {
  Start();
  EXPECT_EQ(state.recentFiles[1], "C:\\Playlists\\Mods\\last.kvl");
  EXPECT_EQ(state.controls.menu_file[1].caption, "&1 C:\\Playlists\\Mods\\last.kvl");
  EXPECT_EQ(state.controls.menu_file[2].caption, "&2 /home/me/a.kvl");
  EXPECT_FALSE(state.controls.menu_file[3].visible);
  EXPECT_TRUE(state.controls.menu_line4.visible);
  EXPECT_EQ(state.dialogOpen.initialFolder, "C:\\Playlists\\Mods");
}

TEST_F(StartupThemeFileTest, OwnThemeFileIsShownUntitled) {
  prefix.CreateFile(kThemeFile, OwnThemeFile());
  EXPECT_EQ(Start(), StartupOutcome::ShowWindow);
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(state.controls.caption, "KV Playlist Manager");
  EXPECT_TRUE(state.controls.menu_disable.enabled);
  EXPECT_TRUE(state.trackSelected[13][7]);
  EXPECT_TRUE(state.trackSelected[9][1]);
  EXPECT_FALSE(state.trackSelected[9][2]);
  EXPECT_FALSE(state.trackSelected[14][1]);
  EXPECT_EQ(state.introOption, kCustomOption);
  EXPECT_EQ(state.introTrack, 7);
  // Without the game's settings file the playlist's switches stay.
  EXPECT_EQ(state.controls.cboxMusic.value, Unticked);
  EXPECT_EQ(state.controls.cboxShuffle.value, Unticked);
  EXPECT_EQ(state.dialogSave.fileName, "");
  EXPECT_EQ(state.controls.lstTracks.currentIndex, -1);
  EXPECT_TRUE(testing::PlaylistRulesHold(state));
}

TEST_F(StartupThemeFileTest, OwnThemeFileWithARemovedSoundtrackIsReportedAsTheActivePlaylist) {
  std::string text = OwnThemeFile();
  // Track 1 of Quillan, whose archive is not in the game folder.
  const std::string line = "\r\n159=\r\n";
  text.replace(text.find(line), line.size(), "\r\n159=QN01\r\n");
  prefix.CreateFile(kThemeFile, text);
  Start();
  EXPECT_EQ(dialogs.Texts(),
            std::vector<std::string>{
                "Some tracks in the currently active playlist could not be enabled because the "
                "soundtrack files that they belong to have been removed.\r\n"
                "The following soundtrack files are missing:\r\n\r\nQuillan"});
  EXPECT_EQ(state.controls.caption, "KV Playlist Manager");
  EXPECT_TRUE(state.trackSelected[13][7]);
}

TEST_F(StartupThemeFileTest, AForeignThemeFileIsWarnedAboutAndLeftAlone) {
  const std::string foreign = "[Themes]\r\n1=INTRO\r\n6=MODTRACK\r\n[INTRO]\r\nSound=ModIntro\r\n";
  prefix.CreateFile(kThemeFile, foreign);
  Start();
  EXPECT_EQ(dialogs.Texts(),
            std::vector<std::string>{
                "A non-KVPM <thememd.ini> file has been detected. This file is probably part of "
                "a mod.\r\nPlease note that any existing <thememd.ini> file will be overwritten "
                "when Activating a custom playlist."});
  EXPECT_EQ(dialogs.messages[0].buttons, Buttons::Ok);
  EXPECT_EQ(state.controls.caption, "New Playlist - KV Playlist Manager");
  EXPECT_TRUE(state.controls.menu_disable.enabled);
  EXPECT_TRUE(state.trackSelected[9][1]);
  EXPECT_TRUE(state.trackSelected[14][1]);
  EXPECT_TRUE(testing::PlaylistRulesHold(state));
  EXPECT_EQ(testing::ReadBytes(prefix.Native(kThemeFile)), foreign);
}

}  // namespace
}  // namespace kvpm
