#include <gtest/gtest.h>

#include <string>

#include "support/FakePrefix.h"
#include "support/TempFolder.h"
#include "util/IniFile.h"
#include "util/TovrikStandardFunctions.h"

namespace kvpm::testing {
namespace {

using TovrikStandardFunctions::IniDocument;
using TovrikStandardFunctions::ReadIniValue;

class IniReadTest : public ::testing::Test {
 protected:
  std::string Write(const std::string& bytes) {
    WriteBytes(file, bytes);
    return file;
  }
  std::string Read(const std::string& section, const std::string& key) {
    return ReadIniValue(section, key, file, "default");
  }

  TempFolder folder;
  std::string file = folder.Native("kvpm.ini");
};

TEST_F(IniReadTest, CommentsAreCutAtTheFirstSemicolon) {
  Write(
      "[Options]\r\n"
      "AllowHGDeletion=yes ;button allows removal of HG soundtrack file\r\n"
      "Commented=;nothing but comment\r\n"
      "Several=a;b;c\r\n"
      "Track=Rock; Roll\r\n");
  EXPECT_EQ(Read("Options", "AllowHGDeletion"), "yes");
  EXPECT_EQ(Read("Options", "Commented"), "default");
  EXPECT_EQ(Read("Options", "Several"), "a");
  EXPECT_EQ(Read("Options", "Track"), "Rock");
}

TEST_F(IniReadTest, EmptyAndBlankValuesGiveTheDefault) {
  Write("[Options]\nEmpty=\nBlanks=   \t \nSpaced =  two words \t\n");
  EXPECT_EQ(Read("Options", "Empty"), "default");
  EXPECT_EQ(Read("Options", "Blanks"), "default");
  EXPECT_EQ(Read("Options", "Spaced"), "two words");
  EXPECT_EQ(ReadIniValue("Options", "Empty", file, ""), "");
}

TEST_F(IniReadTest, MissingFileSectionOrKeyGiveTheDefault) {
  EXPECT_EQ(Read("Options", "Key"), "default");
  Write("[Options]\nKey=1\n");
  EXPECT_EQ(Read("Other", "Key"), "default");
  EXPECT_EQ(Read("Options", "Other"), "default");
  EXPECT_EQ(ReadIniValue("Options", "Key", folder.Native(), "folder"), "folder");
}

TEST_F(IniReadTest, NamesMatchWithoutRegardToCase) {
  Write("[RecentFiles]\nFile1=a.kvl\n");
  EXPECT_EQ(Read("RECENTFILES", "file1"), "a.kvl");
  EXPECT_EQ(Read("recentfiles", "FILE1"), "a.kvl");
}

TEST_F(IniReadTest, HeadersAndKeysMayCarryBlanksAndTrailingText) {
  Write(
      "  [INTRO] ;Sound was Quarn\r\n"
      "\tSound = THEME:Intro \r\n"
      "[ Spaced ]\r\n"
      "Key=spaced section\r\n");
  EXPECT_EQ(Read("INTRO", "Sound"), "THEME:Intro");
  EXPECT_EQ(Read("Spaced", "Key"), "spaced section");
}

TEST_F(IniReadTest, LineEndsDoNotMatter) {
  for (const std::string& bytes :
       {std::string("[S]\r\nA=1\r\nB=2\r\n"), std::string("[S]\nA=1\nB=2\n"),
        std::string("[S]\nA=1\r\nB=2")}) {
    Write(bytes);
    EXPECT_EQ(Read("S", "A"), "1") << bytes;
    EXPECT_EQ(Read("S", "B"), "2") << bytes;
  }
}

TEST_F(IniReadTest, LongValuesAreCutTo254CharactersBeforeTheComment) {
  const std::string longValue(300, 'x');
  Write("[S]\nLong=" + longValue + "\nCommentLate=" + std::string(250, 'y') + "   ;c" +
        std::string(40, 'z') + "\nBlankAt254=" + std::string(253, 'w') + "  tail\n");
  EXPECT_EQ(Read("S", "Long"), std::string(254, 'x'));
  EXPECT_EQ(Read("S", "CommentLate"), std::string(250, 'y'));
  EXPECT_EQ(Read("S", "BlankAt254"), std::string(253, 'w'));
}

TEST_F(IniReadTest, TheFirstSectionAndTheFirstKeyWin) {
  Write(
      "[S]\nKey=first\nKey=second\n"
      "[s]\nKey=other section\nOnlyLater=later\n");
  EXPECT_EQ(Read("S", "Key"), "first");
  EXPECT_EQ(Read("S", "OnlyLater"), "default");
}

TEST_F(IniReadTest, LinesOutsideSectionsOrWithoutEqualsAreIgnored) {
  Write("Key=before any section\n[S]\njust text\n=no key\n[broken\nKey=in S\n");
  EXPECT_EQ(Read("S", "Key"), "in S");
  EXPECT_EQ(Read("S", ""), "default");
}

TEST_F(IniReadTest, BytesAboveAsciiAndQuotesPassThrough) {
  Write("[S]\nName=Caf\xe9 \xc3\xa9 \"quoted\"\n");
  EXPECT_EQ(Read("S", "Name"), "Caf\xe9 \xc3\xa9 \"quoted\"");
}

TEST_F(IniReadTest, AByteOrderMarkIsNotPartOfTheFirstHeader) {
  Write("\xEF\xBB\xBF[Options]\r\nMaxRecentFiles=4\r\n");
  EXPECT_EQ(Read("Options", "MaxRecentFiles"), "4");
}

TEST(IniDocumentTest, RawValueKeepsTheCommentAndTrimsBlanks) {
  IniDocument document("[S]\nKey=  value ;comment  \n");
  EXPECT_EQ(document.RawValue("s", "KEY"), "value ;comment");
  EXPECT_EQ(document.RawValue("S", "missing"), "");
  EXPECT_EQ(IniDocument().RawValue("S", "Key"), "");
  EXPECT_EQ(TovrikStandardFunctions::CutIniComment(" value ;comment"), " value");
  EXPECT_EQ(TovrikStandardFunctions::CutIniComment(";all comment"), "");
}

TEST(IniReadPrefixTest, WindowsPathsFindTheFileWithoutRegardToCase) {
  FakePrefix prefix;
  prefix.CreateFile("C:\\Games\\Korvale\\hgmd.ini", "[Audio]\r\nInGameMusic=yes\r\n");
  EXPECT_EQ(ReadIniValue("Audio", "InGameMusic", "C:\\GAMES\\korvale\\\\HGMD.INI", ""), "yes");
}

}  // namespace
}  // namespace kvpm::testing
