#include <gtest/gtest.h>

#include <string>

#include "util/TovrikStandardFunctions.h"

namespace kvpm::testing {
namespace {

using namespace TovrikStandardFunctions;

TEST(InvalidFileNameCharsTest, IsTheNineCharactersSeparatedByBlanks) {
  EXPECT_EQ(InvalidFileNameChars(), "\\ / : * ? \" < > |");
  EXPECT_EQ(InvalidFileNameChars().size(), 17u);
}

TEST(RemoveCharsTest, RemovesEveryListedCharacterButTheBlank) {
  EXPECT_EQ(RemoveChars("a*b?c d", InvalidFileNameChars()), "abc d");
  EXPECT_EQ(RemoveChars("C:\\x/y", InvalidFileNameChars()), "Cxy");
  EXPECT_EQ(RemoveChars("aAbB", "a"), "AbB");
  EXPECT_EQ(RemoveChars("", "abc"), "");
}

TEST(IsValidPathTest, AcceptsADriveAndCleanComponents) {
  EXPECT_TRUE(IsValidPath("C:\\"));
  EXPECT_TRUE(IsValidPath("C:\\Games\\Korvale\\"));
  EXPECT_TRUE(IsValidPath("C:\\Games\\Korvale\\gamemd.exe"));
  EXPECT_TRUE(IsValidPath("1:\\x"));  // the drive need not be a letter
  EXPECT_TRUE(IsValidPath("C:\\My Games\\a b"));
}

TEST(IsValidPathTest, RejectsEverythingElse) {
  EXPECT_FALSE(IsValidPath(""));
  EXPECT_FALSE(IsValidPath("C:"));
  EXPECT_FALSE(IsValidPath("C:\\Games\\\\Korvale\\"));
  EXPECT_FALSE(IsValidPath("Games\\Korvale"));
  EXPECT_FALSE(IsValidPath("\\Games"));
  EXPECT_FALSE(IsValidPath("C:/Games"));
  EXPECT_FALSE(IsValidPath("C:\\Games/Korvale"));
  EXPECT_FALSE(IsValidPath("C:\\user*.wav"));
  EXPECT_FALSE(IsValidPath("C:\\a?b"));
  EXPECT_FALSE(IsValidPath("C:\\a\"b"));
  EXPECT_FALSE(IsValidPath("C:\\a|b"));
  EXPECT_FALSE(IsValidPath("*:\\x"));
  EXPECT_FALSE(IsValidPath("CD:\\x"));
}

TEST(SplitPathTest, SplitsAtTheLastSeparator) {
  struct Case {
    std::string path, name, folder;
  };
  for (const Case& c :
       {Case{"C:\\Games\\Korvale\\thememd.ini", "thememd.ini", "C:\\Games\\Korvale"},
        Case{"C:\\Games\\Korvale\\", "Korvale", "C:\\Games"},
        Case{"thememd.ini", "thememd.ini", ""}, Case{"\\thememd.ini", "thememd.ini", ""},
        Case{"C:\\a/b\\c/d", "c/d", "C:\\a/b"},
        Case{"/home/user/list.kvl", "list.kvl", "/home/user"}, Case{"/home/user/", "user", "/home"},
        Case{"C:\\Games\\\\", "", "C:\\Games"}, Case{"C:", "C:", ""}, Case{"", "", ""}}) {
    std::string name = "unset", folder = "unset";
    SplitPath(c.path, name, folder);
    EXPECT_EQ(name, c.name) << c.path;
    EXPECT_EQ(folder, c.folder) << c.path;
    EXPECT_EQ(ExtractFileName(c.path), c.name) << c.path;
  }
}

TEST(JoinPathTest, AddsOneBackslashWhereNeeded) {
  EXPECT_EQ(JoinPath("C:\\Games\\Korvale\\", "thememd.ini", ""), "C:\\Games\\Korvale\\thememd.ini");
  EXPECT_EQ(JoinPath("C:\\Games\\Korvale", "thememd.ini", ""), "C:\\Games\\Korvale\\thememd.ini");
  EXPECT_EQ(JoinPath("C:\\Games", "Korvale", "thememd.ini"), "C:\\Games\\Korvale\\thememd.ini");
  EXPECT_EQ(JoinPath("C:\\Games", "Korvale\\", "thememd.ini"), "C:\\Games\\Korvale\\thememd.ini");
  EXPECT_EQ(JoinPath("", "Korvale", "thememd.ini"), "Korvale\\thememd.ini");
  EXPECT_EQ(JoinPath("C:\\Games", "", "thememd.ini"), "C:\\Games\\thememd.ini");
  EXPECT_EQ(JoinPath("C:\\Games", "\\Korvale", "\\x"), "C:\\Games\\\\Korvale\\\\x");
  EXPECT_EQ(JoinPath("", "", ""), "");
}

TEST(ParseYesNoTest, KnowsSixWordsWithoutRegardToCase) {
  for (const char* yes : {"yes", "Yes", "YES", "true", "TRUE", "1"}) {
    EXPECT_TRUE(ParseYesNo(yes, false)) << yes;
  }
  for (const char* no : {"no", "No", "False", "FALSE", "0"}) {
    EXPECT_FALSE(ParseYesNo(no, true)) << no;
  }
  for (const char* other : {"", "y", "2", "on", "yes ", " no", "01"}) {
    EXPECT_TRUE(ParseYesNo(other, true)) << other;
    EXPECT_FALSE(ParseYesNo(other, false)) << other;
  }
}

}  // namespace
}  // namespace kvpm::testing
