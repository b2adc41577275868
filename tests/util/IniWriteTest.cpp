#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "support/FakePrefix.h"
#include "support/FaultGuard.h"
#include "support/TempFolder.h"
#include "util/TovrikStandardFunctions.h"

namespace kvpm::testing {
namespace {

using TovrikStandardFunctions::ReadIniValue;
using TovrikStandardFunctions::WriteIniValue;

class IniWriteTest : public ::testing::Test {
 protected:
  // Writes the value into a file that held `before` and returns the bytes after.
  std::string After(const std::string& before, const std::string& section, const std::string& key,
                    const std::string& value) {
    WriteBytes(file, before);
    EXPECT_TRUE(WriteIniValue(section, key, value, file));
    return ReadBytes(file);
  }

  TempFolder folder;
  std::string file = folder.Native("kvpm.ini");
};

TEST_F(IniWriteTest, ReplacesTheWholeLineOfAnExistingKey) {
  EXPECT_EQ(After("[Options]\r\nSaveKVLNames=no ;keep names\r\nMaxRecentFiles=4\r\n", "OPTIONS",
                  "savekvlnames", "yes"),
            "[Options]\r\nsavekvlnames=yes\r\nMaxRecentFiles=4\r\n");
  EXPECT_EQ(After("[S]\n  Key = old\n", "S", "Key", "new"), "[S]\nKey=new\n");
  EXPECT_EQ(After("[S]\nKey=old", "S", "Key", "new"), "[S]\nKey=new");
}

TEST_F(IniWriteTest, AddsAMissingKeyAfterTheLastFilledLineOfItsSection) {
  EXPECT_EQ(After("[A]\r\nX=1\r\n\r\n\r\n[B]\r\nY=2\r\n", "a", "Z", "3"),
            "[A]\r\nX=1\r\nZ=3\r\n\r\n\r\n[B]\r\nY=2\r\n");
  EXPECT_EQ(After("[A]\n\n[B]\nY=2\n", "A", "Z", "3"), "[A]\nZ=3\n\n[B]\nY=2\n");
  EXPECT_EQ(After("[A]\r\nX=1", "A", "Z", "3"), "[A]\r\nX=1\r\nZ=3\r\n");
}

TEST_F(IniWriteTest, KeepsAByteOrderMarkAndFindsTheFirstSectionBehindIt) {
  EXPECT_EQ(After("\xEF\xBB\xBF[Options]\nA=1\n", "Options", "B", "2"),
            "\xEF\xBB\xBF[Options]\nA=1\nB=2\n");
}

TEST_F(IniWriteTest, ChangesOnlyTheFirstSectionOfAName) {
  EXPECT_EQ(After("[A]\nX=1\n[B]\n[a]\nZ=old\n", "A", "Z", "new"),
            "[A]\nX=1\nZ=new\n[B]\n[a]\nZ=old\n");
}

TEST_F(IniWriteTest, AppendsAMissingSectionAtTheEnd) {
  EXPECT_EQ(After("[A]\r\nX=1\r\n", "RecentFiles", "File1", "C:\\a.kvl"),
            "[A]\r\nX=1\r\n[RecentFiles]\r\nFile1=C:\\a.kvl\r\n");
  EXPECT_EQ(After("[A]\nX=1", "B", "Y", "2"), "[A]\nX=1\n[B]\nY=2\n");
  EXPECT_EQ(After("", "B", "Y", "2"), "[B]\r\nY=2\r\n");
}

TEST_F(IniWriteTest, CreatesAMissingFile) {
  EXPECT_TRUE(WriteIniValue("Options", "MaxRecentFiles", "4", file));
  EXPECT_EQ(ReadBytes(file), "[Options]\r\nMaxRecentFiles=4\r\n");
  EXPECT_FALSE(WriteIniValue("Options", "Key", "1", folder.Native("missing/kvpm.ini")));
  EXPECT_FALSE(std::filesystem::exists(folder.Native("missing")));
}

TEST_F(IniWriteTest, KeepsEveryOtherByte) {
  const std::string before =
      "; KV settings \xe9\xff\r\n"
      "[Audio]  ; the game's own\r\n"
      "\tScoreVolume = 0.75  \r\n"
      "IsScoreRepeat=no\r\n"
      "Unknown Line\r\n"
      "\r\n"
      "[Video]\n"
      "Name=Caf\xe9\n";
  const std::string after = After(before, "Audio", "IsScoreRepeat", "yes");
  std::string expected = before;
  expected.replace(expected.find("IsScoreRepeat=no"), 16, "IsScoreRepeat=yes");
  EXPECT_EQ(after, expected);
  EXPECT_EQ(ReadIniValue("Audio", "ScoreVolume", file, ""), "0.75");
}

TEST_F(IniWriteTest, RoundTripsWhatItWrites) {
  WriteBytes(file, "[S]\nKey=old\n");
  ASSERT_TRUE(WriteIniValue("S", "Key", "  spaced value  ", file));
  ASSERT_TRUE(WriteIniValue("New Section", "Another", "v", file));
  EXPECT_EQ(ReadIniValue("S", "Key", file, ""), "spaced value");
  EXPECT_EQ(ReadIniValue("new section", "another", file, ""), "v");
}

TEST_F(IniWriteTest, RefusesEntriesThatWouldBreakTheFile) {
  const std::string before = "[S]\r\nKey=old\r\n";
  WriteBytes(file, before);
  for (const auto& [section, key, value] : std::vector<std::array<std::string, 3>>{
           {"S", "Key", "new\r\nInjected=1"},
           {"S", "Key", "new\nx"},
           {"S", "Key", "new\rx"},
           {"S\n[T]", "Key", "v"},
           {"S", "Key\nInjected", "v"},
           {"S", "Key=x", "v"},
           {"S", "", "v"},
           {"S", "   ", "v"},
           {"S", "[T]", "v"},
           {"S]", "Key", "v"},
           {"", "Key", "v"},
       }) {
    EXPECT_FALSE(WriteIniValue(section, key, value, file)) << section << "/" << key << "/" << value;
  }
  EXPECT_EQ(ReadBytes(file), before);
  EXPECT_FALSE(WriteIniValue("S", "Key", "a\nb", folder.Native("new.ini")));
  EXPECT_FALSE(std::filesystem::exists(folder.Native("new.ini")));
}

TEST_F(IniWriteTest, FailedWritesLeaveTheFileAsItWas) {
  const std::string before = "[S]\r\nKey=old\r\n";
  WriteBytes(file, before);
  FaultGuard faults;
  faults->shortWrite = true;
  EXPECT_FALSE(WriteIniValue("S", "Key", "new value", file));
  EXPECT_EQ(ReadBytes(file), before);
  faults->shortWrite = false;
  faults->failRead = true;
  EXPECT_FALSE(WriteIniValue("S", "Key", "new value", file));
  EXPECT_EQ(ReadBytes(file), before);
  EXPECT_FALSE(WriteIniValue("S", "Key", "v", folder.Native()));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()),
                          std::filesystem::directory_iterator()),
            1);
}

TEST(IniWritePrefixTest, WritesTheGameFileFoundWithoutRegardToCase) {
  FakePrefix prefix;
  const std::string native = prefix.CreateFile("C:\\Games\\Korvale\\HGMD.INI", "[Audio]\r\n");
  EXPECT_TRUE(WriteIniValue("Audio", "InGameMusic", "yes", "C:\\games\\KORVALE\\\\hgmd.ini"));
  EXPECT_EQ(ReadBytes(native), "[Audio]\r\nInGameMusic=yes\r\n");
}

}  // namespace
}  // namespace kvpm::testing
