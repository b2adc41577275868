// The platform layer's promises that hold on both systems.

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "support/FakePrefix.h"
#include "platform/AsciiText.h"
#include "platform/Files.h"
#include "platform/ProgramFolder.h"
#include "util/TovrikStandardFunctions.h"

namespace kvpm::test {
namespace {

namespace fs = std::filesystem;
namespace tsf = TovrikStandardFunctions;
using Pairs = std::initializer_list<std::pair<std::string, std::string>>;

// A 32-bit program sees HKLM\Software through Wow6432Node when the key is
// there, else the plain key; a key's values never mix the two views.
TEST(RegistryTest, ValuesComeFromThe32BitViewOfAKeyFirstByNamesOfAnyCase) {
  FakePrefix prefix;
  const std::string path = "C:\\32-bit \"view\"\\", key = "HKLM\\SOFTWARE\\Tallowmere\\Korvale\\";
  prefix.SetValue(kExpansionKey, "InstallPath", path);
  prefix.SetValue(kExpansionKey, "Version", 65537u);
  prefix.SetValue(kExpansionKey, "", "the default value");
  prefix.SetValue("Software\\Tallowmere\\Korvale", "InstallPath", "plain");
  prefix.SetValue("Software\\Tallowmere\\Korvale", "OnlyPlain", "plain only");
  prefix.SetValue("Software\\Tallowmere\\Harrowgate", "InstallPath", "plain key");
  for (const auto& [valuePath, text] : Pairs{
           {key + "InstallPath", path}, {key + "OnlyPlain", "none"},
           {"HKLM\\Software\\Tallowmere\\Harrowgate\\InstallPath", "plain key"},
           {"HKEY_LOCAL_MACHINE\\software\\WOW6432NODE\\tallowmere\\korvale\\installpath", path},
           {key, "the default value"}, {"HKLM\\SOFTWARE\\\\Tallowmere\\Korvale\\Version", "65537"},
           {key + "Missing", "none"}, {"HKCR\\SOFTWARE\\Tallowmere\\Korvale\\Version", "none"},
           {"HKLM\\Version", "none"}}) {
    EXPECT_EQ(tsf::ReadRegistryValue(valuePath, "none"), text) << valuePath;
  }
}

TEST(PathsTest, VisibleFilesExistAndHaveOneShortFormFoldersOnlyWithTheFolderFlag) {
  FakePrefix prefix;
  const std::string k = "C:\\Games\\Korvale\\", s = "C:\\Games\\Sounds\\";
  for (const std::string& file : {k + "gamemd.exe", k + "User01.WAV", s + ".hidden.wav"}) {
    prefix.CreateFile(file);
  }
  prefix.CreateFolder(s + "folder.wav");
  prefix.CreateFolder("C:\\Games\\.hidden");
  struct Case { std::string path; bool exists, existsWithFolders; };
  const Case cases[] = {
      {k + "gamemd.exe", true, true}, {"c:\\GAMES\\korvale\\GAMEMD.EXE", true, true},
      {"C:/Games//Korvale\\\\gamemd.exe", true, false}, {k + "u*.wav", true, false},
      {k + "USER??.wav", true, false}, {k + "user?.wav", false, false},
      {"C:\\Games\\*\\gamemd.exe", false, false}, {s + "*.wav", false, false},
      {s + ".hidden.wav", false, false}, {s + "folder.wav", false, true},
      {"C:\\games\\KORVALE\\", false, true}, {"C:\\Games\\Korvale", false, true},
      {"C:\\", false, true}, {"C:", false, false}, {"C:/Games/Korvale", false, false},
      {"C:\\Games\\\\Korvale\\", false, false}, {k + "gamemd.exe\\", false, false},
      {"C:\\Games\\.hidden", false, false}, {"C:\\Games\\.hidden\\", false, false},
      {"C:Games\\Korvale", false, false}, {"Q:\\Games\\gamemd.exe", false, false}};
  for (const Case& c : cases) {
    EXPECT_EQ(tsf::PathExists(c.path, false), c.exists) << c.path;
    EXPECT_EQ(tsf::PathExists(c.path, true), c.existsWithFolders) << c.path << " with folders";
  }
  // A hidden file is a file all the same where the program asks whether one is there.
  for (const auto& [path, file] : {std::pair{s + ".hidden.wav", true}, {s + "folder.wav", false},
                                   {k + "u*.wav", false}, {k + "USER01.wav", true}}) {
    EXPECT_EQ(platform::FileExists(path), file) << path;
  }
  const std::string shortPath = tsf::GetShortPath(k + "gamemd.exe");
  const std::string other = tsf::GetShortPath("c:\\games\\\\sounds\\..\\Korvale\\GAMEMD.EXE");
  EXPECT_NE(shortPath, "");
  EXPECT_TRUE(platform::EqualNoCase(other, shortPath)) << other << " against " << shortPath;
  EXPECT_NE(tsf::GetShortPath(k + "User01.WAV"), shortPath);
  EXPECT_NE(tsf::GetShortPath(k), "");
  for (const std::string& nothing : {k + "missing.kvl", s + ".hidden.wav", k + "u*.wav", s + "*"}) {
    EXPECT_EQ(tsf::GetShortPath(nothing), "") << nothing;
  }
}

class FilesTest : public ::testing::Test {
 protected:
  FilesTest() { prefix.CreateFolder("C:\\Files"); }
  // What the folder holds: a temporary file left behind shows here.
  std::set<std::string> Names() const {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(prefix.Native("C:\\Files"))) {
      names.insert(entry.path().filename().string());
    }
    return names;
  }
  FakePrefix prefix;
};

TEST_F(FilesTest, WholeFilesAreReadReplacedOrDeletedAndNothingIsLeftBeside) {
  const std::string bytes("a\0b\xff\r\n", 6);
  std::string read = "stale";
  EXPECT_EQ(platform::ReadWholeFile("C:\\Files\\no\\x.ini", read), platform::ReadStatus::Missing);
  EXPECT_EQ(platform::ReadWholeFile("C:\\Files", read), platform::ReadStatus::Unreadable);
  EXPECT_EQ(read, "");
  prefix.CreateFolder("C:\\Files\\sub");
  EXPECT_TRUE(platform::WriteWholeFile("C:\\Files\\theme.ini", "first"));
  EXPECT_TRUE(platform::WriteWholeFile("C:\\files\\Theme.ini", bytes));
  EXPECT_EQ(platform::ReadWholeFile("C:\\FILES\\theme.INI", read), platform::ReadStatus::Ok);
  EXPECT_EQ(read, bytes);
  for (const char* nowhere : {"C:\\Files\\no\\theme.ini", "C:\\Files\\sub", "Q:\\x.ini"}) {
    EXPECT_FALSE(platform::WriteWholeFile(nowhere, "x")) << nowhere;
  }
  EXPECT_TRUE(platform::FolderWritable("C:\\Files"));
  EXPECT_FALSE(platform::FolderWritable("C:\\Files\\theme.ini"));
  EXPECT_FALSE(platform::FolderWritable("Q:"));
  EXPECT_EQ(Names(), (std::set<std::string>{"sub", "theme.ini"}));
  platform::Faults().failDelete = true;
  EXPECT_FALSE(platform::DeleteFile("C:\\Files\\theme.ini"));
  platform::Faults() = {};
  EXPECT_TRUE(platform::DeleteFile("C:\\Files\\THEME.ini"));
  EXPECT_FALSE(platform::DeleteFile("C:\\Files\\theme.ini"));
  EXPECT_FALSE(platform::DeleteFile("C:\\Files\\sub"));
  EXPECT_EQ(Names(), std::set<std::string>{"sub"});
}

TEST_F(FilesTest, CopyFileReplacingCopiesEveryChunkOrNothing) {
  std::string archive((5 << 20) / 2, '\0');  // two and a half chunks
  for (std::size_t i = 0; i < archive.size(); ++i) archive[i] = static_cast<char>(i * 7 % 251);
  prefix.CreateFile("C:\\Files\\theme.mix", archive);
  prefix.CreateFile("C:\\Files\\copy.mix", "an older copy");
  EXPECT_TRUE(platform::CopyFileReplacing("C:\\Files\\theme.mix", "C:\\Files\\copy.mix", nullptr));
  EXPECT_EQ(ReadBytes(prefix.Native("C:\\Files\\copy.mix")), archive);
  for (const auto& [from, to] : Pairs{{"missing", "x"}, {"", "x"}, {"theme.mix", "no\\x"}}) {
    EXPECT_FALSE(platform::CopyFileReplacing("C:\\Files\\" + from, "C:\\Files\\" + to, nullptr));
  }
  EXPECT_EQ(Names(), (std::set<std::string>{"copy.mix", "theme.mix"}));
}

}  // namespace
}  // namespace kvpm::test
