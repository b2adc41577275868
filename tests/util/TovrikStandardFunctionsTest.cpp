#include "util/TovrikStandardFunctions.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "fuzz/Properties.h"
#include "support/FakePrefix.h"
#include "util/DisplayText.h"

namespace kvpm::test {
namespace {

using namespace TovrikStandardFunctions;
using Pairs = std::initializer_list<std::pair<std::string, std::string>>;

const std::string kFile = "C:\\Settings\\kvpm.ini";
// A file saved as UTF-16: "[S]", line end, "K=" and U+00E9 U+6F22.
const std::string kUtf16Key("\xFF\xFE[\0S\0]\0\r\0\n\0K\0=\0", 16),
    kUtf16 = kUtf16Key + std::string("\xE9\0\x22\x6F", 4);

class IniFileTest : public ::testing::Test {
 protected:
  IniFileTest() { prefix.CreateFolder("C:\\Settings"); }
  FakePrefix prefix;
};

TEST_F(IniFileTest, AValueLosesItsCommentAndBlanksAfterItsCutTo254Characters) {
  const std::string x(300, 'x'), y(250, 'y'), w(253, 'w');
  for (const auto& [value, read] : Pairs{
           {"yes ;button allows removal of HG soundtrack file", "yes"}, {";all", "default"},
           {"Rock;Roll;Pop", "Rock"}, {" \t ", "default"}, {"", "default"},
           {"Caf\xe9 \"two\"  \t", "Caf\xe9 \"two\""}, {x, x.substr(0, 254)}, {y + "   ;c" + x, y},
           {w + "  tail", w}}) {
    prefix.CreateFile(kFile, "[S]\r\nK=" + value + "\r\n");
    EXPECT_EQ(ReadIniValue("S", "K", kFile, "default"), read) << value;
  }
}

TEST_F(IniFileTest, TheFirstSectionAndKeyOfANameWinWithoutRegardToCaseOrBlanks) {
  prefix.CreateFile(kFile, "\xEF\xBB\xBF  [Recent] ;was\r\n\tFile1 = a.kvl \r\ntext\n=no key\n"
                           "[ Spaced ]\n[broken\nKey=first\nKey=2\n[recent]\nLater=c\n[S]\r\nB=2");
  struct Case { std::string section, key, read; };
  const Case cases[] = {
      {"RECENT", "file1", "a.kvl"}, {" Spaced\t", " KEY ", "first"}, {"S", "B", "2"},
      {"recent", "Later", "default"}, {"Spaced", "", "default"}, {"Other", "Key", "default"},
      {"S", "Other", "default"}};
  for (const Case& c : cases) {
    EXPECT_EQ(ReadIniValue(c.section, c.key, kFile, "default"), c.read) << c.section << c.key;
  }
  EXPECT_EQ(ReadIniValue("S", "B", "C:\\Settings", "a folder"), "a folder");
}

// As on Windows: a lone CR or LF CR ends a line too, a line without "=" is its key with an empty
// value, and a UTF-16 file reads as its text (a stray last byte left out).
TEST_F(IniFileTest, LinesEndAndKeysStandAsWindowsReadsThem) {
  for (const auto& [file, read] : Pairs{{"[S]\rK=cr\rX=1", "cr"}, {"[S]\n\rK=lf cr\n\r", "lf cr"},
                                        {"[S]\r\n\r\nK\r\nK=later", "default"},
                                        {kUtf16 + "!", "\xC3\xA9\xE6\xBC\xA2"},
           // U+007F, U+0080, U+07FF, U+0800, U+D7FF, U+E000, U+FFFF; U+10000 and U+10FFFF in
           // pairs; each edge of the high and of the low surrogates alone.
           {kUtf16Key + std::string("\x7F\x00\x80\x00\xFF\x07\x00\x08"
                                    "\xFF\xD7\x00\xE0\xFF\xFF", 14),
            "\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xED\x9F\xBF\xEE\x80\x80\xEF\xBF\xBF"},
           {kUtf16Key + std::string("\x00\xD8\x00\xDC\xFF\xDB\xFF\xDF", 8),
            "\xF0\x90\x80\x80\xF4\x8F\xBF\xBF"},
           {kUtf16Key + std::string("\x00\xD8" "A\0\x00\xDC\xFF\xDF\xFF\xDB", 10),
            "\xEF\xBF\xBD" "A\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"}}) {
    prefix.CreateFile(kFile, file);
    EXPECT_EQ(ReadIniValue("S", "K", kFile, "default"), read) << file;
  }
}

// An entry that would break the file is refused: "" after.
TEST_F(IniFileTest, AWriteChangesOneLineAndKeepsEveryOtherByte) {
  const std::string game = ";\xe9\r\n[Audio] ;own\r\n\tVol = 0.7 \r\nRepeat=no\r\nOdd\r\n\r\n[V]\n";
  std::string changed = game;
  changed.replace(changed.find("=no"), 3, "=yes");
  const std::string old = "[S]\r\nK=old\r\n";
  struct Case { std::string before, section, key, value, after; };
  const Case cases[] = {
      {"[Options]\r\nSaveKVLNames=no ;keep\r\nMax=4\r\n", "OPTIONS", "savekvlnames", "yes",
       "[Options]\r\nsavekvlnames=yes\r\nMax=4\r\n"},
      {"[S]\n  Key = old\n", "S", "Key", " new ", "[S]\nKey= new \n"},
      {"[S]\nK=old", "S", "K", "new", "[S]\nK=new"}, {game, "Audio", "Repeat", "yes", changed},
      {"[A]\r\nX=1\r\n\r\n\r\n[B]\r\n", "a", "Z", "3", "[A]\r\nX=1\r\nZ=3\r\n\r\n\r\n[B]\r\n"},
      {"[A]\n\n[B]\nY=2\n", "A", "Z", "3", "[A]\nZ=3\n\n[B]\nY=2\n"},
      {"[A]\r\nX=1", "A", "Z", "3", "[A]\r\nX=1\r\nZ=3\r\n"},
      {"\xEF\xBB\xBF[A]\nX=1\n", "A", "Z", "3", "\xEF\xBB\xBF[A]\nX=1\nZ=3\n"},
      {"[A]\nX=1\n[B]\n[a]\nZ=old\n", "A", "Z", "new", "[A]\nX=1\nZ=new\n[B]\n[a]\nZ=old\n"},
      {"[A]\r\nX=1\r\n", "Recent", "1", "C:\\a.kvl", "[A]\r\nX=1\r\n[Recent]\r\n1=C:\\a.kvl\r\n"},
      {"[A]\nX=1", "B", "Y", "2", "[A]\nX=1\n[B]\nY=2\n"}, {"", "B", "Y", "2", "[B]\r\nY=2\r\n"},
      {"[A]\rX=1\r", "A", "Z", "3", "[A]\rX=1\rZ=3\r"}, {"[A]\n\rX=1", "B", "Y", "2",
       "[A]\n\rX=1\n\r[B]\n\rY=2\n\r"}, {"[A]\nX\nX=1\n", "A", "X", "2", "[A]\nX=2\nX=1\n"},
      {kUtf16, "S", "Z", "\xC2\xA3", kUtf16 + std::string("\r\0\n\0Z\0=\0" "\xA3\0\r\0\n\0", 14)},
      // A byte of no sequence (an F8 starts none) is its own unit.
      {kUtf16, "S", "Z", "\xEF\xBF\xBF\xF0\x90\x80\x80\x80\xF8\x90\x80\x80",
       kUtf16 + std::string("\r\0\n\0Z\0=\0\xFF\xFF\x00\xD8\x00\xDC\x80\0"
                            "\xF8\0\x90\0\x80\0\x80\0\r\0\n\0", 28)},
      {std::string("\xFF\xFE[\0A\0]\0\r\0\n\0[\0B\0]\0\r\0\n\0X\0=\0\xE9\0", 28), "A", "Z", "3",
       std::string("\xFF\xFE[\0A\0]\0\r\0\n\0Z\0=\0" "3\0\r\0\n\0[\0B\0]\0\r\0\n\0X\0=\0\xE9\0",
                   38)},  // the last line, without its line end, ends in a character above 127
      {old, "S", "K", "new\r\nX=1", ""}, {old, "S", "K", "new\rx", ""}, {old, "S", "K\nX", "v", ""},
      {old, "S\n[T]", "K", "v", ""}, {old, "S", "K=x", "v", ""}, {old, "S", " ", "v", ""},
      {old, "S", " [T]", "v", ""}, {old, "S]", "K", "v", ""}, {old, " ", "K", "v", ""}};
  for (const Case& c : cases) {  // before "": no file
    std::filesystem::remove(prefix.Native(kFile));
    if (!c.before.empty()) prefix.CreateFile(kFile, c.before);
    EXPECT_EQ(WriteIniValue(c.section, c.key, c.value, kFile), !c.after.empty()) << c.before;
    EXPECT_EQ(ReadBytes(prefix.Native(kFile)), c.after.empty() ? c.before : c.after);
  }
}

// The fuzzer's seeds, and every input that once broke the property.
TEST(FuzzReplayTest, EverySeedAndEveryInputThatOnceBrokeTheIniWritePropertyHoldsIt) {
  for (const char* folder :
       {KVPM_FIXTURES_DIR "/fuzz/ini-write", KVPM_FUZZ_CORPUS_DIR "/ini-write"}) {
    for (const auto& input : std::filesystem::directory_iterator(folder)) {
      FakePrefix prefix;
      EXPECT_EQ(fuzz::CheckIniWrite(prefix, ReadBytes(input.path().string())), "") << input;
    }
  }
}

TEST(PathHelpersTest, SplitPathCutsAtTheLastBackslashElseTheLastSlash) {
  for (const auto& [path, split] : Pairs{
           {"C:\\G\\K\\x", "x|C:\\G\\K"}, {"C:\\G\\K\\", "K|C:\\G"}, {"x", "x|"}, {"\\x", "x|"},
           {"a/b\\c/d", "c/d|a/b"}, {"/h/a/", "a|/h"}, {"C:\\G\\\\", "|C:\\G"}, {"", "|"}}) {
    std::string name = "unset", folder = "unset";
    SplitPath(path, name, folder);
    EXPECT_EQ(name + "|" + folder, split) << path;
    EXPECT_EQ(ExtractFileName(path), name);
  }
}

TEST(PathHelpersTest, JoinPathAddsABackslashOnlyWhereOneIsMissing) {
  struct Case { std::string folder, subFolder, fileName, joined; };
  const Case cases[] = {
      {"C:\\G\\", "thememd.ini", "", "C:\\G\\thememd.ini"}, {"C:\\G", "K", "x", "C:\\G\\K\\x"},
      {"C:\\G", "K\\", "x", "C:\\G\\K\\x"}, {"", "K", "x", "K\\x"}, {"C:", "", "x", "C:\\x"},
      {"C:", "\\K", "\\x", "C:\\\\K\\\\x"}, {"", "", "", ""}};
  for (const Case& c : cases) EXPECT_EQ(JoinPath(c.folder, c.subFolder, c.fileName), c.joined);
}

TEST(PathHelpersTest, ParseYesNoKnowsSixWordsWithoutRegardToCase) {
  for (const char* t : {"yes", "Yes", "YES", "true", "1"}) EXPECT_TRUE(ParseYesNo(t, false)) << t;
  for (const char* t : {"no", "No", "False", "FALSE", "0"}) EXPECT_FALSE(ParseYesNo(t, true)) << t;
  for (const char* t : {"", "y", "2", "on", "yes ", " no", "01"}) {
    EXPECT_TRUE(ParseYesNo(t, true)) << t;
    EXPECT_FALSE(ParseYesNo(t, false)) << t;
  }
}

TEST(DisplayTextTest, ValidUtf8StaysAndOtherBytesAreWindows1252) {
  const std::string utf8 = "\xC3\xA9\xDF\xBF\xE0\xA0\x80\xF0\x90\x80\x80\xF4\x8F\xBF\xBF";
  for (const auto& [bytes, shown] : Pairs{
           {utf8, utf8}, {"\x80", "\xE2\x82\xAC"}, {"\x9F", "\xC5\xB8"}, {"\xC3", "\xC3\x83"},
           {"\xC3(", "\xC3\x83("},
           {"\xC0\xAF", "\xC3\x80\xC2\xAF"}, {"\xE0\x9F\xBF", "\xC3\xA0\xC5\xB8\xC2\xBF"},
           {"\x81\x90\x80\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xE2\x82\xAC\xE2\x82\xAC"},
           // The five bytes the code page leaves undefined, and their neighbours.
           {"\x8C\x8D\x8E\x8F\x90\x91\x9C\x9D\x9E", "\xC5\x92\xEF\xBF\xBD\xC5\xBD\xEF\xBF\xBD"
            "\xEF\xBF\xBD\xE2\x80\x98\xC5\x93\xEF\xBF\xBD\xC5\xBE"},
           {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},
           {"\xF4\x90\x80\x80", "\xC3\xB4\xEF\xBF\xBD\xE2\x82\xAC\xE2\x82\xAC"}}) {
    EXPECT_EQ(DisplayUtf8(bytes), shown) << shown;
  }
}

}  // namespace
}  // namespace kvpm::test
