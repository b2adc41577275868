#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "lean/FakePrefix.h"
#include "platform/Environment.h"
#include "platform/Files.h"
#include "platform/Paths.h"
#include "platform/ProgramFolder.h"
#include "platform/win32/WindowsApi.h"

namespace kvpm::test {
namespace {

void Marked(FakePrefix& prefix, const std::string& path, DWORD attributes) {
  prefix.CreateFile(path);
  EXPECT_TRUE(SetFileAttributesA(path.c_str(), attributes));
}

TEST(Win32Test, HiddenAndSystemFilesDoNotCountAndKeepTheirMarkWhenReplaced) {
  FakePrefix prefix;
  Marked(prefix, "C:\\Sounds\\user1.wav", FILE_ATTRIBUTE_HIDDEN);
  Marked(prefix, "C:\\Sounds\\user2.wav", FILE_ATTRIBUTE_SYSTEM);
  prefix.CreateFolder("C:\\Sounds\\Folder");
  EXPECT_TRUE(SetFileAttributesA("C:\\Sounds\\Folder", FILE_ATTRIBUTE_HIDDEN));
  EXPECT_FALSE(platform::AnyMatch("C:\\Sounds\\user*.wav", true));
  EXPECT_FALSE(platform::AnyMatch("C:\\Sounds\\Folder\\", true));
  EXPECT_TRUE(platform::WriteWholeFile("C:\\Sounds\\USER1.wav", "new"));
  EXPECT_EQ(ReadBytes("C:\\Sounds\\user1.wav"), "new");
  EXPECT_NE(GetFileAttributesA("C:\\Sounds\\user1.wav") & FILE_ATTRIBUTE_HIDDEN, 0u);
}

// Windows also matches a name's 8.3 alias and lets "?" before a dot match
// nothing; the program's patterns mean the long names only.
TEST(Win32Test, WildcardsMatchTheLongNamesOnly) {
  FakePrefix prefix;
  for (const char* file : {"C:\\Games\\ecachetheme1.mix", "C:\\Games\\track.wave"}) {
    prefix.CreateFile(file);
  }
  EXPECT_FALSE(platform::AnyMatch("C:\\Games\\ecachetheme??.mix", false));
  EXPECT_FALSE(platform::AnyMatch("C:\\Games\\t*.wav", false));
  EXPECT_TRUE(platform::AnyMatch("C:\\Games\\ecachetheme?.mix", false));
}

TEST(Win32Test, SettingsLiveUnderAppDataAndThereIsNoPrefix) {
  const std::string appData = platform::EnvironmentVariable("APPDATA");
  _putenv_s("APPDATA", "D:\\Roaming");
  EXPECT_EQ(platform::UserConfigFolder(), "D:\\Roaming\\kvpm");
  _putenv_s("APPDATA", "");
  EXPECT_EQ(platform::UserConfigFolder(), platform::HomeFolder() + "\\AppData\\Roaming\\kvpm");
  _putenv_s("APPDATA", appData.c_str());
  EXPECT_EQ(platform::DefaultPrefix(), "");
}

}  // namespace
}  // namespace kvpm::test
