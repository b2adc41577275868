#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "platform/Paths.h"
#include "support/FakePrefix.h"
#include "support/TempFolder.h"

namespace kvpm::testing {
namespace {

using platform::AnyMatch;
using platform::CanonicalPath;
using platform::ResolvePath;

class PathsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    prefix.CreateFile("C:\\Games\\Korvale\\HGMD.INI");
    prefix.CreateFile("C:\\Games\\Korvale\\Sounds\\user1.wav");
  }

  std::string Drive(const std::string& rest) { return prefix.Root() + "/dosdevices/c:" + rest; }

  FakePrefix prefix;
};

TEST_F(PathsTest, ComponentsMatchWithoutRegardToCase) {
  EXPECT_EQ(ResolvePath("C:\\Games\\Korvale\\HGMD.INI"), Drive("/Games/Korvale/HGMD.INI"));
  EXPECT_EQ(ResolvePath("c:\\GAMES\\korvale\\hgmd.ini"), Drive("/Games/Korvale/HGMD.INI"));
  EXPECT_EQ(ResolvePath("C:/games//KORVALE\\\\Hgmd.Ini"), Drive("/Games/Korvale/HGMD.INI"));
}

TEST_F(PathsTest, TheExactSpellingWinsOverOtherCases) {
  prefix.CreateFile("C:\\Games\\Korvale\\hgmd.ini");
  prefix.CreateFile("C:\\Games\\Korvale\\Hgmd.ini");
  EXPECT_EQ(ResolvePath("C:\\Games\\Korvale\\hgmd.ini"), Drive("/Games/Korvale/hgmd.ini"));
  // Otherwise the first name in sorted (byte) order.
  EXPECT_EQ(ResolvePath("C:\\Games\\Korvale\\HGMD.ini"), Drive("/Games/Korvale/HGMD.INI"));
}

TEST_F(PathsTest, MissingComponentsKeepTheirSpelling) {
  EXPECT_EQ(ResolvePath("C:\\games\\New Folder\\File.TXT"), Drive("/Games/New Folder/File.TXT"));
  EXPECT_EQ(ResolvePath("C:\\Games\\Korvale\\"), Drive("/Games/Korvale/"));
  EXPECT_EQ(ResolvePath("C:"), Drive(""));
  EXPECT_EQ(ResolvePath("C:\\"), Drive("/"));
}

TEST_F(PathsTest, DotsAreResolvedWithinTheDrive) {
  EXPECT_EQ(ResolvePath("C:\\Games\\.\\Missing\\..\\korvale\\hgmd.ini"),
            Drive("/Games/Korvale/HGMD.INI"));
  EXPECT_EQ(ResolvePath("C:\\..\\..\\Games"), Drive("/Games"));
}

TEST_F(PathsTest, UnknownDrivesAndRelativeRootsNameNoPlace) {
  EXPECT_EQ(ResolvePath("Q:\\Games"), "");
  EXPECT_EQ(ResolvePath("1:\\Games"), "");
  EXPECT_EQ(ResolvePath("\\Games"), "");
  EXPECT_EQ(ResolvePath(""), "");
  prefix.AddDrive('Q', "/nonexistent-kvpm-target");
  EXPECT_EQ(ResolvePath("q:\\Games"), prefix.Root() + "/dosdevices/q:/Games");
}

TEST_F(PathsTest, NativePathsPassThroughOrSplitAtBackslashes) {
  TempFolder folder;
  WriteBytes(folder.Path() / "theme.mix", "");
  WriteBytes(folder.Path() / "odd\\name", "");
  EXPECT_EQ(ResolvePath(folder.Native("theme.mix")), folder.Native("theme.mix"));
  EXPECT_EQ(ResolvePath(folder.Native() + "\\THEME.MIX"), folder.Native("theme.mix"));
  EXPECT_EQ(ResolvePath(folder.Native("odd\\name")), folder.Native("odd\\name"));
}

TEST_F(PathsTest, RelativePathsStartInTheCurrentFolder) {
  const std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path(prefix.Native("C:\\Games"));
  const std::string resolved = ResolvePath("korvale\\hgmd.ini");
  std::filesystem::current_path(before);
  EXPECT_EQ(std::filesystem::canonical(resolved),
            std::filesystem::canonical(prefix.Native("C:\\Games\\Korvale\\HGMD.INI")));
}

// PathExistsTest covers wildcards, hidden names and the folder flag.
TEST_F(PathsTest, AnyMatchFollowsLinksAndIgnoresDevices) {
  std::filesystem::create_symlink(prefix.Native("C:\\Games\\Korvale\\HGMD.INI"),
                                  prefix.Native("C:\\Games\\link.ini"));
  std::filesystem::create_symlink("/nonexistent-kvpm-target", prefix.Native("C:\\Games\\dangling"));
  EXPECT_TRUE(AnyMatch("C:\\Games\\LINK.INI", false));
  EXPECT_FALSE(AnyMatch("C:\\Games\\dangling", true));
  EXPECT_FALSE(AnyMatch("/dev/null", false));
  EXPECT_TRUE(AnyMatch("C:\\Games\\Korvale\\Sounds\\..", true));
  EXPECT_TRUE(AnyMatch("C:", true));
}

TEST_F(PathsTest, CanonicalPathResolvesLinksAndDots) {
  const std::string real =
      std::filesystem::canonical(prefix.Root() + "/drive_c/Games/Korvale/HGMD.INI").string();
  EXPECT_EQ(CanonicalPath("C:\\games\\sounds\\..\\KORVALE\\hgmd.ini"), real);
  EXPECT_EQ(CanonicalPath("C:\\Games\\Korvale\\missing.ini"), "");
  EXPECT_EQ(CanonicalPath("C:\\Games\\Korvale\\HGMD.INI\\"), "");
  EXPECT_EQ(CanonicalPath("Q:\\x"), "");
}

}  // namespace
}  // namespace kvpm::testing
