#include "app/GameDetection.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/FakeDialogs.h"
#include "support/FakePrefix.h"
#ifndef _WIN32
#include "support/linux/WineSample.h"
#endif

namespace kvpm {
namespace {

using testing::FakeDialogs;
using testing::FakePrefix;
using testing::RegData;
using testing::RegDword;
using testing::RegString;

const char* const kBaseGameMissing = "Harrowgate is not installed! Please install Harrowgate.";
const char* const kExpansionMissing = "Korvale is not installed! Please install Korvale";
const char* const kWrongVersion =
    "The KV Playlist Manager requires version 1.001 of Korvale.\r\n"
    "Please update your installation of Korvale.";

const char* const kCompilationKey = "Software\\Wow6432Node\\Morvane\\Morvane Games\\Velmora Anthology";
const char* const kAnthologyFolder = "C:\\Program Files (x86)\\Velmora Anthology";

class GameDetectionTest : public ::testing::Test {
 protected:
  // Runs the three checks in their order, as start-up does, stopping at the
  // first that fails.
  bool Detect() {
    return DetectBaseGame(state) && DetectExpansion(state) && CheckExpansionVersion(state);
  }

  // The compilation's keys for both games, with both executables in its folder.
  void InstallAnthology(const std::string& folder = kAnthologyFolder) {
    prefix.SetRegistryValues(kCompilationKey, {RegString("hg_folder", folder),
                                               RegString("hg_executable", "Harrowgate.exe"),
                                               RegString("kv_folder", folder),
                                               RegString("kv_executable", "gamemd.exe")});
    prefix.CreateFile(std::string(kAnthologyFolder) + "\\Harrowgate.exe");
    prefix.CreateFile(std::string(kAnthologyFolder) + "\\gamemd.exe");
  }

  FakePrefix prefix;
  FakeDialogs dialogs;
  MainState state{dialogs};
};

TEST_F(GameDetectionTest, PublisherInstallGivesTheFolderOfTheExecutable) {
  prefix.InstallGame();
  EXPECT_TRUE(Detect());
  EXPECT_EQ(state.gameFolder, "C:\\Games\\Korvale\\");
  EXPECT_FALSE(state.compilationInstall);
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(GameDetectionTest, EmptyPrefixEndsWithTheBaseGameMessageAlone) {
  EXPECT_FALSE(Detect());
  ASSERT_EQ(dialogs.Texts(), std::vector<std::string>{kBaseGameMissing});
  EXPECT_EQ(dialogs.messages[0].buttons, Buttons::Ok);
  EXPECT_EQ(state.msgResult, AnswerOk);
}

TEST_F(GameDetectionTest, BaseGameMissingStopsBeforeTheExpansionIsLookedAt) {
  prefix.InstallGame();
  prefix.SetRegistryValues(testing::fakeBaseGameKey,
                           {RegString("InstallPath", "C:\\Games\\Harrowgate\\gone.exe")});
  EXPECT_FALSE(Detect());
  EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{kBaseGameMissing});
  EXPECT_EQ(state.gameFolder, "");
}

TEST_F(GameDetectionTest, BaseGameFoundThroughTheCompilation) {
  InstallAnthology();
  EXPECT_TRUE(DetectBaseGame(state));
  prefix.SetRegistryValues(kCompilationKey, {RegString("hg_executable", "missing.exe")});
  EXPECT_FALSE(DetectBaseGame(state));
  EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{kBaseGameMissing});
}

TEST_F(GameDetectionTest, ExpansionMissingEverywhere) {
  prefix.InstallGame();
  prefix.SetRegistryValues(testing::fakeExpansionKey,
                           {RegString("InstallPath", "C:\\Games\\Korvale\\nothing.exe")});
  EXPECT_FALSE(Detect());
  EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{kExpansionMissing});
  // The folder of the value stays, though the program ends.
  EXPECT_EQ(state.gameFolder, "C:\\Games\\Korvale\\n");
}

TEST_F(GameDetectionTest, MissingPublisherExecutableFallsBackToTheCompilation) {
  prefix.InstallGame();
  InstallAnthology();
  prefix.SetRegistryValues(testing::fakeExpansionKey,
                           {RegString("InstallPath", "C:\\Games\\Korvale\\gamemd.exX"),
                            RegDword("Version", 65536)});  // never asked for
  prefix.CreateFile(std::string(kAnthologyFolder) + "\\expandmd01.mix");
  EXPECT_TRUE(Detect());
  EXPECT_EQ(state.gameFolder, kAnthologyFolder);
  EXPECT_TRUE(state.compilationInstall);
}

TEST_F(GameDetectionTest, CompilationInstallIsCheckedByItsArchiveAlone) {
  InstallAnthology();
  EXPECT_FALSE(Detect());
  EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{kWrongVersion});
}

TEST_F(GameDetectionTest, CompilationFolderWithTrailingBackslashStillFindsFiles) {
  InstallAnthology(std::string(kAnthologyFolder) + "\\");
  prefix.CreateFile(std::string(kAnthologyFolder) + "\\expandmd01.mix");
  EXPECT_TRUE(Detect());
  EXPECT_EQ(state.gameFolder, std::string(kAnthologyFolder) + "\\");
}

TEST_F(GameDetectionTest, InstallPathTooShortForAnExecutableNameTriesTheCompilation) {
  prefix.InstallGame();
  prefix.SetRegistryValues(testing::fakeExpansionKey, {RegString("InstallPath", "C:\\a.exe")});
  prefix.CreateFile("C:\\a.exe");
  EXPECT_FALSE(Detect());
  EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{kExpansionMissing});
  EXPECT_EQ(state.gameFolder, "");

  dialogs.messages.clear();
  InstallAnthology();
  prefix.CreateFile(std::string(kAnthologyFolder) + "\\expandmd01.mix");
  EXPECT_TRUE(Detect());
  EXPECT_TRUE(state.compilationInstall);
}

TEST_F(GameDetectionTest, VersionMustReadExactly65537) {
  prefix.InstallGame();
  for (const auto& version : {RegDword("Version", 65536), RegString("Version", "1.001"),
                              RegString("Version", "65537 "), RegData("Version", "hex:01,00,01,00")}) {
    prefix.SetRegistryValues(testing::fakeExpansionKey, {version});
    dialogs.messages.clear();
    EXPECT_FALSE(Detect()) << version.data;
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{kWrongVersion}) << version.data;
  }
  prefix.SetRegistryValues(testing::fakeExpansionKey, {RegString("Version", "65537")});
  EXPECT_TRUE(Detect());
}

TEST_F(GameDetectionTest, RightVersionWithoutItsArchiveIsRefused) {
  prefix.InstallGame();
  std::filesystem::remove(prefix.Native(std::string(testing::fakeGameFolder) + "expandmd01.mix"));
  EXPECT_FALSE(Detect());
  EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{kWrongVersion});
}

TEST_F(GameDetectionTest, FilesAreFoundWithoutRegardToLetterCase) {
  prefix.InstallGame();
  const std::string folder = prefix.Native(testing::fakeGameFolder);
  std::filesystem::rename(folder + "/gamemd.exe", folder + "/GAMEMD.EXE");
  std::filesystem::rename(folder + "/expandmd01.mix", folder + "/ExpandMD01.MIX");
  EXPECT_TRUE(Detect());
}

#ifndef _WIN32  // the sample is Wine's own registry file, which only Linux reads
TEST_F(GameDetectionTest, RealWineRegistryOfAnAnthologyInstall) {
  // The sample holds the publisher's keys and the compilation's, both in the
  // 32-bit view, as an installer under Wine leaves them.
  const std::string sample = testing::WineSampleSystemReg();
  ASSERT_FALSE(sample.empty());
  prefix.SetSystemReg(sample);
  prefix.CreateFile("C:\\Games\\Harrowgate\\Harrowgate.exe");
  prefix.CreateFile("C:\\Games\\Harrowgate\\gamemd.exe");
  prefix.CreateFile("C:\\Games\\Harrowgate\\expandmd01.mix");
  EXPECT_TRUE(Detect());
  EXPECT_EQ(state.gameFolder, "C:\\Games\\Harrowgate\\");
  EXPECT_FALSE(state.compilationInstall);
}
#endif

}  // namespace
}  // namespace kvpm
