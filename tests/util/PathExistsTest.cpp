#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/FakePrefix.h"
#include "util/TovrikStandardFunctions.h"

namespace kvpm::testing {
namespace {

using TovrikStandardFunctions::GetShortPath;
using TovrikStandardFunctions::PathExists;

class PathExistsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    prefix.CreateFile("C:\\Games\\Korvale\\gamemd.exe");
    prefix.CreateFile("C:\\Games\\Korvale\\User01.WAV");
    prefix.CreateFile("C:\\Games\\Korvale\\.hidden.wav");
    prefix.CreateFolder("C:\\Games\\Korvale\\userfolder.wav");
    prefix.CreateFolder("C:\\Games\\.hidden");
  }

  FakePrefix prefix;
};

TEST_F(PathExistsTest, WithoutFolderFlagOnlyVisibleFilesCount) {
  EXPECT_TRUE(PathExists("C:\\Games\\Korvale\\gamemd.exe", false));
  EXPECT_TRUE(PathExists("c:\\GAMES\\korvale\\GAMEMD.EXE", false));
  EXPECT_TRUE(PathExists("C:\\Games\\Korvale\\\\gamemd.exe", false));
  EXPECT_TRUE(PathExists("C:/Games/Korvale/gamemd.exe", false));
  EXPECT_FALSE(PathExists("C:\\Games\\Korvale", false));
  EXPECT_FALSE(PathExists("C:\\Games\\Korvale\\", false));
  EXPECT_FALSE(PathExists("C:\\Games\\Korvale\\.hidden.wav", false));
  EXPECT_FALSE(PathExists("C:\\Games\\Korvale\\userfolder.wav", false));
  EXPECT_FALSE(PathExists("C:\\Games\\Korvale\\missing.exe", false));
  EXPECT_FALSE(PathExists("Q:\\Games\\Korvale\\gamemd.exe", false));
  EXPECT_FALSE(PathExists("", false));
}

TEST_F(PathExistsTest, WildcardsInTheLastComponent) {
  EXPECT_TRUE(PathExists("C:\\Games\\Korvale\\user*.wav", false));
  EXPECT_TRUE(PathExists("C:\\Games\\Korvale\\USER??.wav", false));
  EXPECT_FALSE(PathExists("C:\\Games\\Korvale\\user?.wav", false));
  EXPECT_FALSE(PathExists("C:\\Games\\Korvale\\*.mix", false));
  EXPECT_FALSE(PathExists("C:\\Games\\*\\gamemd.exe", false));
  std::filesystem::remove(prefix.Native("C:\\Games\\Korvale\\User01.WAV"));
  // Only the hidden file and the folder are left: neither counts.
  EXPECT_FALSE(PathExists("C:\\Games\\Korvale\\*.wav", false));
}

TEST_F(PathExistsTest, WithFolderFlagFoldersCountForValidPaths) {
  EXPECT_TRUE(PathExists("C:\\Games\\Korvale\\gamemd.exe", true));
  EXPECT_TRUE(PathExists("C:\\Games\\Korvale", true));
  EXPECT_TRUE(PathExists("C:\\Games\\Korvale\\", true));
  EXPECT_TRUE(PathExists("C:\\", true));
  EXPECT_FALSE(PathExists("C:", true));
  EXPECT_FALSE(PathExists("C:\\Games\\\\Korvale\\", true));
  EXPECT_FALSE(PathExists("C:/Games/Korvale", true));
  EXPECT_FALSE(PathExists("C:\\Games\\Korvale\\user*.wav", true));
  EXPECT_FALSE(PathExists("C:\\Games\\Korvale\\gamemd.exe\\", true));
  EXPECT_FALSE(PathExists("C:\\Games\\.hidden", true));
  EXPECT_FALSE(PathExists("C:\\Games\\.hidden\\", true));
}

TEST_F(PathExistsTest, ShortPathsOfOneFileCompareEqual) {
  const std::string shortPath = GetShortPath("C:\\Games\\Korvale\\gamemd.exe");
  EXPECT_FALSE(shortPath.empty());
  EXPECT_EQ(GetShortPath("c:\\games\\\\korvale\\..\\Korvale\\GAMEMD.EXE"), shortPath);
  EXPECT_EQ(shortPath, std::filesystem::canonical(prefix.Native("C:\\Games\\Korvale\\gamemd.exe")));
  EXPECT_FALSE(GetShortPath("C:\\Games\\Korvale").empty());
}

TEST_F(PathExistsTest, ShortPathsOfMissingOrHiddenFilesAreEmpty) {
  EXPECT_EQ(GetShortPath("C:\\Games\\Korvale\\missing.kvl"), "");
  EXPECT_EQ(GetShortPath("C:\\Games\\Other\\missing.kvl"), "");
  EXPECT_EQ(GetShortPath("C:\\Games\\Korvale\\.hidden.wav"), "");
  EXPECT_EQ(GetShortPath("Q:\\x"), "");
  EXPECT_EQ(GetShortPath(""), "");
}

}  // namespace
}  // namespace kvpm::testing
