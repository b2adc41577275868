// The launchers' prefixes in a fake home folder laid out as each launcher keeps it.

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/WinePrefixes.h"
#include "support/FakePrefix.h"

namespace kvpm::test {
namespace {

TEST(WinePrefixes, EachLaunchersPrefixesAreFoundOnceInOrder) {
  FakePrefix world;
  const std::string home = world.Root() + "/home", library = world.Root() + "/library";
  const auto prefix = [](const std::string& folder) { WriteBytes(folder + "/system.reg", "WINE"); };
  prefix(home + "/.wine");
  WriteBytes(home + "/.config/lutris/games/rts-1.yml",
             "game:\n  exe: gamemd.exe\n  prefix: " + home + "/Games/rts\nsystem: {}\n");
  WriteBytes(home + "/.local/share/lutris/games/broken.yml", "game:\n  prefix:\n");
  prefix(home + "/Games/rts");  // listed with ~/Games as well
  prefix(home + "/Games/korvale");
  prefix(home + "/.local/share/bottles/bottles/Classic Games");
  prefix(home + "/Games/Heroic/Prefixes/Korvale");
  WriteBytes(home + "/.config/heroic/GamesConfig/abc.json",
             "{\n  \"abc\": {\n    \"winePrefix\": \"~/heroic\\\\abc\",\n    \"x\": 1\n  }\n}\n");
  prefix(home + "/heroic\\abc");
  prefix(home + "/.PlayOnLinux/wineprefix/Korvale");
  prefix(home + "/.cxoffice/Korvale");
  const std::string steam = home + "/.local/share/Steam";
  prefix(steam + "/steamapps/compatdata/2210/pfx");
  WriteBytes(steam + "/steamapps/libraryfolders.vdf",
             "\"libraryfolders\"\n{\n\t\"0\"\n\t{\n\t\t\"path\"\t\t\"" + steam +
                 "\"\n\t}\n\t\"1\"\n\t{\n\t\t\"path\"\t\t\"" + library + "\"\n\t}\n}\n");
  prefix(library + "/steamapps/compatdata/2211/pfx");
  // Passed over: a link to a Steam folder seen before, a folder without
  // system.reg, a link that loops, a configuration naming a missing folder.
  std::filesystem::create_directories(home + "/.steam");
  std::filesystem::create_directory_symlink(steam, home + "/.steam/steam");
  std::filesystem::create_directories(home + "/Games/notes");
  std::filesystem::create_directory_symlink(home + "/Games/loop", home + "/Games/loop");
  WriteBytes(home + "/.config/lutris/games/gone.yml", "game:\n  prefix: /nowhere\n");

  std::vector<std::string> found;
  for (const platform::WinePrefix& p : platform::LauncherPrefixes(home)) {
    found.push_back(p.launcher + " " + p.folder.substr(world.Root().size()));
  }
  EXPECT_EQ(found, (std::vector<std::string>{
                       "Wine /home/.wine",
                       "Lutris /home/Games/rts",
                       "Lutris /home/Games/korvale",
                       "Bottles /home/.local/share/bottles/bottles/Classic Games",
                       "Heroic /home/Games/Heroic/Prefixes/Korvale",
                       "Heroic /home/heroic\\abc",
                       "PlayOnLinux /home/.PlayOnLinux/wineprefix/Korvale",
                       "CrossOver /home/.cxoffice/Korvale",
                       "Steam /home/.local/share/Steam/steamapps/compatdata/2210/pfx",
                       "Steam /library/steamapps/compatdata/2211/pfx",
                   }));
}

}  // namespace
}  // namespace kvpm::test
