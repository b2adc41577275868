#include <gtest/gtest.h>

#include <string>

#include "util/DisplayText.h"
#include "util/TovrikStandardFunctions.h"

namespace kvpm::test {
namespace {

using namespace TovrikStandardFunctions;

TEST(PathHelpersTest, AValidPathIsADriveAndComponentsWithoutInvalidCharacters) {
  for (const char* valid : {"C:\\", "C:\\Games\\Korvale\\", "C:\\My Games\\gamemd.exe", "1:\\x"}) {
    EXPECT_TRUE(IsValidPath(valid)) << valid;
  }
  for (const char* invalid : {"", "C:", "C:\\Games\\\\Korvale\\", "Games\\Korvale", "\\Games",
                              "C:/Games", "C:\\Games/Korvale", "C:\\user*.wav", "C:\\a?b",
                              "C:\\a\"b", "C:\\a|b", "C:\\a<b>", "*:\\x", "CD:\\x"}) {
    EXPECT_FALSE(IsValidPath(invalid)) << invalid;
  }
  EXPECT_EQ(InvalidFileNameChars(), "\\ / : * ? \" < > |");
  EXPECT_EQ(RemoveChars("C:\\a*b?c d/e", InvalidFileNameChars()), "Cabc de");
  EXPECT_EQ(RemoveChars("aAbBa", "a"), "AbB");
}

TEST(PathHelpersTest, SplitPathCutsAtTheLastBackslashElseTheLastSlash) {
  struct Case {
    std::string path, name, folder;
  } const cases[] = {{"C:\\Games\\Korvale\\thememd.ini", "thememd.ini", "C:\\Games\\Korvale"},
                     {"C:\\Games\\Korvale\\", "Korvale", "C:\\Games"},
                     {"thememd.ini", "thememd.ini", ""}, {"\\thememd.ini", "thememd.ini", ""},
                     {"C:\\a/b\\c/d", "c/d", "C:\\a/b"}, {"/home/a/list.kvl", "list.kvl", "/home/a"},
                     {"/home/a/", "a", "/home"}, {"C:\\Games\\\\", "", "C:\\Games"}, {"", "", ""}};
  for (const Case& c : cases) {
    std::string name = "unset", folder = "unset";
    SplitPath(c.path, name, folder);
    EXPECT_EQ(name + "|" + folder, c.name + "|" + c.folder) << c.path;
    EXPECT_EQ(ExtractFileName(c.path), c.name);
  }
}

TEST(PathHelpersTest, JoinPathAddsABackslashOnlyWhereOneIsMissing) {
  struct Case {
    std::string folder, subFolder, fileName, joined;
  } const cases[] = {{"C:\\Games\\", "thememd.ini", "", "C:\\Games\\thememd.ini"},
                     {"C:\\Games", "thememd.ini", "", "C:\\Games\\thememd.ini"},
                     {"C:\\Games", "Korvale", "x.ini", "C:\\Games\\Korvale\\x.ini"},
                     {"C:\\Games", "Korvale\\", "x.ini", "C:\\Games\\Korvale\\x.ini"},
                     {"", "Korvale", "x.ini", "Korvale\\x.ini"}, {"C:", "", "x.ini", "C:\\x.ini"},
                     {"C:", "\\Korvale", "\\x", "C:\\\\Korvale\\\\x"}, {"", "", "", ""}};
  for (const Case& c : cases) EXPECT_EQ(JoinPath(c.folder, c.subFolder, c.fileName), c.joined);
}

TEST(PathHelpersTest, ParseYesNoKnowsSixWordsWithoutRegardToCase) {
  for (const char* yes : {"yes", "Yes", "YES", "true", "TRUE", "1"}) {
    EXPECT_TRUE(ParseYesNo(yes, false)) << yes;
  }
  for (const char* no : {"no", "No", "False", "FALSE", "0"}) EXPECT_FALSE(ParseYesNo(no, true)) << no;
  for (const char* other : {"", "y", "2", "on", "yes ", " no", "01"}) {
    EXPECT_TRUE(ParseYesNo(other, true)) << other;
    EXPECT_FALSE(ParseYesNo(other, false)) << other;
  }
}

TEST(DisplayTextTest, ValidUtf8StaysAndOtherBytesAreWindows1252) {
  struct Case {
    std::string bytes, shown;
  } const cases[] = {
      {"caf\xC3\xA9 \xE6\xBC\xA2 \xF0\x9F\x98\x80", "caf\xC3\xA9 \xE6\xBC\xA2 \xF0\x9F\x98\x80"},
      {"caf\xE9", "caf\xC3\xA9"}, {"\x80 \x9F", "\xE2\x82\xAC \xC5\xB8"},
      {"\x81\x90\x80\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xE2\x82\xAC\xE2\x82\xAC"},  // no lead byte
      {"\xC3", "\xC3\x83"},                              // cut sequence
      {"\xC0\xAF", "\xC3\x80\xC2\xAF"},                  // overlong
      {"\xE0\x9F\xBF", "\xC3\xA0\xC5\xB8\xC2\xBF"},      // overlong in three bytes
      {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},  // surrogate
      {"\xF4\x90\x80\x80", "\xC3\xB4\xEF\xBF\xBD\xE2\x82\xAC\xE2\x82\xAC"}};  // above U+10FFFF
  for (const Case& c : cases) EXPECT_EQ(DisplayUtf8(c.bytes), c.shown) << c.shown;
}

}  // namespace
}  // namespace kvpm::test
