#include "platform/Paths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/win32/WindowsApi.h"
#include "support/TempFolder.h"

namespace kvpm::testing {
namespace {

using platform::AnyMatch;
using platform::CanonicalPath;

class Win32PathsTest : public ::testing::Test {
 protected:
  // A file or folder of the temporary folder, by its path text.
  std::string At(const std::string& relative) const { return folder.Native() + "\\" + relative; }

  std::string File(const std::string& relative, DWORD attributes = 0) const {
    WriteBytes(At(relative), "");
    if (attributes != 0) {
      EXPECT_TRUE(SetFileAttributesA(At(relative).c_str(), attributes));
    }
    return At(relative);
  }

  std::string Folder(const std::string& relative, DWORD attributes = 0) const {
    std::filesystem::create_directories(At(relative));
    if (attributes != 0) {
      EXPECT_TRUE(SetFileAttributesA(At(relative).c_str(), attributes));
    }
    return At(relative);
  }

  TempFolder folder;
};

TEST_F(Win32PathsTest, HiddenAndSystemFilesDoNotCount) {
  File("Sounds\\user1.wav");
  File("Sounds\\user2.wav", FILE_ATTRIBUTE_HIDDEN);
  File("Sounds\\user3.wav", FILE_ATTRIBUTE_SYSTEM);
  Folder("Sounds\\Hidden", FILE_ATTRIBUTE_HIDDEN);

  EXPECT_TRUE(AnyMatch(At("Sounds\\user1.wav"), false));
  EXPECT_FALSE(AnyMatch(At("Sounds\\user2.wav"), false));
  EXPECT_FALSE(AnyMatch(At("Sounds\\user3.wav"), true));
  EXPECT_FALSE(AnyMatch(At("Sounds\\Hidden"), true));
  EXPECT_FALSE(AnyMatch(At("Sounds\\Hidden\\"), true));
  EXPECT_TRUE(AnyMatch(At("Sounds\\user*.wav"), false));
  std::filesystem::remove(At("Sounds\\user1.wav"));
  EXPECT_FALSE(AnyMatch(At("Sounds\\user*.wav"), false));
}

TEST_F(Win32PathsTest, FoldersCountOnlyWhenAskedFor) {
  Folder("Games\\Korvale");
  File("Games\\Korvale\\gamemd.exe");

  EXPECT_FALSE(AnyMatch(At("Games\\Korvale"), false));
  EXPECT_TRUE(AnyMatch(At("Games\\Korvale"), true));
  EXPECT_FALSE(AnyMatch(At("Games\\Korvale\\"), false));
  EXPECT_TRUE(AnyMatch(At("Games\\Korvale\\"), true));
  EXPECT_TRUE(AnyMatch(At("Games\\Korvale\\.."), true));
  EXPECT_TRUE(AnyMatch(At("Games\\K*"), true));
  EXPECT_FALSE(AnyMatch(At("Games\\K*"), false));
  EXPECT_FALSE(AnyMatch(At("Games\\Korvale\\gamemd.exe\\"), true));
  EXPECT_TRUE(AnyMatch("C:\\", true));
  EXPECT_FALSE(AnyMatch("C:\\", false));
  EXPECT_FALSE(AnyMatch("Q:\\Games\\Korvale\\gamemd.exe", false));
  EXPECT_FALSE(AnyMatch("", true));
}

TEST_F(Win32PathsTest, NamesMatchWithoutRegardToLetterCaseAndSeparators) {
  File("Games\\Korvale\\HGMD.INI");
  Folder("Games\\Korvale\\Sounds");

  EXPECT_TRUE(AnyMatch(At("games\\KORVALE\\hgmd.ini"), false));
  EXPECT_TRUE(AnyMatch(At("GAMES\\korvale\\Hgmd.*"), false));
  EXPECT_TRUE(AnyMatch(At("Games/Korvale/HGMD.INI"), false));
  EXPECT_TRUE(AnyMatch(At("Games\\Korvale\\\\HGMD.INI"), false));
  EXPECT_TRUE(AnyMatch(At("games\\korvale\\SOUNDS\\"), true));
}

// Windows also matches a name's 8.3 alias and lets "?" before a dot match
// nothing; the program's patterns mean the long names only.
TEST_F(Win32PathsTest, WildcardsMatchTheLongNamesOnly) {
  File("Games\\ecachetheme1.mix");
  File("Games\\track.wave");
  File("Games\\user.wav");

  EXPECT_FALSE(AnyMatch(At("Games\\ecachetheme??.mix"), false));
  EXPECT_TRUE(AnyMatch(At("Games\\ecachetheme?.mix"), false));
  EXPECT_FALSE(AnyMatch(At("Games\\track.wav"), false));
  EXPECT_FALSE(AnyMatch(At("Games\\t*.wav"), false));
  EXPECT_TRUE(AnyMatch(At("Games\\*.wav"), false));
}

TEST_F(Win32PathsTest, CanonicalPathsOfOneFileAreEqual) {
  const std::string file = File("A Folder With A Long Name\\Playlist of the summer.kvl");
  const std::string canonical = CanonicalPath(file);
  ASSERT_FALSE(canonical.empty());
  EXPECT_EQ(canonical.find(".."), std::string::npos);
  EXPECT_EQ(CanonicalPath(At("a folder with a long name\\PLAYLIST OF THE SUMMER.KVL")), canonical);
  EXPECT_EQ(CanonicalPath(At("A Folder With A Long Name\\..\\A Folder With A Long Name\\\\"
                             "Playlist of the summer.kvl")),
            canonical);
  EXPECT_EQ(CanonicalPath(At("A Folder With A Long Name/Playlist of the summer.kvl")), canonical);
  EXPECT_FALSE(CanonicalPath(At("A Folder With A Long Name")).empty());
}

TEST_F(Win32PathsTest, CanonicalPathOfWhatIsNotThereIsEmpty) {
  EXPECT_EQ(CanonicalPath(At("missing.kvl")), "");
  EXPECT_EQ(CanonicalPath(At("missing\\missing.kvl")), "");
  EXPECT_EQ(CanonicalPath("Q:\\x"), "");
  EXPECT_EQ(CanonicalPath(""), "");
}

TEST(Win32ResolvePathTest, PathTextIsUsedAsItIs) {
  EXPECT_EQ(platform::ResolvePath("C:\\Games\\Korvale\\\\thememd.ini"),
            "C:\\Games\\Korvale\\\\thememd.ini");
  EXPECT_EQ(platform::ResolvePath("relative\\x"), "relative\\x");
}

}  // namespace
}  // namespace kvpm::testing
