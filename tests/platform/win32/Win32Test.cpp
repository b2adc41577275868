#include <gtest/gtest.h>

#include <string>

#include "lean/FakePrefix.h"
#include "platform/Files.h"
#include "platform/Paths.h"
#include "platform/ProgramFolder.h"
#include "platform/win32/WindowsApi.h"

namespace kvpm::test {
namespace {

// Hidden and system files do not count, and a replaced file keeps its mark.
// Windows also matches 8.3 aliases and lets "?" before a dot match nothing;
// the program's patterns mean the long names only.
TEST(Win32Test, HiddenSystemAndAliasNamesDoNotCount) {
  FakePrefix prefix;
  for (const char* file : {"C:\\Games\\user1.wav", "C:\\Games\\user2.wav", "C:\\Games\\track.wave",
                           "C:\\Games\\ecachetheme1.mix"}) {
    prefix.CreateFile(file);
  }
  SetFileAttributesA("C:\\Games\\user1.wav", FILE_ATTRIBUTE_HIDDEN);
  SetFileAttributesA("C:\\Games\\user2.wav", FILE_ATTRIBUTE_SYSTEM);
  for (const char* nothing : {"C:\\Games\\user*.wav", "C:\\Games\\t*.wav", "C:\\Games\\*theme??.mix"}) {
    EXPECT_FALSE(platform::AnyMatch(nothing, true)) << nothing;
  }
  EXPECT_TRUE(platform::AnyMatch("C:\\Games\\ecachetheme?.mix", false));
  EXPECT_TRUE(platform::WriteWholeFile("C:\\Games\\USER1.wav", "new"));
  EXPECT_EQ(ReadBytes("C:\\Games\\user1.wav"), "new");
  EXPECT_NE(GetFileAttributesA("C:\\Games\\user1.wav") & FILE_ATTRIBUTE_HIDDEN, 0u);
}

TEST(Win32Test, SettingsLiveUnderAppData) {
  const std::string appData = platform::EnvironmentVariable("APPDATA");
  _putenv_s("APPDATA", "D:\\Roaming");
  EXPECT_EQ(platform::UserConfigFolder(), "D:\\Roaming\\kvpm");
  _putenv_s("APPDATA", appData.c_str());
}

}  // namespace
}  // namespace kvpm::test
