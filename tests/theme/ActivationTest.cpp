#include "theme/Activation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "support/EditingFixture.h"
#include "support/FaultGuard.h"
#include "support/TempFolder.h"
#include "support/ThemeFileLines.h"

namespace kvpm {
namespace {

using testing::ReadBytes;
using Texts = std::vector<std::string>;

const std::string kActivated = "Custom playlist activated.";
const std::string kActivationError = "Error activating playlist.";
const std::string kZeroVolume =
    "You have opted to turn the in-game music on.\r\n"
    "However, the in-game music volume is set to 0.\r\n"
    "You will need to change the in-game music volume yourself.";
const std::string kSettingsNotUpdated =
    "Could not update the game's audio settings in \"C:\\Games\\Korvale\\HGMD.INI\".";

class ActivationTest : public testing::EditingFixture {
 protected:
  std::string ThemeNative() const { return prefix.Native(state.themeFile); }
  std::string SettingsNative(const std::string& name = "HGMD.INI") const {
    return prefix.Native(state.gameFolder + name);
  }
  std::string NewPlaylistFile() const {
    return testing::ThemeFileLines::Golden("new-playlist.ini").Text();
  }

  // HGMD.INI with its [Audio] section made of the given lines, among others.
  static std::string GameSettings(const std::string& audioLines) {
    return "[Video]\r\nWidth=800\r\n\r\n[Audio]\r\nSoundVolume=0.8\r\n" + audioLines +
           "\r\n[Options]\r\nGameSpeed=3\r\n";
  }

  std::vector<std::string> GameFolderEntries() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(prefix.Native(state.gameFolder))) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  bool Activate(int music, int shuffle) {
    state.controls.cboxMusic.value = music;
    state.controls.cboxShuffle.value = shuffle;
    return ActivatePlaylist(state);
  }

  testing::FaultGuard faults;
};

TEST_F(ActivationTest, WritesTheThemeFileAndCreatesNoSettingsFile) {
  const std::vector<std::string> before = GameFolderEntries();
  EXPECT_TRUE(ActivatePlaylist(state));
  EXPECT_EQ(ReadBytes(ThemeNative()), NewPlaylistFile());
  EXPECT_EQ(dialogs.Texts(), Texts{kActivated});
  EXPECT_EQ(dialogs.messages[0].buttons, Buttons::Ok);
  EXPECT_TRUE(state.controls.menu_disable.enabled);
  std::vector<std::string> expected = before;
  expected.push_back("thememd.ini");
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(GameFolderEntries(), expected);
}

TEST_F(ActivationTest, ReplacesAnyThemeFileWithoutAsking) {
  prefix.CreateFile(state.themeFile, "[Themes]\r\n1=SOMEONE ELSE'S\r\n" + std::string(50000, ';'));
  EXPECT_TRUE(ActivatePlaylist(state));
  EXPECT_EQ(ReadBytes(ThemeNative()), NewPlaylistFile());
  EXPECT_EQ(dialogs.Texts(), Texts{kActivated});
}

TEST_F(ActivationTest, AThemeFileThatCannotBeWrittenKeepsTheOldOne) {
  const std::string old = "[Themes]\r\n1=INTRO\r\n; the previous playlist\r\n";
  prefix.CreateFile(state.themeFile, old);
  for (bool platform::FileFaults::*fault :
       {&platform::FileFaults::failCreateTemporary, &platform::FileFaults::shortWrite,
        &platform::FileFaults::failRename}) {
    platform::Faults() = {};
    platform::Faults().*fault = true;
    dialogs.messages.clear();
    state.controls.menu_disable.enabled = false;
    EXPECT_FALSE(ActivatePlaylist(state));
    EXPECT_EQ(ReadBytes(ThemeNative()), old);
    EXPECT_EQ(dialogs.Texts(), Texts{kActivationError});
    EXPECT_FALSE(state.controls.menu_disable.enabled);
  }
  platform::Faults() = {};
  EXPECT_EQ(GameFolderEntries().size(), 12u) << "11 archives and the theme file, no temporary";
}

TEST_F(ActivationTest, SettingsAreAppliedEvenWhenTheThemeFileCannotBeWritten) {
  prefix.CreateFile(state.gameFolder + "blocked");
  state.themeFile = state.gameFolder + "blocked\\thememd.ini";
  const std::string settings = GameSettings("InGameMusic=no\r\n");
  prefix.CreateFile(state.gameFolder + "HGMD.INI", settings);
  EXPECT_FALSE(Activate(Ticked, Unticked));
  EXPECT_EQ(dialogs.Texts(), Texts{kActivationError});
  EXPECT_EQ(ReadBytes(SettingsNative()),
            GameSettings("InGameMusic=yes\r\nIsScoreRepeat=no\r\nIsScoreShuffle=no\r\n"));
}

TEST_F(ActivationTest, OnlyTheThreeSwitchesChangeInTheGameSettings) {
  // CR LF, comments, blanks around names, keys in odd case, bytes above 127.
  const std::string settings =
      "; Harrowgate user settings \xa9\r\n"
      "[Video]\r\nWidth = 800\r\nIsScoreRepeat=yes\r\n\r\n"
      "[ audio ]\r\n"
      "  IsScoreRepeat = yes ;loop the score\r\n"
      "ScoreVolume=0.5 ; half\r\n"
      "isscoreshuffle=no\r\n"
      "InGameMusic=no\r\n"
      "VoiceVolume =\t0.7\r\n"
      "\r\n"
      "[Options]\r\nInGameMusic=no\r\n";
  prefix.CreateFile(state.gameFolder + "HGMD.INI", settings);
  EXPECT_TRUE(Activate(Ticked, Ticked));
  EXPECT_EQ(ReadBytes(SettingsNative()),
            "; Harrowgate user settings \xa9\r\n"
            "[Video]\r\nWidth = 800\r\nIsScoreRepeat=yes\r\n\r\n"
            "[ audio ]\r\n"
            "IsScoreRepeat=no\r\n"
            "ScoreVolume=0.5 ; half\r\n"
            "IsScoreShuffle=yes\r\n"
            "InGameMusic=yes\r\n"
            "VoiceVolume =\t0.7\r\n"
            "\r\n"
            "[Options]\r\nInGameMusic=no\r\n");
  EXPECT_EQ(dialogs.Texts(), Texts{kActivated});
}

TEST_F(ActivationTest, GreyedBoxesLeaveTheirKeysAlone) {
  const std::string settings = GameSettings("IsScoreShuffle=maybe\r\nInGameMusic=yes ;on\r\n");
  prefix.CreateFile(state.gameFolder + "HGMD.INI", settings);
  EXPECT_TRUE(Activate(Partial, Partial));
  EXPECT_EQ(ReadBytes(SettingsNative()),
            GameSettings("IsScoreShuffle=maybe\r\nInGameMusic=yes ;on\r\nIsScoreRepeat=no\r\n"));
  EXPECT_EQ(dialogs.Texts(), Texts{kActivated});
}

TEST_F(ActivationTest, MusicTurnedOnAtVolumeZeroIsPointedOutAndTheVolumeKept) {
  for (const std::string volume :
       {"ScoreVolume=0.000000\r\n", "ScoreVolume = 0.000000 ;mute\r\n"}) {
    dialogs.messages.clear();
    const std::string settings =
        GameSettings("IsScoreRepeat=no\r\nIsScoreShuffle=yes\r\n" + volume + "InGameMusic=no\r\n");
    prefix.CreateFile(state.gameFolder + "HGMD.INI", settings);
    EXPECT_TRUE(Activate(Ticked, Ticked));
    EXPECT_EQ(ReadBytes(SettingsNative()),
              GameSettings("IsScoreRepeat=no\r\nIsScoreShuffle=yes\r\n" + volume +
                           "InGameMusic=yes\r\n"));
    EXPECT_EQ(dialogs.Texts(), (Texts{kZeroVolume, kActivated})) << volume;
  }
}

TEST_F(ActivationTest, OnlyTheExactZeroVolumeTextIsPointedOut) {
  for (const std::string volume : {"ScoreVolume=0.5\r\n", "ScoreVolume=0\r\n",
                                   "ScoreVolume=0.0\r\n", "ScoreVolume=\r\n", ""}) {
    dialogs.messages.clear();
    prefix.CreateFile(state.gameFolder + "HGMD.INI", GameSettings(volume + "InGameMusic=no\r\n"));
    EXPECT_TRUE(Activate(Ticked, Ticked));
    EXPECT_EQ(
        ReadBytes(SettingsNative()),
        GameSettings(volume + "InGameMusic=yes\r\nIsScoreRepeat=no\r\nIsScoreShuffle=yes\r\n"));
    EXPECT_EQ(dialogs.Texts(), Texts{kActivated}) << volume;
  }
}

TEST_F(ActivationTest, MusicOffOrGreyedNeverLooksAtTheVolume) {
  for (int music : {Unticked, Partial}) {
    dialogs.messages.clear();
    prefix.CreateFile(state.gameFolder + "HGMD.INI", GameSettings("ScoreVolume=0.000000\r\n"));
    EXPECT_TRUE(Activate(music, Ticked));
    EXPECT_EQ(dialogs.Texts(), Texts{kActivated}) << music;
  }
  EXPECT_EQ(ReadBytes(SettingsNative()),
            GameSettings("ScoreVolume=0.000000\r\nIsScoreRepeat=no\r\nIsScoreShuffle=yes\r\n"));
}

TEST_F(ActivationTest, ASettingsFileInLowerCaseIsUpdatedUnderItsOwnName) {
  prefix.CreateFile(state.gameFolder + "hgmd.ini", GameSettings("InGameMusic=yes\r\n"));
  EXPECT_TRUE(Activate(Unticked, Ticked));
  EXPECT_EQ(ReadBytes(SettingsNative("hgmd.ini")),
            GameSettings("InGameMusic=no\r\nIsScoreRepeat=no\r\nIsScoreShuffle=yes\r\n"));
  const std::vector<std::string> entries = GameFolderEntries();
  EXPECT_EQ(std::count(entries.begin(), entries.end(), "hgmd.ini"), 1);
  EXPECT_EQ(std::count(entries.begin(), entries.end(), "HGMD.INI"), 0);
}

TEST_F(ActivationTest, ASettingsFileThatCannotBeUpdatedIsReportedOnceBeforeTheResult) {
  const std::string settings = GameSettings("ScoreVolume=0.000000\r\nInGameMusic=no\r\n");
  prefix.CreateFile(state.gameFolder + "HGMD.INI", settings);
  faults->failRead = true;  // an existing file that cannot be read is never rewritten
  EXPECT_TRUE(Activate(Ticked, Ticked));
  EXPECT_EQ(dialogs.Texts(), (Texts{kSettingsNotUpdated, kActivated}));
  faults->failRead = false;
  EXPECT_EQ(ReadBytes(SettingsNative()), settings);
  EXPECT_EQ(ReadBytes(ThemeNative()), NewPlaylistFile());
}

class DeactivationTest : public ActivationTest {};

TEST_F(DeactivationTest, DeletesTheThemeFileAndSaysWhich) {
  const std::string settings = GameSettings("InGameMusic=yes\r\n");
  prefix.CreateFile(state.gameFolder + "HGMD.INI", settings);
  prefix.CreateFile(state.themeFile, "[Themes]\r\n");
  state.controls.menu_disable.enabled = true;
  DeactivatePlaylist(state);
  EXPECT_FALSE(std::filesystem::exists(ThemeNative()));
  EXPECT_FALSE(state.controls.menu_disable.enabled);
  EXPECT_EQ(dialogs.Texts(),
            Texts{"\"C:\\Games\\Korvale\\thememd.ini\" deleted - custom playlist deactivated."});
  EXPECT_EQ(ReadBytes(SettingsNative()), settings) << "the game's settings stay as they are";
}

TEST_F(DeactivationTest, AMissingThemeFileOnlyDisablesTheMenu) {
  state.controls.menu_disable.enabled = true;
  DeactivatePlaylist(state);
  EXPECT_FALSE(state.controls.menu_disable.enabled);
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(DeactivationTest, AnUndeletableThemeFileStaysWithItsMenu) {
  prefix.CreateFile(state.themeFile, "[Themes]\r\n");
  state.controls.menu_disable.enabled = true;
  faults->failDelete = true;
  DeactivatePlaylist(state);
  EXPECT_EQ(ReadBytes(ThemeNative()), "[Themes]\r\n");
  EXPECT_TRUE(state.controls.menu_disable.enabled);
  EXPECT_EQ(dialogs.Texts(), Texts{"Error deactivating playlist."});
}

}  // namespace
}  // namespace kvpm
