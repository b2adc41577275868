#include <gtest/gtest.h>

#include "support/FakePrefix.h"
#include "platform/Files.h"
#include "platform/Paths.h"
#include "platform/ProgramFolder.h"
#include "platform/win32/WindowsApi.h"

namespace kvpm::test {
namespace {

// Windows also matches 8.3 aliases ("t*.wav" finds "track.wave") and lets "?"
// before a dot match nothing; the program's patterns mean the long names only.
TEST(Win32Test, SystemFilesAndAliasesDoNotCountAndSettingsGoToAppData) {
  FakePrefix prefix;
  for (const char* f : {"C:\\G\\u.wav", "C:\\G\\track.wave", "C:\\G\\t1.mix"}) prefix.CreateFile(f);
  SetFileAttributesA("C:\\G\\u.wav", FILE_ATTRIBUTE_SYSTEM);
  for (const char* nothing : {"C:\\G\\u*.wav", "C:\\G\\t*.wav", "C:\\G\\t??.mix"}) {
    EXPECT_FALSE(platform::AnyMatch(nothing, true)) << nothing;
  }
  SetFileAttributesA("C:\\G\\t1.mix", FILE_ATTRIBUTE_HIDDEN);
  EXPECT_TRUE(platform::WriteWholeFile("C:\\G\\T1.mix", "new"));
  EXPECT_NE(GetFileAttributesA("C:\\G\\t1.mix") & FILE_ATTRIBUTE_HIDDEN, 0u);
  EXPECT_EQ(platform::UserConfigFolder(), platform::EnvironmentVariable("APPDATA") + "\\kvpm");
}

}  // namespace
}  // namespace kvpm::test
