#include "platform/Paths.h"

#include <gtest/gtest.h>

#include <string>

#include "lean/FakePrefix.h"
#include "platform/AsciiText.h"
#include "util/TovrikStandardFunctions.h"

namespace kvpm::test {
namespace {

using TovrikStandardFunctions::GetShortPath;
using TovrikStandardFunctions::PathExists;

class PathsTest : public ::testing::Test {
 protected:
  PathsTest() {
    for (const char* file : {"C:\\Games\\Korvale\\gamemd.exe", "C:\\Games\\Korvale\\User01.WAV",
                             "C:\\Games\\Sounds\\.hidden.wav"}) {
      prefix.CreateFile(file);
    }
    prefix.CreateFolder("C:\\Games\\Sounds\\folder.wav");
    prefix.CreateFolder("C:\\Games\\.hidden");
  }

  FakePrefix prefix;
};

// Windows paths find files without regard to case, through either separator.
TEST_F(PathsTest, PathExistsCountsVisibleFilesAndWithTheFolderFlagFoldersOfValidPaths) {
  struct Case {
    std::string path;
    bool folderFlag, exists;
  } const cases[] = {
      {"C:\\Games\\Korvale\\gamemd.exe", false, true}, {"c:\\GAMES\\korvale\\GAMEMD.EXE", false, true},
      {"C:/Games//Korvale\\\\gamemd.exe", false, true}, {"C:\\Games\\Korvale\\user*.wav", false, true},
      {"C:\\Games\\Korvale\\USER??.wav", false, true}, {"C:\\Games\\Korvale\\user?.wav", false, false},
      {"C:\\Games\\*\\gamemd.exe", false, false}, {"C:\\Games\\Sounds\\*.wav", false, false},
      {"C:\\Games\\Sounds\\.hidden.wav", false, false}, {"C:\\Games\\Sounds\\folder.wav", false, false},
      {"C:\\Games\\Korvale", false, false}, {"C:\\Games\\Korvale\\", false, false},
      {"C:\\Games\\Korvale\\missing.exe", false, false}, {"Q:\\Games\\gamemd.exe", false, false},
      {"", false, false}, {"C:\\Games\\Korvale\\gamemd.exe", true, true},
      {"C:\\Games\\Sounds\\folder.wav", true, true}, {"C:\\games\\korvale\\", true, true},
      {"C:\\", true, true}, {"C:", true, false}, {"C:\\Games\\\\Korvale\\", true, false},
      {"C:/Games/Korvale", true, false}, {"C:\\Games\\Korvale\\user*.wav", true, false},
      {"C:\\Games\\Korvale\\gamemd.exe\\", true, false}, {"C:\\Games\\.hidden", true, false},
      {"C:\\Games\\.hidden\\", true, false}};
  for (const Case& c : cases) {
    EXPECT_EQ(PathExists(c.path, c.folderFlag), c.exists) << c.path << " " << c.folderFlag;
  }
}

TEST_F(PathsTest, ShortPathsAreEqualForOneFileAndEmptyForNothing) {
  const std::string shortPath = GetShortPath("C:\\Games\\Korvale\\gamemd.exe");
  EXPECT_NE(shortPath, "");
  EXPECT_TRUE(platform::EqualNoCase(
      GetShortPath("c:\\games\\\\sounds\\..\\Korvale\\GAMEMD.EXE"), shortPath));
  EXPECT_NE(GetShortPath("C:\\Games\\Korvale\\User01.WAV"), shortPath);
  EXPECT_NE(GetShortPath("C:\\Games\\Korvale"), "");
  for (const char* nothing : {"C:\\Games\\Korvale\\missing.kvl", "C:\\Games\\Sounds\\.hidden.wav",
                              "C:\\Games\\Korvale\\user*.wav", "Q:\\x", ""}) {
    EXPECT_EQ(GetShortPath(nothing), "") << nothing;
  }
}

TEST(WildcardMatchTest, StarIsAnyRunAndQuestionMarkAnyOneCharacterOfAnyCase) {
  struct Case {
    std::string name, pattern;
    bool matches;
  } const cases[] = {{"USER.WAV", "user*.wav", true}, {"user.wav.wav", "user*.wav", true},
                     {"user.wave", "user*.wav", false}, {"myuser1.wav", "user*.wav", false},
                     {"Caf\xe9", "caf?", true}, {"", "*", true}, {"", "?", false},
                     {"ab", "a**b*", true}, {"abcabd", "*abd", true},
                     {std::string(200, 'a'), std::string(30, '*') + "b", false}};
  for (const Case& c : cases) {
    EXPECT_EQ(platform::WildcardMatch(c.name, c.pattern), c.matches) << c.name << " " << c.pattern;
  }
}

}  // namespace
}  // namespace kvpm::test
