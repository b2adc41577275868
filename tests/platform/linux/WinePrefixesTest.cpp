// The launchers' prefixes in fake home folders, one layout a row, each file
// shaped as its launcher writes it. "%" stands for the row's own folder,
// which holds the home (%/home) and the XDG folders (%/config, %/data).

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/WinePrefixes.h"
#include "support/FakePrefix.h"

namespace kvpm::test {
namespace {

using Texts = std::vector<std::pair<std::string, std::string>>;

struct Layout {
  std::string name;
  Texts files;                     // path, bytes: a prefix is an empty system.reg
  std::vector<std::string> found;  // launcher and folder below %
  Texts links = {};                // link, target
};

const std::string kHeroicFlatpak = "%/home/.var/app/com.heroicgameslauncher.hgl/config/heroic";
const std::string kFiller =
    "\t\t\"totalsize\"\t\t\"0\"\n\t\t\"apps\"\n\t\t{\n\t\t\t\"2210\"\t\t\"0\"\n\t\t}\n";

const Layout kLayouts[] = {
    {.name = "Wine", .files = {{"%/home/.wine/system.reg", ""}}, .found = {"Wine /home/.wine"}},
    {.name =
         "Lutris: safe_dump's escape, folded line and doubled quote; the same prefix under ~/Games",
     .files =
         {{"%/data/lutris/games/a.yml",
           "game:\n  exe: gamemd.exe\n  prefix: \"%/home/jos\\xE9/kv\"\n"},
          {"%/data/lutris/games/b.yml",
           "game:\n  prefix: %/home/Games/Korvale Gold Edition, Installed From The Two Original\n"
           "    CDs\nsystem: {}\n"},
          {"%/data/lutris/games/c.yml", "game:\n  prefix: '%/home/korvale''s #1'\nwine: {}\n"},
          {"%/home/jos\xc3\xa9/kv/system.reg", ""},
          {"%/home/korvale's #1/system.reg", ""},
          {"%/home/Games/Korvale Gold Edition, Installed From The Two Original CDs/system.reg",
           ""}},
     .found = {"Lutris /home/jos\xc3\xa9/kv",
               "Lutris /home/Games/Korvale Gold Edition, Installed From The Two Original CDs",
               "Lutris /home/korvale's #1"}},
    {.name = "Lutris: no prefix, the folder above the executable; Flatpak",
     .files = {{"%/config/lutris/games/a.yml",
                "game:\n  exe: %/home/kv/drive_c/Games/gamemd.exe\n"},
               {"%/home/.var/app/net.lutris.Lutris/data/lutris/games/b.yml",
                "game:\n  prefix: ~/flat\n"},
               {"%/home/kv/system.reg", ""},
               {"%/home/kv/drive_c/Games/gamemd.exe", ""},
               {"%/home/.var/app/net.lutris.Lutris/flat/system.reg", ""}},
     .found = {"Lutris /home/kv", "Lutris /home/.var/app/net.lutris.Lutris/flat"}},
    {.name =
         "Bottles: native, Flatpak, placeholder.yml of a custom path, data.yml's bottles folder",
     .files = {{"%/data/bottles/bottles/Korvale/system.reg", ""},
               {"%/data/bottles/bottles/Custom/placeholder.yml", "Path: %/mnt/Custom\n"},
               {"%/mnt/Custom/system.reg", ""},
               {"%/data/bottles/data.yml", "custom_bottles_path: %/moved\nsplash_screen: true\n"},
               {"%/moved/Moved/system.reg", ""},
               {"%/home/.var/app/com.usebottles.bottles/data/bottles/bottles/Flat/system.reg", ""}},
     .found = {"Bottles /mnt/Custom", "Bottles /data/bottles/bottles/Korvale",
               "Bottles /moved/Moved",
               "Bottles /home/.var/app/com.usebottles.bottles/data/bottles/bottles/Flat"}},
    {.name = "Heroic Flatpak: a game's Proton prefix, its system.reg in pfx/",
     .files = {{kHeroicFlatpak + "/GamesConfig/Korvale.json",
                "{\n  \"Korvale\": {\n    \"autoInstallDxvk\": true,\n    \"winePrefix\": "
                "\"%/home/Proton "
                "KV\",\n    \"wineVersion\": {\n      \"name\": \"Proton - Proton 8.0\",\n      "
                "\"type\": "
                "\"proton\"\n    }\n  },\n  \"version\": \"v0\",\n  \"explicit\": true\n}"},
               {"%/home/Proton KV/pfx/system.reg", ""}},
     .found = {"Heroic /home/Proton KV/pfx"}},
    {.name = "Heroic: config.json's default prefix, for a game that names none; the older layout",
     .files =
         {{"%/config/heroic/config.json",
           "{\n  \"defaultSettings\": {\n    \"defaultInstallPath\": \"%/home/Games/Heroic\",\n    "
           "\"winePrefix\": \"~/Default\"\n  },\n  \"version\": \"v0\"\n}"},
          {"%/config/heroic/GamesConfig/Korvale.json", "{\n  \"Korvale\": {\n  }\n}"},
          {"%/home/Default/system.reg", ""},
          {"%/home/Games/Heroic/Prefixes/default/Korvale/system.reg", ""},
          {"%/home/Games/Heroic/Prefixes/Korvale/pfx/system.reg", ""}},
     .found = {"Heroic /home/Default", "Heroic /home/Games/Heroic/Prefixes/Korvale/pfx",
               "Heroic /home/Games/Heroic/Prefixes/default/Korvale"}},
    {.name = "Faugus: games.json, the older one in ~/.config, Flatpak, ~/Faugus",
     .files = {{"%/data/faugus-launcher/games.json",
                "[\n    {\n        \"gameid\": \"korvale\",\n        \"title\": \"Korvale\",\n     "
                "   \"path\""
                ": \"%/home/g.exe\",\n        \"prefix\": \"%/home/KV\",\n        \"runner\": "
                "\"\"\n    }\n]"},
               {"%/config/faugus-launcher/games.json", "[{\"prefix\": \"%/home/Old\"}]"},
               {"%/home/.var/app/io.github.Faugus.faugus-launcher/data/faugus-launcher/games.json",
                "[{\"prefix\": \"%/home/Flat\"}]"},
               {"%/home/KV/system.reg", ""},
               {"%/home/Old/system.reg", ""},
               {"%/home/Flat/system.reg", ""},
               {"%/home/Faugus/korvale/system.reg", ""}},
     .found = {"Faugus /home/KV", "Faugus /home/Old", "Faugus /home/Faugus/korvale",
               "Faugus /home/Flat"}},
    {.name = "Minigalaxy: config.json's install_dir, else ~/GOG Games; umu",
     .files = {{"%/config/minigalaxy/config.json",
                "{\"locale\": \"\", \"install_dir\": \"%/home/GOG\"}"},
               {"%/home/GOG/Korvale/prefix/system.reg", ""},
               {"%/home/GOG Games/Flat/prefix/system.reg", ""},
               {"%/home/Games/umu/umu-default/system.reg", ""}},
     .found = {"Minigalaxy /home/GOG/Korvale/prefix", "Minigalaxy /home/GOG Games/Flat/prefix",
               "umu /home/Games/umu/umu-default"}},
    {.name = "PlayOnLinux, CrossOver",
     .files = {{"%/home/.PlayOnLinux/wineprefix/KV/system.reg", ""},
               {"%/home/.cxoffice/KV/system.reg", ""}},
     .found = {"PlayOnLinux /home/.PlayOnLinux/wineprefix/KV", "CrossOver /home/.cxoffice/KV"}},
    {.name = "Steam: libraryfolders.vdf with an escaped quote; ~/.steam/steam links to it",
     .files =
         {{"%/home/.local/share/Steam/steamapps/libraryfolders.vdf",
           "\"libraryfolders\"\n{\n\t\"0\"\n\t{\n\t\t\"path\"\t\t\"%/home/.local/share/Steam\"\n" +
               kFiller + "\t}\n\t\"1\"\n\t{\n\t\t\"path\"\t\t\"%/SSD \\\"Games\\\"\"\n" + kFiller +
               "\t}\n}\n"},
          {"%/home/.local/share/Steam/steamapps/compatdata/2210/pfx/system.reg", ""},
          {"%/SSD \"Games\"/steamapps/compatdata/2211/pfx/system.reg", ""}},
     .found = {"Steam /home/.local/share/Steam/steamapps/compatdata/2210/pfx",
               "Steam /SSD \"Games\"/steamapps/compatdata/2211/pfx"},
     .links = {{"%/home/.steam/steam", "%/home/.local/share/Steam"}}},
    {.name = "Steam: $XDG_DATA_HOME, ~/.steam/root, Debian's, Flatpak; Snap, an older listing",
     .files =
         {{"%/data/Steam/steamapps/compatdata/1/pfx/system.reg", ""},
          {"%/home/.steam/root/steamapps/compatdata/2/pfx/system.reg", ""},
          {"%/home/.steam/debian-installation/steamapps/compatdata/3/pfx/system.reg", ""},
          {"%/home/.var/app/com.valvesoftware.Steam/.local/share/Steam/steamapps/compatdata/4/pfx/"
           "system.reg",
           ""},
          {"%/home/snap/steam/common/.local/share/Steam/steamapps/libraryfolders.vdf",
           "// written by "
           "hand\n\"LibraryFolders\"\n{\n\t\"TimeNextStatsReport\"\t\t\"1700000000\"\n"
           "\t\"1\"\t\t\"%/old\"\t[$LINUX]\n\t2 \"%/o\\\\ld\"\n}\n"},
          {"%/old/steamapps/compatdata/5/pfx/system.reg", ""},
          {"%/o\\ld/steamapps/compatdata/6/pfx/system.reg", ""}},
     .found =
         {"Steam /data/Steam/steamapps/compatdata/1/pfx",
          "Steam /home/.steam/root/steamapps/compatdata/2/pfx",
          "Steam /home/.steam/debian-installation/steamapps/compatdata/3/pfx",
          "Steam "
          "/home/.var/app/com.valvesoftware.Steam/.local/share/Steam/steamapps/compatdata/4/pfx",
          "Steam /old/steamapps/compatdata/5/pfx", "Steam /o\\ld/steamapps/compatdata/6/pfx"}},
    {.name =
         "Half-written files, files of another shape, folders without system.reg, a looping link",
     .files = {{"%/data/lutris/games/a.yml", "game:\n  prefix: \"%/p"},
               {"%/data/lutris/games/b.yml", "- game\n- prefix: %/p\n"},
               {"%/data/lutris/games/c.yml", "game:\n  prefix: %/nowhere\n"},
               {"%/data/bottles/bottles/a/placeholder.yml", "\x89PNG\r\n\x1a\n"},
               {"%/config/heroic/GamesConfig/a.json", "{\n  \"a\": {\n    \"winePrefix\": \"%/p"},
               {"%/data/faugus-launcher/games.json", "[{\"prefix\": 7}, {\"prefix\": [\"%/p\"]}]"},
               {"%/home/.local/share/Steam/steamapps/libraryfolders.vdf",
                "\"libraryfolders\"\n{\n\t\"1\"\n\t{\n\t\t\"path\"\t\t\"%/lib\"\n\t\tcontent"},
               {"%/home/.local/share/Steam/config/libraryfolders.vdf",
                "\"libraryfolders\" { \"1\" \"%/lib"},
               {"%/lib/steamapps/compatdata/1/pfx/system.reg", ""},
               {"%/p/system.reg", ""},
               {"%/home/Games/a/system.reg/x", ""},
               {"%/home/Games/b/x", ""}},
     .found = {},
     .links = {{"%/home/Games/loop", "%/home/Games/loop"}}},
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
    for (const auto& [path, bytes] : layout.files) WriteBytes(at(path), at(bytes));
    for (const auto& [link, target] : layout.links) {
      std::filesystem::create_directories(std::filesystem::path(at(link)).parent_path());
      std::filesystem::create_directory_symlink(at(target), at(link));
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
