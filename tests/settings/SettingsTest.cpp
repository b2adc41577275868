#include "settings/Settings.h"

#include <gtest/gtest.h>

#include "platform/ProgramFolder.h"
#include "support/FakeDialogs.h"
#include "support/ScopedVariable.h"
#include "support/TempFolder.h"

namespace kvpm {
namespace {

using testing::FakeDialogs;
using testing::ReadBytes;
using testing::ScopedVariable;
using testing::TempFolder;
using testing::WriteBytes;

const char* const kDefaultSettings =
    "[General]\r\n"
    "MaxRecentFiles=0 ;how many recent files will be displayed on the File menu. Min=0, Max=9\r\n"
    "AllowHGDeletion=no ;button allows removal of HG soundtrack file\r\n"
    "AllowKVDeletion=no ;button allows removal of KV soundtrack file\r\n"
    "SaveKVLNames=no ;when resaving a mod's playlist, should track names be preserved? "
    "(not recommended)\r\n"
    "ShowDisclaimer=yes\r\n"
    "\r\n"
    "[RecentFiles]\r\n"
    "\r\n";

class SettingsTest : public ::testing::Test {
 protected:
  SettingsTest() { state.programFolder = folder.Native(); }

  void ReadWith(const std::string& generalLines) {
    WriteBytes(folder.Path() / "kvpm.ini", "[General]\r\n" + generalLines);
    ReadSettings(state);
  }

  TempFolder folder;
  FakeDialogs dialogs;
  MainState state{dialogs};
};

TEST_F(SettingsTest, FirstStartWritesTheDefaultFileAndKeepsTheStartingValues) {
  ReadSettings(state);
  EXPECT_EQ(ReadBytes(folder.Path() / "kvpm.ini"), kDefaultSettings);
  EXPECT_EQ(state.maxRecentFiles, 0);
  EXPECT_FALSE(state.allowHgDeletion);
  EXPECT_FALSE(state.allowKvDeletion);
  EXPECT_FALSE(state.saveKvlNames);
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(SettingsTest, DefaultFileWritesTheValuesInMemoryExceptSaveKvlNames) {
  state.settingsFile = folder.Native("custom.ini");
  state.maxRecentFiles = 7;
  state.allowHgDeletion = true;
  state.saveKvlNames = true;
  WriteDefaultSettings(state);
  const std::string text = ReadBytes(folder.Path() / "custom.ini");
  EXPECT_NE(text.find("\r\nMaxRecentFiles=7 ;how many"), std::string::npos);
  EXPECT_NE(text.find("\r\nAllowHGDeletion=yes ;button"), std::string::npos);
  EXPECT_NE(text.find("\r\nAllowKVDeletion=no ;button"), std::string::npos);
  EXPECT_NE(text.find("\r\nSaveKVLNames=no ;when"), std::string::npos);
}

TEST_F(SettingsTest, ReadsTheGeneralValues) {
  ReadWith(
      "MaxRecentFiles=6 ;how many\r\nAllowHGDeletion=YES ;button allows removal of HG "
      "soundtrack file\r\nAllowKVDeletion=true\r\nSaveKVLNames=1\r\n");
  EXPECT_EQ(state.maxRecentFiles, 6);
  EXPECT_TRUE(state.allowHgDeletion);
  EXPECT_TRUE(state.allowKvDeletion);
  EXPECT_TRUE(state.saveKvlNames);
}

TEST_F(SettingsTest, MissingOrUnrecognisedValuesTakeTheirDefaults) {
  ReadWith("MaxRecentFiles= ;only a comment\r\nAllowHGDeletion=y\r\nAllowKVDeletion=\r\n");
  EXPECT_EQ(state.maxRecentFiles, 4);
  EXPECT_FALSE(state.allowHgDeletion);
  EXPECT_FALSE(state.allowKvDeletion);
  EXPECT_FALSE(state.saveKvlNames);
}

TEST_F(SettingsTest, SectionAndKeysInOtherLetterCase) {
  WriteBytes(folder.Path() / "kvpm.ini", "[GENERAL]\nmaxrecentfiles=2\nallowkvdeletion=Yes\n");
  ReadSettings(state);
  EXPECT_EQ(state.maxRecentFiles, 2);
  EXPECT_TRUE(state.allowKvDeletion);
}

TEST_F(SettingsTest, ExistingFileIsNeverRewritten) {
  const std::string bytes = "[General]\nMaxRecentFiles=3\n";
  WriteBytes(folder.Path() / "kvpm.ini", bytes);
  ReadSettings(state);
  EXPECT_EQ(ReadBytes(folder.Path() / "kvpm.ini"), bytes);
}

TEST(MaxRecentFiles, TakesTheNumberAtTheStartRoundedHalfToEvenAndClamped) {
  const std::vector<std::pair<std::string, int>> cases = {
      {"4", 4},    {"12", 9},   {"-3", 0},     {"2.5", 2},     {"3.5", 4},   {"0.5", 0},
      {"abc", 0},  {"", 0},     {" 7", 7},     {"7 files", 7}, {"1 2", 9},   {"+5", 5},
      {".6", 1},   {"8.49", 8}, {"1e1", 9},    {"1e400", 9},   {"-1e400", 0}, {"1e-400", 0},
      {"inf", 0},  {"nan", 0},  {"0x7", 0},    {"-0", 0},      {"9.5", 9},   {"99999999999999999999", 9}};
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(ParseMaxRecentFiles(text), expected) << '"' << text << '"';
  }
}

TEST_F(SettingsTest, UnwritableProgramFolderKeepsTheSettingsInTheUserConfiguration) {
  // A "folder" that is an ordinary file can be written by nobody, root included.
  WriteBytes(folder.Path() / "program", "");
  state.programFolder = folder.Native("program");
#ifdef _WIN32
  ScopedVariable config("APPDATA", folder.Native("config").c_str());
#else
  ScopedVariable config("XDG_CONFIG_HOME", folder.Native("config").c_str());
#endif

  ReadSettings(state);
  EXPECT_EQ(state.settingsFile, platform::UserConfigFolder() + "/kvpm.ini");
  EXPECT_EQ(ReadBytes(folder.Path() / "config/kvpm/kvpm.ini"), kDefaultSettings);
}

}  // namespace
}  // namespace kvpm
