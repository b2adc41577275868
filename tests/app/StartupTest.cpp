#include "app/Startup.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/FakeDialogs.h"
#include "support/FakePrefix.h"
#include "support/PlaylistRules.h"
#include "support/TempFolder.h"

namespace kvpm {
namespace {

using testing::FakeDialogs;
using testing::FakePrefix;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

const char* const kGameSettings = "C:\\Games\\Korvale\\HGMD.INI";

class StartupTest : public ::testing::Test {
 protected:
  StartupTest() { prefix.InstallGame(); }

  StartupOutcome Start() { return InitialiseMainWindow(state, program.Native()); }

  std::filesystem::path SettingsPath() const { return program.Path() / "kvpm.ini"; }

  FakePrefix prefix;
  TempFolder program;
  FakeDialogs dialogs;
  MainState state{dialogs};
};

// Without the fixture's installation: on Windows the registry is the
// system's own, so a second, empty prefix could not hide the first.
TEST(StartupWithoutGameTest, NothingIsReadOrWritten) {
  FakePrefix prefix;
  TempFolder program;
  FakeDialogs dialogs;
  MainState state{dialogs};
  EXPECT_EQ(InitialiseMainWindow(state, program.Native()), StartupOutcome::EndProgram);
  EXPECT_EQ(dialogs.Texts(),
            std::vector<std::string>{"Harrowgate is not installed! Please install Harrowgate."});
  EXPECT_FALSE(std::filesystem::exists(program.Path() / "kvpm.ini"));
}

TEST_F(StartupTest, FirstStartShowsTheAboutWindowOnceAndRemembersIt) {
  EXPECT_EQ(Start(), StartupOutcome::ShowWindowAndAbout);
  EXPECT_FALSE(state.controls.enabled);
  const std::string settings = ReadBytes(SettingsPath());
  EXPECT_NE(settings.find("\r\nShowDisclaimer=no\r\n\r\n[RecentFiles]\r\n"), std::string::npos)
      << settings;

  FakeDialogs secondDialogs;
  MainState second{secondDialogs};
  EXPECT_EQ(InitialiseMainWindow(second, program.Native()), StartupOutcome::ShowWindow);
  EXPECT_TRUE(second.controls.enabled);
  EXPECT_EQ(ReadBytes(SettingsPath()), settings);
}

TEST_F(StartupTest, ShowDisclaimerValues) {
  const std::vector<std::pair<std::string, StartupOutcome>> cases = {
      {"ShowDisclaimer=no ;seen it\r\n", StartupOutcome::ShowWindow},
      {"ShowDisclaimer=FALSE\r\n", StartupOutcome::ShowWindow},
      {"ShowDisclaimer=0\r\n", StartupOutcome::ShowWindow},
      {"ShowDisclaimer=maybe\r\n", StartupOutcome::ShowWindowAndAbout},
      {"", StartupOutcome::ShowWindowAndAbout},
  };
  for (const auto& [line, outcome] : cases) {
    WriteBytes(SettingsPath(), "[General]\r\nMaxRecentFiles=4\r\n" + line + "\r\n[RecentFiles]\r\n");
    FakeDialogs caseDialogs;
    MainState caseState{caseDialogs};
    EXPECT_EQ(InitialiseMainWindow(caseState, program.Native()), outcome) << line;
    if (outcome == StartupOutcome::ShowWindowAndAbout) {
      // The key is rewritten, or added at the end of its section.
      EXPECT_EQ(ReadBytes(SettingsPath()),
                "[General]\r\nMaxRecentFiles=4\r\nShowDisclaimer=no\r\n\r\n[RecentFiles]\r\n")
          << line;
    }
  }
}

TEST_F(StartupTest, WindowShowsANewPlaylistOfTheExpansion) {
  Start();
  EXPECT_EQ(state.themeFile, "C:\\Games\\Korvale\\thememd.ini");
  EXPECT_EQ(state.settingsFile, program.Native() + "\\kvpm.ini");
  EXPECT_EQ(state.controls.caption, "New Playlist - KV Playlist Manager");
  EXPECT_EQ(state.controls.comboSoundtrack.items.at(state.controls.comboSoundtrack.selectedIndex).data, 9);
  EXPECT_EQ(state.controls.lstTracks.items.size(), 10u);
  EXPECT_EQ(state.controls.lstTracks.currentIndex, -1);
  EXPECT_EQ(state.dialogSave.initialFolder, program.Native());
  EXPECT_FALSE(state.controls.menu_disable.enabled);
  EXPECT_EQ(state.controls.cboxMusic.value, Ticked);
  EXPECT_EQ(state.controls.cboxShuffle.value, Ticked);
  EXPECT_TRUE(testing::PlaylistRulesHold(state));
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(StartupTest, GameAudioSettingsSetTheSwitches) {
  prefix.CreateFile(kGameSettings, "[Audio]\r\nIsScoreShuffle=yes\r\nInGameMusic=no\r\n");
  Start();
  EXPECT_EQ(state.controls.cboxShuffle.value, Ticked);
  EXPECT_EQ(state.controls.cboxMusic.value, Unticked);
}

TEST_F(StartupTest, MissingOrUnrecognisedAudioValuesClearTheSwitches) {
  prefix.CreateFile("C:\\Games\\Korvale\\hgmd.ini", "[audio]\nInGameMusic=loud\n");
  Start();
  EXPECT_EQ(state.controls.cboxShuffle.value, Unticked);
  EXPECT_EQ(state.controls.cboxMusic.value, Unticked);
}

}  // namespace
}  // namespace kvpm
