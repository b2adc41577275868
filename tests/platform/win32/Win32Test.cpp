#include <gtest/gtest.h>

#include "support/Program.h"
#include "platform/Files.h"
#include "platform/Paths.h"
#include "platform/ProgramFolder.h"
#include "platform/Registry.h"
#include "platform/win32/WindowsApi.h"
#include "playlistfiles/RecentFiles.h"
#include "settings/Settings.h"
#include "state/ShowState.h"

namespace kvpm::test {
namespace {

// Windows also matches 8.3 aliases ("t*.wav" finds "track.wave") and lets "?"
// before a dot match nothing; the program's patterns mean the long names only.
TEST(Win32Test, SystemFilesAndAliasesDoNotCountAndSettingsGoToAppData) {
  FakePrefix prefix;
  for (const char* f : {"C:\\G\\u.wav", "C:\\G\\track.wave", "C:\\G\\t1.mix"}) prefix.CreateFile(f);
  SetFileAttributesW(L"C:\\G\\u.wav", FILE_ATTRIBUTE_SYSTEM);
  for (const char* nothing : {"C:\\G\\u*.wav", "C:\\G\\t*.wav", "C:\\G\\t??.mix"}) {
    EXPECT_FALSE(platform::AnyMatch(nothing, true)) << nothing;
  }
  SetFileAttributesW(L"C:\\G\\t1.mix", FILE_ATTRIBUTE_HIDDEN);
  EXPECT_TRUE(platform::WriteWholeFile("C:\\G\\T1.mix", "new"));
  EXPECT_NE(GetFileAttributesW(L"C:\\G\\t1.mix") & FILE_ATTRIBUTE_HIDDEN, 0u);
  EXPECT_EQ(platform::UserConfigFolder(), platform::EnvironmentVariable("APPDATA") + "\\kvpm");
}

// The test system's code page is 1252, which spells none of these names but
// the first: files, registry values and the environment give them all back.
TEST(Win32Test, NamesBeyondTheSystemsCodePageReachTheSystem) {
  FakePrefix prefix;
  for (const std::string folder : {"C:\\Müsik", "C:\\Плейлисты", "C:\\プレイリスト", "C:\\🎵"}) {
    prefix.CreateFolder(folder);
    const std::string file = folder + "\\rock.kvl";
    std::string bytes;
    EXPECT_TRUE(platform::WriteWholeFile(file, "[Themes]") && platform::FileExists(file) &&
                platform::AnyMatch(folder + "\\r*.kvl", false) &&
                platform::ReadWholeFile(file, bytes) == platform::ReadStatus::Ok &&
                platform::FileExists(platform::CanonicalPath(file))) << folder;
    EXPECT_EQ(ReadBytes(file) + bytes, "[Themes][Themes]");
    EXPECT_TRUE(platform::DeleteFile(file) && !platform::FileExists(file)) << folder;
  }
  prefix.SetValue(kExpansionKey, "InstallPath", "C:\\Игры\\gamemd.exe");
  EXPECT_EQ(platform::ReadRegistryText("HKLM\\Software\\Tallowmere\\Korvale\\InstallPath"),
            "C:\\Игры\\gamemd.exe");
  const std::string appData = platform::EnvironmentVariable("APPDATA");
  SetEnvironmentVariableW(L"APPDATA", platform::Wide(prefix.CreateFolder("C:\\Пётр")).c_str());
  EXPECT_EQ(SettingsFilePath("Q:\\"), "C:\\Пётр\\kvpm/kvpm.ini");  // the program's folder is gone
  EXPECT_TRUE(platform::AnyMatch("C:\\Пётр\\kvpm\\", true));
  SetEnvironmentVariableW(L"APPDATA", platform::Wide(appData).c_str());
}

// An earlier version kept the recent files in the system's code page: they
// open, and are kept in UTF-8 once the list changes.
using Win32ProgramTest = Program;
TEST_F(Win32ProgramTest, RecentFilesOfAnEarlierVersionOpen) {
  prefix.CreateFile("C:\\Müsik\\a.kvl", "[KVPMINTR]\r\nOption=1\r\n");
  const std::string settings = "[General]\r\nShowDisclaimer=no\r\n[RecentFiles]\r\n0=C:\\M";
  WriteBytes(programFolder + "/kvpm.ini", settings + "\xFCsik\\a.kvl\r\n");
  Start();
  OpenRecentFile(state, 1);
  EXPECT_EQ(ShowState(state).menu_file[1].caption + std::to_string(dialogs.texts.size()),
            "&1 C:\\Müsik\\a.kvl0");
  EXPECT_EQ(ReadBytes(programFolder + "/kvpm.ini"),
            settings + "\xC3\xBCsik\\a.kvl\r\n1=\r\n2=\r\n3=\r\n4=\r\n5=\r\n6=\r\n7=\r\n8=\r\n");
}

}  // namespace
}  // namespace kvpm::test
