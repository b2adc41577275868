// A Wine prefix: its text registry, dosdevices, the mount table, files and XDG; and the
// launchers' prefixes in fake home folders, one layout a row, each file shaped as its
// launcher writes it.

#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
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
// values in the escapes of Wine's writer.
TEST_F(WinePrefixTest, TheRegistryAnswersAsA32BitProgramSeesItInWinesEscapes) {
  const std::string s = "HKLM\\Software\\Tallowmere\\Stress Test\\";
  const Pairs real = {
      {"HKLM\\SOFTWARE\\Tallowmere\\Korvale\\Version", "65537"},
      {"HKLM\\Software\\Morvane\\Morvane Games\\Velmora Anthology\\kv_executable",
       "gamemd.exe"},
      {"HKLM\\System\\CurrentControlSet\\Control\\Class\\{4d36e968-e325-11ce-bfc1-08002be10318}"
       "\\Class", "Display"},
      {"HKLM\\Software\\Classes\\.chm\\", "chm.file"}, {s, "default data v32"},
      {s + "NonAscii", "caf\xc3\xa9 \xe6\xbc\xa2\xe5\xad\x97 \xc3\xa9" "1 v32"}, {s + "Binary", ""},
      {s + "Expand", "%SystemRoot%\\system32\\x.dll"}, {s + "DwordMax", "4294967295"}};
  const std::string u = "\xef\xbf\xbd";  // U+FFFD for a surrogate without its partner
  const Pairs written = {
      {R"("a\0b")", "a"}, {R"("\a\b\e\f\n\r\t\v\q")", "\a\b\x1b\f\n\r\t\vq"}, {R"("\xzz")", "xzz"},
      {R"("\xd83d\x41\xd83dx\xde00\xd83d")", u + "A" + u + "x" + u + u}, {R"("ends in \)", ""},
      {R"("\xd83d\xde00!\351")", "\xf0\x9f\x98\x80!\xc3\xa9"}, {R"("abc)", ""},
      {R"("\75\101\0")", "=A"}, {"dword:1a", "26"}, {"dword:xyz", ""}, {"dword:1a;", ""},
      {"dword:100000000", ""}};
  const std::string sample = At("system.reg"), fixture = KVPM_FIXTURES_DIR "/wine-system.reg.gz";
  ASSERT_EQ(std::system(("gzip -dc '" + fixture + "' >" + sample).c_str()), 0);
  std::string reg = ReadBytes(sample) + "\n[Software\\\\E] 1\n";
  int n = 0;
  for (const auto& [data, text] : written) reg += "\"" + std::to_string(n++) + "\"=" + data + "\n";
  // Names as Wine writes them: a key's brackets and a value's quotes escaped, any character
  // above "~" as its code.
  WriteBytes(sample, reg + "\"\\x00e9\"=\"named\"\n[software\\\\e] 3\r\n@=\"again\"\r\n\"0\"=\"\"" +
                         R"(
[Software\\Caf\x00e9 \[1\]] 5
"say \"hi\" [x] \x00e9"="quoted")");
  WriteBytes(At("user.reg"),
             "[Software\\\\Wow6432Node\\\\W] 1\n\"d:\"=\"-\"\n[Software\\\\W] 1\n\"d:\"=\"cd\"");
  for (const auto& [path, text] : real) EXPECT_EQ(ReadRegistryText(path), text) << path;
  n = 0;
  for (const auto& [data, text] : written) {
    EXPECT_EQ(ReadRegistryText("HKLM\\Software\\E\\" + std::to_string(n++)), text) << data;
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

// One fake home a row: the files of tests/fixtures/launchers/FOLDER as each launcher writes
// them, "%" in them standing for the row's own folder, which holds the home (%/home) and the
// XDG folders (%/config, %/data).
struct Layout {
  std::string name, folder;
  std::vector<std::string> found;       // launcher and folder below %
  Pairs links = {};                     // link, target
  std::vector<std::string> extras = {};  // empty files whose names no Windows checkout can hold
};

const std::string kGold = "/home/Games/Korvale Gold Edition, Installed From The Two Original";
const std::string kSteam = "/home/.local/share/Steam/steamapps/compatdata/";

const Layout kLayouts[] = {
    {.name = "Wine", .folder = "wine", .found = {"Wine /home/.wine"}},
    {.name = "Lutris: safe_dump's escape, folded line and doubled quote; the same in ~/Games",
     .folder = "lutris-escapes",
     .found = {"Lutris /home/jos\xc3\xa9/kv", "Lutris " + kGold + " CDs",
               "Lutris /home/korvale's #1"}},
    {.name = "Lutris: no prefix, the folder above the executable; Flatpak",
     .folder = "lutris-exe-flatpak",
     .found = {"Lutris /home/kv", "Lutris /home/.var/app/net.lutris.Lutris/flat"}},
    {.name = "Bottles: native, Flatpak, placeholder.yml of a custom path, data.yml's own folder",
     .folder = "bottles",
     .found = {"Bottles /mnt/Custom", "Bottles /data/bottles/bottles/Korvale",
               "Bottles /moved/Moved",
               "Bottles /home/.var/app/com.usebottles.bottles/data/bottles/bottles/Flat"}},
    {.name = "Heroic Flatpak: a game's Proton prefix, its system.reg in pfx/",
     .folder = "heroic-flatpak-proton", .found = {"Heroic /home/Proton KV/pfx"}},
    {.name = "Heroic: config.json's default prefix, for a game that names none; the older layout",
     .folder = "heroic-default",
     .found = {"Heroic /home/Default", "Heroic /home/Games/Heroic/Prefixes/Korvale/pfx",
               "Heroic /home/Games/Heroic/Prefixes/default/Korvale"}},
    {.name = "Faugus: games.json, the older one in ~/.config, Flatpak, ~/Faugus",
     .folder = "faugus",
     .found = {"Faugus /home/KV", "Faugus /home/Old", "Faugus /home/Faugus/korvale",
               "Faugus /home/Flat"}},
    {.name = "Minigalaxy: config.json's install_dir, else ~/GOG Games; umu",
     .folder = "minigalaxy-umu",
     .found = {"Minigalaxy /home/GOG/Korvale/prefix", "Minigalaxy /home/GOG Games/Flat/prefix",
               "umu /home/Games/umu/umu-default"}},
    {.name = "PlayOnLinux, CrossOver", .folder = "playonlinux-crossover",
     .found = {"PlayOnLinux /home/.PlayOnLinux/wineprefix/KV", "CrossOver /home/.cxoffice/KV"}},
    {.name = "Steam: libraryfolders.vdf with an escaped quote; ~/.steam/steam links to it",
     .folder = "steam-listing",
     .found = {"Steam " + kSteam + "2210/pfx", "Steam /SSD \"Games\"/steamapps/compatdata/2211/pfx"},
     .links = {{"%/home/.steam/steam", "%/home/.local/share/Steam"}},
     .extras = {"%/SSD \"Games\"/steamapps/compatdata/2211/pfx/system.reg"}},
    {.name = "Steam: $XDG_DATA_HOME, ~/.steam/root, Debian's, Flatpak; Snap, an older listing",
     .folder = "steam-folders",
     .found = {"Steam /data/Steam/steamapps/compatdata/1/pfx",
               "Steam /home/.steam/root/steamapps/compatdata/2/pfx",
               "Steam /home/.steam/debian-installation/steamapps/compatdata/3/pfx",
               "Steam /home/.var/app/com.valvesoftware.Steam/.local/share/Steam/steamapps/"
               "compatdata/4/pfx",
               "Steam /old/steamapps/compatdata/5/pfx", "Steam /o\\ld/steamapps/compatdata/6/pfx"},
     .extras = {"%/o\\ld/steamapps/compatdata/6/pfx/system.reg"}},
    {.name = "Half-written files, files of another shape, folders without system.reg, a link loop",
     .folder = "broken", .found = {}, .links = {{"%/home/Games/loop", "%/home/Games/loop"}}},
};

TEST(WinePrefixes, EachLayoutOfEachLauncherIsFoundEachRealFolderOnce) {
  for (const Layout& layout : kLayouts) {
    FakePrefix world;
    const auto at = [&world](std::string text) {
      for (std::size_t pos; (pos = text.find('%')) != std::string::npos;) {
        text.replace(pos, 1, world.Root());
      }
      return text;
    };
    const fs::path files = KVPM_FIXTURES_DIR "/launchers/" + layout.folder;
    for (const auto& file : fs::recursive_directory_iterator(files)) {
      if (!file.is_regular_file()) continue;
      const std::string relative = fs::relative(file.path(), files).string();
      WriteBytes(world.Root() + "/" + relative, at(ReadBytes(file.path().string())));
    }
    for (const std::string& extra : layout.extras) WriteBytes(at(extra), "");
    for (const auto& [link, target] : layout.links) {
      fs::create_directories(fs::path(at(link)).parent_path());
      fs::create_directory_symlink(at(target), at(link));
    }
    std::vector<std::string> found;
    for (const platform::WinePrefix& prefix :
         platform::LauncherPrefixes({at("%/home"), at("%/config"), at("%/data")})) {
      found.push_back(prefix.launcher + " " + prefix.folder.substr(world.Root().size()));
    }
    EXPECT_EQ(found, layout.found) << layout.name;
  }
}

}  // namespace
}  // namespace kvpm::test
