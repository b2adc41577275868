#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/Environment.h"
#include "platform/ProgramFolder.h"
#include "support/ScopedVariable.h"
#include "support/TempFolder.h"

namespace kvpm::testing {
namespace {

TEST(ProgramFolderTest, ExecutableFolderHoldsTheTestProgram) {
  const std::string folder = platform::ExecutableFolder();
  EXPECT_TRUE(std::filesystem::exists(folder + "/kvpm_tests"));
}

TEST(ProgramFolderTest, UserConfigFolderFollowsXdgRules) {
  ScopedVariable home("HOME", "/home/someone");
  {
    ScopedVariable config("XDG_CONFIG_HOME", "/cfg");
    EXPECT_EQ(platform::UserConfigFolder(), "/cfg/kvpm");
  }
  {
    ScopedVariable config("XDG_CONFIG_HOME", "relative");
    EXPECT_EQ(platform::UserConfigFolder(), "/home/someone/.config/kvpm");
  }
  ScopedVariable config("XDG_CONFIG_HOME", nullptr);
  EXPECT_EQ(platform::UserConfigFolder(), "/home/someone/.config/kvpm");
}

TEST(ProgramFolderTest, FolderWritableLeavesNothingBehind) {
  TempFolder folder;
  EXPECT_TRUE(platform::FolderWritable(folder.Native()));
  EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
  WriteBytes(folder.Path() / "plain", "");
  EXPECT_FALSE(platform::FolderWritable(folder.Native("plain")));
  EXPECT_FALSE(platform::FolderWritable(folder.Native("missing")));
}

TEST(EnvironmentTest, DefaultPrefixIsWineprefixElseHomeWine) {
  ScopedVariable home("HOME", "/home/someone");
  {
    ScopedVariable prefix("WINEPREFIX", "/games/prefix");
    EXPECT_EQ(platform::DefaultPrefix(), "/games/prefix");
  }
  {
    ScopedVariable prefix("WINEPREFIX", "");
    EXPECT_EQ(platform::DefaultPrefix(), "/home/someone/.wine");
  }
  ScopedVariable prefix("WINEPREFIX", nullptr);
  EXPECT_EQ(platform::DefaultPrefix(), "/home/someone/.wine");
}

}  // namespace
}  // namespace kvpm::testing
