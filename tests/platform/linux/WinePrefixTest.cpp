// A Wine prefix: its text registry, dosdevices, the mount table, files and XDG; and the launchers'
// prefixes in fake home folders, one layout a row, each file shaped as its launcher writes it.

#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "support/FakePrefix.h"
#include "platform/Drives.h"
#include "platform/Environment.h"
#include "platform/Files.h"
#include "platform/Paths.h"
#include "platform/ProgramFolder.h"
#include "platform/Registry.h"
#include "platform/WinePrefixes.h"

namespace kvpm::test {
namespace {

namespace fs = std::filesystem;
using platform::ReadRegistryText;
using Pairs = std::vector<std::pair<std::string, std::string>>;

class WinePrefixTest : public ::testing::Test {
 protected:
  std::string At(const std::string& relative) const { return prefix.Root() + "/" + relative; }
  FakePrefix prefix;
  const std::string drive = At("dosdevices/c:");
};

// A real Wine 8 system.reg with the game's keys in the 32-bit view, and after it
// tests/fixtures/registry/escapes.reg: values in the escapes of Wine's writer, and names as
// Wine writes them (a key's brackets and a value's quotes escaped, any character above "~"
// as its code); user.reg beside it is the current user's.
TEST_F(WinePrefixTest, TheRegistryAnswersAsA32BitProgramSeesItInWinesEscapes) {
  const std::string s = "HKLM\\Software\\Tallowmere\\Stress Test\\";
  const Pairs real = {
      {"HKLM\\SOFTWARE\\Tallowmere\\Korvale\\Version", "65537"},
      {"HKLM\\Software\\Morvane\\Morvane Games\\Velmora Anthology\\kv_executable", "gamemd.exe"},
      {"HKLM\\System\\CurrentControlSet\\Control\\Class\\{4d36e968-e325-11ce-bfc1-08002be10318}"
       "\\Class", "Display"},
      {"HKLM\\Software\\Classes\\.chm\\", "chm.file"}, {s, "default data v32"},
      {s + "NonAscii", "caf\xc3\xa9 \xe6\xbc\xa2\xe5\xad\x97 \xc3\xa9" "1 v32"}, {s + "Binary", ""},
      {s + "Expand", "%SystemRoot%\\system32\\x.dll"}, {s + "DwordMax", "4294967295"}};
  const std::string u = "\xef\xbf\xbd";  // U+FFFD for a surrogate without its partner
  const std::string written[] = {  // E\0 to E\11
      "a", "\a\b\x1b\f\n\r\t\vq", "xzz", u + "A" + u + "x" + u + u, "", "\xf0\x9f\x98\x80!\xc3\xa9",
      "", "=A", "26", "", "", ""};
  const std::string sample = At("system.reg"), fixtures = KVPM_FIXTURES_DIR "/";
  ASSERT_EQ(std::system(("gzip -dc '" + fixtures + "wine-system.reg.gz' >" + sample).c_str()), 0);
  WriteBytes(sample, ReadBytes(sample) + ReadBytes(fixtures + "registry/escapes.reg"));
  WriteBytes(At("user.reg"), ReadBytes(fixtures + "registry/user.reg"));
  for (const auto& [path, text] : real) EXPECT_EQ(ReadRegistryText(path), text) << path;
  for (int n = 0; n < 12; ++n) {
    EXPECT_EQ(ReadRegistryText("HKLM\\Software\\E\\" + std::to_string(n)), written[n]) << n;
  }
  EXPECT_EQ(ReadRegistryText("HKLM\\Software\\E\\\xc3\xa9"), "named");
  EXPECT_EQ(ReadRegistryText("HKLM\\Software\\E\\"), "again");
  EXPECT_EQ(ReadRegistryText("HKLM\\Software\\CAF\xc3\xa9 [1]\\say \"hi\" [x] \xc3\xa9"), "quoted");
  EXPECT_EQ(ReadRegistryText("HKEY_CURRENT_USER\\Software\\W\\D:"), "cd");
  EXPECT_EQ(ReadRegistryText("HKLM\\Software\\W\\d:"), "");
}

TEST_F(WinePrefixTest, DrivesAreTheLettersOfDosdevicesThenTheHostsOpticalMedia) {
  for (const char* folder : {"cdrom", "media/KORVALE CD\\1", "media/dvd"})
    fs::create_directories(At(folder));
  for (const char* device : {"d::", "com1", "1:", "ab:"})
    fs::create_symlink("/dev/null", At("dosdevices/") + device);
  for (const auto& [letter, target] : {std::pair('z', "/"), {'D', "../cdrom"}, {'e', "../none"}})
    prefix.AddDrive(letter, target);
  prefix.SetValue("Software\\Wine\\Drives", "d:", "cdrom");
  prefix.SetValue("Software\\Wine\\Drives", "E:", "CDROM");
  prefix.SetMountTable("/dev/sda1 / ext4 rw 0 0\n/dev/sr0 " + At("media/KORVALE\\040CD\\1341") +
                       " iso9660 ro 0 0\n/dev/sr1 " + At("media/dvd") + " udf ro\n/dev/sr2 " +
                       At("media/gone") + " iso9660 ro\n/dev/sr3 /m/cd\\04 udf\n" +
                       "tmpfs /tmp tmpfs rw 0 0\nbroken\n/dev/sr4\tiso9660\n");
  std::string listed;
  for (const platform::Drive& d : platform::ListDrives()) {
    listed += d.rootPath + (d.cdrom ? " cdrom" : " fixed") + (d.ready ? " ready;" : " empty;");
  }
  EXPECT_EQ(listed, "C: fixed ready;D: cdrom ready;E: cdrom empty;Z: fixed ready;" +
                        At("media/KORVALE CD\\1") + " cdrom ready;" + At("media/dvd") +
                        " cdrom ready;" + At("media/gone") + " cdrom empty;/m/cd\\04 cdrom empty;");
}

// A native path (from a file dialog) is taken as it stands: names match
// exactly and a backslash is part of one.
TEST_F(WinePrefixTest, WindowsPathsResolveThroughDosdevicesComponentByComponent) {
  for (const char* f : {"HGMD.INI", "hgmd.ini", "Hgmd.ini"})
    prefix.CreateFile("C:\\Games\\Korvale\\" + std::string(f));
  WriteBytes(At("odd\\name"), "");
  for (const auto& [letter, target] : {std::pair('q', "/none"), {'z', "/"}, {'1', "/"}})
    prefix.AddDrive(letter, target);
  const std::string korvale = drive + "/Games/Korvale/";
  for (const auto& [path, native] : Pairs{
      {"C:/games//KORVALE\\\\HGMD.INI", korvale + "HGMD.INI"},
      {"C:\\Games\\Korvale\\hgmd.ini", korvale + "hgmd.ini"},
      {"C:\\Games\\Korvale\\hGMD.ini", korvale + "HGMD.INI"},  // the first in byte order
      {"C:\\games\\New Folder\\File.TXT", drive + "/Games/New Folder/File.TXT"},
      {"C:\\Games\\.\\Missing\\..\\korvale\\", korvale}, {"C:\\..\\..\\Games", drive + "/Games"},
      {"C:", drive}, {"c:\\", drive + "/"}, {"q:\\Games", At("dosdevices/q:/Games")},
      {"Z:\\", At("dosdevices/z:/")}, {"Q\\Games", fs::current_path().string() + "/Q/Games"},
      {At("odd\\name"), At("odd\\name")},
      {At("drive_c/Games") + "\\Korvale\\HGMD.INI", At("drive_c/Games\\Korvale\\HGMD.INI")},
      {At("drive_c/games/Korvale/HGMD.INI"), At("drive_c/games/Korvale/HGMD.INI")},
      {"R:\\x", ""}, {"1:\\x", ""}, {"\\x", ""}, {"", ""}}) {
    EXPECT_EQ(platform::ResolvePath(path), native) << path;
  }
  EXPECT_TRUE(platform::AnyMatch(korvale + "Hgmd.ini", false));
  EXPECT_FALSE(platform::AnyMatch(korvale + "hgmd.INI", false));
  // A file in a folder, such as a CD the host mounted, spelled as the folder spells it.
  const std::string folder = drive + "/Games/Korvale";
  EXPECT_EQ(platform::PathInFolder(folder, "HGMD.ini"), korvale + "HGMD.INI");
  EXPECT_EQ(platform::PathInFolder(folder, "new"), korvale + "new");
  EXPECT_EQ(platform::PathInFolder("C:", "x"), "C:\\x");
}

// A replaced file keeps its link and its permission bits, and its name may be
// as long as the file system allows; a pipe is never waited for.
TEST_F(WinePrefixTest, LinksAreFollowedAndAReplacedFileKeepsItsPermissionBits) {
  const std::string file = prefix.CreateFile("C:\\Games\\Korvale\\HGMD.INI", "old");
  fs::create_symlink(file, drive + "/Games/link.ini");
  fs::create_symlink("/none", drive + "/Games/dangling");
  fs::permissions(file, fs::perms(0640));
  EXPECT_TRUE(platform::AnyMatch("C:\\Games\\LINK.INI", false));
  EXPECT_FALSE(platform::AnyMatch("C:\\Games\\dangling", true));
  EXPECT_TRUE(platform::WriteWholeFile("C:\\Games\\link.ini", "new"));
  EXPECT_TRUE(fs::is_symlink(drive + "/Games/link.ini"));
  EXPECT_EQ(ReadBytes(file), "new");
  EXPECT_EQ(fs::status(file).permissions(), fs::perms(0640));
  EXPECT_TRUE(platform::WriteWholeFile(At(std::string(251, 'n') + ".kvl"), "x"));
  ASSERT_EQ(mkfifo(At("pipe").c_str(), 0600), 0);
  std::string bytes;
  EXPECT_EQ(platform::ReadWholeFile(At("pipe"), bytes), platform::ReadStatus::Unreadable);
}

TEST_F(WinePrefixTest, ThePrefixAndTheSettingsFolderFollowWineAndXdg) {
  const char* const names[] = {"HOME", "WINEPREFIX", "XDG_CONFIG_HOME", "XDG_DATA_HOME"};
  const std::string user = getpwuid(getuid())->pw_dir;  // the home without $HOME
  std::string old[4];
  for (int i = 0; i < 4; ++i) old[i] = platform::EnvironmentVariable(names[i]);
  struct Case { const char* values[4]; std::string prefix, settings, data; };
  const Case cases[] = {
      {{"/home/a", "/games/prefix", "/cfg", "/d"}, "/games/prefix", "/cfg/kvpm", "/d"},
      {{"/home/a", "", "relative", "d"}, "/home/a/.wine", "/home/a/.config/kvpm",
       "/home/a/.local/share"},
      {{}, user + "/.wine", user + "/.config/kvpm", user + "/.local/share"}};
  for (const Case& c : cases) {
    for (int i = 0; i < 4; ++i) c.values[i] ? setenv(names[i], c.values[i], 1) : unsetenv(names[i]);
    EXPECT_EQ(platform::DefaultPrefix(), c.prefix);
    EXPECT_EQ(platform::UserConfigFolder(), c.settings);
    EXPECT_EQ(platform::CurrentUserFolders().data, c.data);
  }
  for (int i = 0; i < 4; ++i)
    old[i].empty() ? unsetenv(names[i]) : setenv(names[i], old[i].c_str(), 1);
}

// One fake home a row of tests/fixtures/launchers/found.txt ("folder: what it shows", then each
// prefix found, launcher and folder below %, on a line of its own): the folder's files as each
// launcher writes them, "%" in them standing for the row's own folder, which holds the home
// (%/home) and the XDG folders (%/config, %/data). Made here: links (link, target) and, target
// "", empty files whose names no Windows checkout can hold.
const std::map<std::string, Pairs> kMade = {
    {"steam-listing", {{"%/home/.steam/steam", "%/home/.local/share/Steam"},
                       {"%/SSD \"Games\"/steamapps/compatdata/2211/pfx/system.reg", ""}}},
    {"steam-folders", {{"%/o\\ld/steamapps/compatdata/6/pfx/system.reg", ""}}},
    {"broken", {{"%/home/Games/loop", "%/home/Games/loop"}}}};

TEST(WinePrefixes, EachLayoutOfEachLauncherIsFoundEachRealFolderOnce) {
  std::ifstream table(KVPM_FIXTURES_DIR "/launchers/found.txt");
  std::vector<std::pair<std::string, std::vector<std::string>>> layouts;
  for (std::string line; std::getline(table, line);) {
    if (line.starts_with("  ")) {
      layouts.back().second.push_back(line.substr(2));
    } else {
      layouts.emplace_back(line, std::vector<std::string>{});
    }
  }
  ASSERT_EQ(layouts.size(), 12u);
  for (const auto& [layout, expected] : layouts) {
    FakePrefix world;
    const auto at = [&world](std::string text) {
      for (std::size_t p; (p = text.find('%')) != text.npos;) text.replace(p, 1, world.Root());
      return text;
    };
    const std::string folder = layout.substr(0, layout.find(':'));
    const fs::path files = KVPM_FIXTURES_DIR "/launchers/" + folder;
    for (const auto& file : fs::recursive_directory_iterator(files)) {
      if (!file.is_regular_file()) continue;
      const std::string relative = fs::relative(file.path(), files).string();
      WriteBytes(world.Root() + "/" + relative, at(ReadBytes(file.path().string())));
    }
    for (const auto& [made, target] : kMade.contains(folder) ? kMade.at(folder) : Pairs{}) {
      fs::create_directories(fs::path(at(made)).parent_path());
      target.empty() ? WriteBytes(at(made), "")
                     : fs::create_directory_symlink(at(target), at(made));
    }
    std::vector<std::string> found;
    for (const platform::WinePrefix& prefix :
         platform::LauncherPrefixes({at("%/home"), at("%/config"), at("%/data")})) {
      found.push_back(prefix.launcher + " " + prefix.folder.substr(world.Root().size()));
    }
    EXPECT_EQ(found, expected) << layout;
  }
}

}  // namespace
}  // namespace kvpm::test
