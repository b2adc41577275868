#include "platform/ProgramFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/Environment.h"
#include "support/ScopedVariable.h"
#include "support/TempFolder.h"

namespace kvpm::testing {
namespace {

TEST(Win32ProgramFolderTest, ExecutableFolderHoldsTheTestProgram) {
  const std::string folder = platform::ExecutableFolder();
  EXPECT_TRUE(std::filesystem::exists(folder + "\\kvpm_tests.exe")) << folder;
}

TEST(Win32ProgramFolderTest, UserConfigFolderIsUnderAppData) {
  ScopedVariable profile("USERPROFILE", "C:\\users\\someone");
  {
    ScopedVariable appData("APPDATA", "D:\\Roaming");
    EXPECT_EQ(platform::UserConfigFolder(), "D:\\Roaming\\kvpm");
  }
  ScopedVariable appData("APPDATA", nullptr);
  EXPECT_EQ(platform::UserConfigFolder(), "C:\\users\\someone\\AppData\\Roaming\\kvpm");
  EXPECT_EQ(platform::HomeFolder(), "C:\\users\\someone");
}

TEST(Win32ProgramFolderTest, FolderWritableLeavesNothingBehind) {
  TempFolder folder;
  EXPECT_TRUE(platform::FolderWritable(folder.Native()));
  EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
  WriteBytes(folder.Path() / "plain", "");
  EXPECT_FALSE(platform::FolderWritable(folder.Native("plain")));
  EXPECT_FALSE(platform::FolderWritable(folder.Native("missing")));
  EXPECT_FALSE(platform::FolderWritable(""));
}

TEST(Win32EnvironmentTest, ThereIsNoPrefix) {
  ScopedVariable prefix("WINEPREFIX", "/games/prefix");
  EXPECT_EQ(platform::DefaultPrefix(), "");
}

}  // namespace
}  // namespace kvpm::testing
