#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "lean/FakePrefix.h"
#include "util/TovrikStandardFunctions.h"

namespace kvpm::test {
namespace {

using TovrikStandardFunctions::ReadIniValue;
using TovrikStandardFunctions::WriteIniValue;

const std::string kFile = "C:\\Settings\\kvpm.ini";

class IniFileTest : public ::testing::Test {
 protected:
  IniFileTest() { prefix.CreateFolder("C:\\Settings"); }

  std::string Read(const std::string& bytes, const std::string& section, const std::string& key) {
    prefix.CreateFile(kFile, bytes);
    return ReadIniValue(section, key, kFile, "default");
  }
  std::string Bytes() const { return ReadBytes(prefix.Native(kFile)); }

  FakePrefix prefix;
};

TEST_F(IniFileTest, AValueLosesItsCommentAndBlanksAfterItsCutTo254Characters) {
  struct Case {
    std::string value, read;
  } const cases[] = {
      {"yes ;button allows removal of HG soundtrack file", "yes"}, {";all comment", "default"},
      {"Rock;Roll;Pop", "Rock"}, {"", "default"}, {" \t ", "default"}, {" two  words \t", "two  words"},
      {"Caf\xe9 \xc3\xa9 \"quoted\"", "Caf\xe9 \xc3\xa9 \"quoted\""},
      {std::string(300, 'x'), std::string(254, 'x')},
      {std::string(250, 'y') + "   ;c" + std::string(40, 'z'), std::string(250, 'y')},
      {std::string(253, 'w') + "  tail", std::string(253, 'w')}};
  for (const Case& c : cases) EXPECT_EQ(Read("[S]\r\nK=" + c.value + "\r\n", "S", "K"), c.read);
}

TEST_F(IniFileTest, TheFirstSectionAndKeyOfANameWinWithoutRegardToCaseOrBlanks) {
  struct Case {
    std::string bytes, section, key, read;
  } const cases[] = {
      {"[RecentFiles]\nFile1=a.kvl\n", "RECENTFILES", "file1", "a.kvl"},
      {"  [INTRO] ;was Quarn\r\n\tSound = THEME:Intro \r\n", "INTRO", "Sound", "THEME:Intro"},
      {"[ Spaced ]\r\nKey=v\r\n", " Spaced\t", " Key ", "v"},
      {"[S]\nKey=first\nKey=second\n[s]\nKey=other\nLater=later\n", "S", "Key", "first"},
      {"[S]\nKey=first\n[s]\nLater=later\n", "S", "Later", "default"},
      {"Key=outside\n[S]\njust text\n=no key\n[broken\nKey=in S\n", "S", "Key", "in S"},
      {"[S]\n=no key\n", "S", "", "default"}, {"[S]\r\nA=1\r\nB=2", "S", "B", "2"},
      {"\xEF\xBB\xBF[Options]\nMax=4\n", "Options", "Max", "4"},
      {"[S]\nKey=1\n", "Other", "Key", "default"}, {"[S]\nKey=1\n", "S", "Other", "default"}};
  for (const Case& c : cases) EXPECT_EQ(Read(c.bytes, c.section, c.key), c.read) << c.bytes;
  EXPECT_EQ(ReadIniValue("S", "Key", "C:\\Settings\\missing.ini", "missing"), "missing");
  EXPECT_EQ(ReadIniValue("S", "Key", "C:\\Settings", "folder"), "folder");
}

TEST_F(IniFileTest, AWriteChangesOneLineAndKeepsEveryOtherByte) {
  struct Case {
    std::string before, section, key, value, after;
  } const cases[] = {
      {"[Options]\r\nSaveKVLNames=no ;keep\r\nMax=4\r\n", "OPTIONS", "savekvlnames", "yes",
       "[Options]\r\nsavekvlnames=yes\r\nMax=4\r\n"},
      {"[S]\n  Key = old\n", "S", "Key", " new ", "[S]\nKey= new \n"},
      {"[S]\nKey=old", "S", "Key", "new", "[S]\nKey=new"},
      {"[A]\r\nX=1\r\n\r\n\r\n[B]\r\n", "a", "Z", "3", "[A]\r\nX=1\r\nZ=3\r\n\r\n\r\n[B]\r\n"},
      {"[A]\n\n[B]\nY=2\n", "A", "Z", "3", "[A]\nZ=3\n\n[B]\nY=2\n"},
      {"[A]\r\nX=1", "A", "Z", "3", "[A]\r\nX=1\r\nZ=3\r\n"},
      {"\xEF\xBB\xBF[A]\nX=1\n", "A", "Z", "3", "\xEF\xBB\xBF[A]\nX=1\nZ=3\n"},
      {"[A]\nX=1\n[B]\n[a]\nZ=old\n", "A", "Z", "new", "[A]\nX=1\nZ=new\n[B]\n[a]\nZ=old\n"},
      {"[A]\r\nX=1\r\n", "Recent", "1", "C:\\a.kvl", "[A]\r\nX=1\r\n[Recent]\r\n1=C:\\a.kvl\r\n"},
      {"[A]\nX=1", "B", "Y", "2", "[A]\nX=1\n[B]\nY=2\n"}, {"", "B", "Y", "2", "[B]\r\nY=2\r\n"},
      {"; \xe9\r\n[Audio] ;own\r\n\tVol = 0.7  \r\nRepeat=no\r\nOdd\r\n\r\n[Video]\nN=\xff\n",
       "Audio", "Repeat", "yes",
       "; \xe9\r\n[Audio] ;own\r\n\tVol = 0.7  \r\nRepeat=yes\r\nOdd\r\n\r\n[Video]\nN=\xff\n"}};
  for (const Case& c : cases) {
    prefix.CreateFile(kFile, c.before);
    EXPECT_TRUE(WriteIniValue(c.section, c.key, c.value, kFile)) << c.before;
    EXPECT_EQ(Bytes(), c.after);
  }
  std::filesystem::remove(prefix.Native(kFile));
  EXPECT_TRUE(WriteIniValue("Options", "MaxRecentFiles", "4", kFile));
  EXPECT_EQ(Bytes(), "[Options]\r\nMaxRecentFiles=4\r\n");
}

TEST_F(IniFileTest, EntriesThatWouldBreakTheFileAreRefused) {
  struct Case {
    std::string section, key, value;
  } const cases[] = {{"S", "Key", "new\r\nInjected=1"}, {"S", "Key", "new\rx"}, {"S\n[T]", "K", "v"},
                     {"S", "Key\nX", "v"}, {"S", "Key=x", "v"}, {"S", " ", "v"}, {"S", " [T]", "v"},
                     {"S]", "Key", "v"}, {" ", "Key", "v"}};
  prefix.CreateFile(kFile, "[S]\r\nKey=old\r\n");
  for (const Case& c : cases) EXPECT_FALSE(WriteIniValue(c.section, c.key, c.value, kFile)) << c.key;
  EXPECT_EQ(Bytes(), "[S]\r\nKey=old\r\n");
  EXPECT_FALSE(WriteIniValue("S", "Key", "v", "C:\\Settings\\missing\\kvpm.ini"));
  EXPECT_FALSE(std::filesystem::exists(prefix.Native("C:\\Settings\\missing")));
}

}  // namespace
}  // namespace kvpm::test
