// What the program meets in a Wine prefix: the text registry, dosdevices
// and the host's mount table, Linux files and the XDG settings folder.

#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "lean/FakePrefix.h"
#include "platform/Drives.h"
#include "platform/Files.h"
#include "platform/Paths.h"
#include "platform/ProgramFolder.h"
#include "platform/Registry.h"

namespace kvpm::test {
namespace {

namespace fs = std::filesystem;
using platform::ReadRegistryText;

class WinePrefixTest : public ::testing::Test {
 protected:
  std::string At(const std::string& relative) const { return prefix.Root() + "/" + relative; }
  FakePrefix prefix;
  const std::string drive = At("dosdevices/c:");
};

TEST_F(WinePrefixTest, ARealPrefixAnswersAsA32BitProgramSeesIt) {
  // The system.reg of a fresh 64-bit Wine 8 prefix with the game's keys in the 32-bit view.
  const std::string unpack =
      "gzip -dc '" KVPM_FIXTURES_DIR "/wine-system.reg.gz' > '" + At("system.reg'");
  ASSERT_EQ(std::system(unpack.c_str()), 0);
  const std::string stress = "HKLM\\SOFTWARE\\Tallowmere\\Stress Test\\";
  struct Case {
    std::string path, text;
  } const cases[] = {
      {"HKLM\\SOFTWARE\\Tallowmere\\Korvale\\InstallPath", "C:\\Games\\Harrowgate\\gamemd.exe"},
      {"HKLM\\SOFTWARE\\Tallowmere\\Korvale\\Version", "65537"},
      {"HKLM\\Software\\Morvane\\Morvane Games\\Velmora Anthology\\kv_executable", "gamemd.exe"},
      {"HKLM\\System\\CurrentControlSet\\Control\\Class\\{4d36e968-e325-11ce-bfc1-08002be10318}"
       "\\Class", "Display"},
      {"HKLM\\Software\\Classes\\.chm\\", "chm.file"}, {stress, "default data v32"},
      {stress + "Quote", "He said \"hi\" in C:\\Temp\\"},
      {stress + "Odd \"Name\"", "quote in the value name"},
      {stress + "NonAscii", "caf\xc3\xa9 \xe6\xbc\xa2\xe5\xad\x97 \xc3\xa9" "1 v32"},
      {stress + "Expand", "%SystemRoot%\\system32\\x.dll"}, {stress + "DwordMax", "4294967295"},
      {stress + "Multi", ""}, {stress + "Qword", ""}, {stress + "Binary", ""}};
  for (const Case& c : cases) EXPECT_EQ(ReadRegistryText(c.path), c.text) << c.path;
}

// The view of 32-bit programs is one of HKLM\Software alone; HKCU is user.reg.
TEST_F(WinePrefixTest, EscapesAndDataTypesOfWinesWriterAndItsKeyFiles) {
  struct Case {
    std::string data, text;
  } const cases[] = {
      {R"("a\0b")", "a"}, {R"("\a\b\e\f\n\r\t\v\q")", "\a\b\x1b\f\n\r\t\vq"}, {R"("\xzz")", "xzz"},
      {R"("\xd83d\xde00!\351")", "\xf0\x9f\x98\x80!\xc3\xa9"}, {R"("\xd83d")", "\xef\xbf\xbd"},
      {R"("\xd83dx\xde00")", "\xef\xbf\xbdx\xef\xbf\xbd"}, {R"("abc)", ""}, {R"("ends in \)", ""},
      {"dword:1a", "26"}, {"dword:xyz", ""}, {"dword:1a;", ""}, {"dword:100000000", ""},
      {"str(2):\"x\"", "x"}, {"hex:61,00", ""}};
  std::string reg = "[Software\\\\E] 1\n";
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    reg += "\"" + std::to_string(i) + "\"=" + cases[i].data + "\n";
  }
  prefix.SetSystemReg(reg + "[Hardware\\\\Wow6432Node\\\\T] 2\n\"\\x00e9t\\351\"=\"not a view\"\n" +
                      "[Hardware\\\\T] 2\n\"\\x00e9t\\351\"=\"named\"\n" +
                      "[software\\\\e] 3\r\n@=\"again\"\r\n\"0\"=\"not first\"\n");
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(ReadRegistryText("HKLM\\Software\\E\\" + std::to_string(i)), cases[i].text) << i;
  }
  EXPECT_EQ(ReadRegistryText("HKLM\\Hardware\\T\\\xc3\xa9t\xc3\xa9"), "named");
  EXPECT_EQ(ReadRegistryText("HKLM\\Software\\E\\"), "again");
  WriteBytes(At("user.reg"),
             "[Software\\\\Wow6432Node\\\\W] 1\n\"d:\"=\"no\"\n[Software\\\\W] 1\n\"d:\"=\"cd\"");
  EXPECT_EQ(ReadRegistryText("HKEY_CURRENT_USER\\Software\\W\\D:"), "cd");
  EXPECT_EQ(ReadRegistryText("HKLM\\Software\\W\\d:"), "");
}

TEST_F(WinePrefixTest, DrivesAreTheLettersOfDosdevicesThenTheHostsOpticalMedia) {
  for (const char* folder : {"cdrom", "disk", "media/KORVALE CD\\1", "media/dvd"}) {
    fs::create_directories(At(folder));
  }
  for (const char* device : {"d::", "com1", "1:", "ab:"}) {
    fs::create_symlink("/dev/null", At("dosdevices/") + device);
  }
  for (const auto& [letter, target] : {std::pair('z', "/"), {'D', "../cdrom"}, {'e', "../none"},
                                       {'f', "../disk"}}) {
    prefix.AddDrive(letter, target);
  }
  prefix.SetValue("Software\\Wine\\Drives", "d:", "cdrom");
  prefix.SetValue("Software\\Wine\\Drives", "E:", "CDROM");
  prefix.SetValue("Software\\Wine\\Drives", "f:", "hd");
  prefix.SetMountTable("/dev/sda1 / ext4 rw 0 0\n/dev/sr0 " + At("media/KORVALE\\040CD\\1341") +
                       " iso9660 ro 0 0\n/dev/sr1 " + At("media/dvd") + " udf ro\n/dev/sr2 " +
                       At("media/gone") + " iso9660 ro\n/dev/sr3 /m/cd\\04 udf\n" +
                       "tmpfs /tmp tmpfs rw 0 0\nbroken\n/dev/sr4\tiso9660\n");
  std::string listed;
  for (const platform::Drive& d : platform::ListDrives()) {
    listed += d.rootPath + (d.cdrom ? " cdrom" : " fixed") + (d.ready ? " ready;" : " empty;");
  }
  EXPECT_EQ(listed, "C: fixed ready;D: cdrom ready;E: cdrom empty;F: fixed ready;Z: fixed ready;" +
                        At("media/KORVALE CD\\1") + " cdrom ready;" + At("media/dvd") +
                        " cdrom ready;" + At("media/gone") + " cdrom empty;/m/cd\\04 cdrom empty;");
  fs::remove_all(At("dosdevices"));
  prefix.SetMountTable("");
  EXPECT_TRUE(platform::ListDrives().empty());
}

// A native path (from a file dialog) is taken literally when it exists.
TEST_F(WinePrefixTest, WindowsPathsResolveThroughDosdevicesComponentByComponent) {
  for (const char* file : {"HGMD.INI", "hgmd.ini", "Hgmd.ini"}) {
    prefix.CreateFile("C:\\Games\\Korvale\\" + std::string(file));
  }
  WriteBytes(At("odd\\name"), "");
  for (const auto& [letter, target] : {std::pair('q', "/none"), {'z', "/"}, {'1', "/"}}) {
    prefix.AddDrive(letter, target);
  }
  const std::string korvale = drive + "/Games/Korvale/";
  struct Case {
    std::string path, native;
  } const cases[] = {
      {"C:/games//KORVALE\\\\HGMD.INI", korvale + "HGMD.INI"},
      {"C:\\Games\\Korvale\\hgmd.ini", korvale + "hgmd.ini"},
      {"C:\\Games\\Korvale\\hGMD.ini", korvale + "HGMD.INI"},  // the first in byte order
      {"C:\\games\\New Folder\\File.TXT", drive + "/Games/New Folder/File.TXT"},
      {"C:\\Games\\.\\Missing\\..\\korvale\\", korvale}, {"C:\\..\\..\\Games", drive + "/Games"},
      {"C:", drive}, {"c:\\", drive + "/"}, {"q:\\Games", At("dosdevices/q:/Games")},
      {"Z:\\", At("dosdevices/z:/")}, {"Q\\Games", fs::current_path().string() + "/Q/Games"},
      {At("odd\\name"), At("odd\\name")},
      {At("drive_c/Games") + "\\korvale\\hgmd.INI", At("drive_c/Games/Korvale/HGMD.INI")},
      {"R:\\Games", ""}, {"1:\\Games", ""}, {"\\Games", ""}, {"", ""}};
  for (const Case& c : cases) EXPECT_EQ(platform::ResolvePath(c.path), c.native) << c.path;
}

// Links are followed, and a replaced file keeps its link and its permission bits.
TEST_F(WinePrefixTest, LinksAreFollowedAndAReplacedFileKeepsItsPermissionBits) {
  const std::string file = prefix.CreateFile("C:\\Games\\Korvale\\HGMD.INI", "old");
  fs::create_symlink(file, drive + "/Games/link.ini");
  fs::create_symlink("/none", drive + "/Games/dangling");
  ASSERT_EQ(chmod(file.c_str(), 0640), 0);
  EXPECT_TRUE(platform::AnyMatch("C:\\Games\\LINK.INI", false));
  EXPECT_FALSE(platform::AnyMatch("C:\\Games\\dangling", true));
  EXPECT_FALSE(platform::AnyMatch("/dev/null", false));
  EXPECT_EQ(platform::CanonicalPath("C:\\Games\\link.ini"), fs::canonical(file).string());
  EXPECT_TRUE(platform::WriteWholeFile("C:\\Games\\link.ini", "new"));
  EXPECT_TRUE(fs::is_symlink(drive + "/Games/link.ini"));
  EXPECT_EQ(ReadBytes(file), "new");
  struct stat status;
  ASSERT_EQ(stat(file.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 07777, 0640u);
  ASSERT_EQ(mkfifo(At("pipe").c_str(), 0600), 0);
  std::string bytes;
  EXPECT_EQ(platform::ReadWholeFile(At("pipe"), bytes), platform::ReadStatus::Unreadable);
}

TEST_F(WinePrefixTest, ThePrefixAndTheSettingsFolderFollowWineAndXdg) {
  const char* const names[] = {"HOME", "WINEPREFIX", "XDG_CONFIG_HOME"};
  std::optional<std::string> saved[3];
  for (int i = 0; i < 3; ++i) {
    if (const char* value = std::getenv(names[i])) saved[i] = value;
  }
  const std::string home = getpwuid(getuid())->pw_dir;
  struct Case {
    const char* values[3];
    std::string prefix, settings;
  } const cases[] = {{{"/home/a", "/games/prefix", "/cfg"}, "/games/prefix", "/cfg/kvpm"},
                     {{"/home/a", "", "relative"}, "/home/a/.wine", "/home/a/.config/kvpm"},
                     {{nullptr, nullptr, nullptr}, home + "/.wine", home + "/.config/kvpm"}};
  for (const Case& c : cases) {
    for (int i = 0; i < 3; ++i) c.values[i] ? setenv(names[i], c.values[i], 1) : unsetenv(names[i]);
    EXPECT_EQ(platform::DefaultPrefix(), c.prefix);
    EXPECT_EQ(platform::UserConfigFolder(), c.settings);
  }
  for (int i = 0; i < 3; ++i) {
    saved[i] ? setenv(names[i], saved[i]->c_str(), 1) : unsetenv(names[i]);
  }
}

}  // namespace
}  // namespace kvpm::test
