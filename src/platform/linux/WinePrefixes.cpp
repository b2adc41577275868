#include "platform/WinePrefixes.h"

#include <algorithm>
#include <set>

#include "platform/AsciiText.h"
#include "platform/Files.h"
#include "platform/linux/LauncherFiles.h"
#include "platform/linux/PrefixList.h"
#include "platform/linux/SteamVdf.h"

namespace platform {

namespace {

// Where one install of a launcher keeps its files: natively in the user's
// XDG folders; as a Flatpak in folders of its own under ~/.var/app/ID, which
// is also what "~/" in its files may stand for.
struct LauncherFolders {
  std::string config;
  std::string data;
  std::vector<std::string> homes;  // what "~" in its files stands for
};

std::vector<LauncherFolders> Installs(const UserFolders& user, const std::string& flatpakId) {
  const std::string app = user.home + "/.var/app/" + flatpakId;
  return {{user.config, user.data, {user.home}},
          {app + "/config", app + "/data", {app, user.home}}};
}

// Lutris' own rule for a game whose configuration names no prefix: the
// nearest folder above the executable that holds system.reg.
std::string PrefixAbove(const std::string& executable) {
  for (std::size_t slash = executable.rfind('/'); slash != 0 && slash != std::string::npos;
       slash = executable.rfind('/', slash - 1)) {
    const std::string folder = executable.substr(0, slash);
    if (FileExists(folder + "/system.reg")) return folder;
  }
  return "";
}

void AddLutris(PrefixList& list, const UserFolders& user) {
  for (const LauncherFolders& lutris : Installs(user, "net.lutris.Lutris")) {
    for (const std::string& games :
         {lutris.config + "/lutris/games", lutris.data + "/lutris/games"}) {
      for (const std::string& file : Entries(games)) {
        const std::string prefix = YamlText(file, {"game", "prefix"});
        if (!prefix.empty()) {
          list.AddConfigured("Lutris", prefix, lutris.homes);
          continue;
        }
        for (const std::string& exe : Expanded(YamlText(file, {"game", "exe"}), lutris.homes)) {
          list.Add("Lutris", PrefixAbove(exe));
        }
      }
    }
  }
  list.AddEach("Lutris", user.home + "/Games");
}

// The bottles of a folder: each folder in it, or the folder that its
// placeholder.yml names (a bottle made with a custom path).
void AddBottlesIn(PrefixList& list, const std::string& folder,
                  const std::vector<std::string>& homes) {
  for (const std::string& bottle : Entries(folder)) {
    list.Add("Bottles", bottle);
    list.AddConfigured("Bottles", YamlText(bottle + "/placeholder.yml", {"Path"}), homes);
  }
}

void AddBottles(PrefixList& list, const UserFolders& user) {
  for (const LauncherFolders& bottles : Installs(user, "com.usebottles.bottles")) {
    AddBottlesIn(list, bottles.data + "/bottles/bottles", bottles.homes);
    const std::string moved = YamlText(bottles.data + "/bottles/data.yml", {"custom_bottles_path"});
    for (const std::string& folder : Expanded(moved, bottles.homes)) {
      AddBottlesIn(list, folder, bottles.homes);
    }
  }
}

void AddHeroic(PrefixList& list, const UserFolders& user) {
  for (const LauncherFolders& heroic : Installs(user, "com.heroicgameslauncher.hgl")) {
    const std::string folder = heroic.config + "/heroic";
    for (const std::string& file : Entries(folder + "/GamesConfig")) {
      for (const std::string& prefix : JsonTexts(file, {"*", "winePrefix"})) {
        list.AddConfigured("Heroic", prefix, heroic.homes);
      }
    }
    // The default prefix serves the games whose configuration names none,
    // each in a folder of its own below it.
    for (const std::string& prefix :
         JsonTexts(folder + "/config.json", {"defaultSettings", "winePrefix"})) {
      for (const std::string& defaultPrefix : Expanded(prefix, heroic.homes)) {
        list.Add("Heroic", defaultPrefix);
        list.AddEach("Heroic", defaultPrefix);
      }
    }
    for (const std::string& home : heroic.homes) {
      list.AddEach("Heroic", home + "/Games/Heroic/Prefixes");
      list.AddEach("Heroic", home + "/Games/Heroic/Prefixes/default");
    }
  }
}

void AddFaugus(PrefixList& list, const UserFolders& user) {
  for (const LauncherFolders& faugus : Installs(user, "io.github.Faugus.faugus-launcher")) {
    // Older versions kept games.json in the configuration folder.
    for (const std::string& folder : {faugus.data, faugus.config}) {
      for (const std::string& prefix :
           JsonTexts(folder + "/faugus-launcher/games.json", {"*", "prefix"})) {
        list.AddConfigured("Faugus", prefix, faugus.homes);
      }
    }
    for (const std::string& home : faugus.homes) list.AddEach("Faugus", home + "/Faugus");
  }
}

void AddMinigalaxy(PrefixList& list, const UserFolders& user) {
  for (const LauncherFolders& minigalaxy : Installs(user, "io.github.sharkwouter.Minigalaxy")) {
    std::vector<std::string> installDirs =
        JsonTexts(minigalaxy.config + "/minigalaxy/config.json", {"install_dir"});
    if (installDirs.empty()) installDirs.push_back("~/GOG Games");
    for (const std::string& installDir : installDirs) {
      for (const std::string& games : Expanded(installDir, minigalaxy.homes)) {
        list.AddEach("Minigalaxy", games, "/prefix");
      }
    }
  }
}

// The libraries that a libraryfolders.vdf lists: the "path" of each
// numbered block, or in older files the numbered values themselves.
std::vector<std::string> ListedLibraries(const std::string& file) {
  std::vector<std::string> libraries;
  std::string text;
  if (ReadWholeFile(file, text) != ReadStatus::Ok) return libraries;
  const std::optional<std::vector<VdfEntry>> entries = ParseVdf(text);
  for (const VdfEntry& top : entries.value_or(std::vector<VdfEntry>{})) {
    if (!EqualNoCase(top.key, "libraryfolders")) continue;
    for (const VdfEntry& library : top.entries) {
      if (std::all_of(library.key.begin(), library.key.end(),
                      [](char c) { return c >= '0' && c <= '9'; })) {
        libraries.push_back(library.value);
      }
      for (const VdfEntry& entry : library.entries) {
        if (EqualNoCase(entry.key, "path")) libraries.push_back(entry.value);
      }
    }
  }
  return libraries;
}

// Each of Steam's folders (native, Flatpak, Snap) is a library, and names
// the others; each library is looked at once.
void AddSteam(PrefixList& list, const UserFolders& user) {
  const std::string& home = user.home;
  std::set<std::string> seen;
  for (const std::string& steam :
       {user.data + "/Steam", home + "/.local/share/Steam", home + "/.steam/steam",
        home + "/.steam/root", home + "/.steam/debian-installation",
        home + "/.var/app/com.valvesoftware.Steam/.local/share/Steam",
        home + "/snap/steam/common/.local/share/Steam", home + "/snap/steam/common/.steam/steam"}) {
    std::vector<std::string> libraries = {steam};
    for (const char* listing : {"/steamapps/libraryfolders.vdf", "/config/libraryfolders.vdf"}) {
      const std::vector<std::string> listed = ListedLibraries(steam + listing);
      libraries.insert(libraries.end(), listed.begin(), listed.end());
    }
    for (const std::string& library : libraries) {
      const std::string real = Canonical(library);
      if (!real.empty() && seen.insert(real).second) {
        list.AddEach("Steam", library + "/steamapps/compatdata");
      }
    }
  }
}

}  // namespace

std::vector<WinePrefix> LauncherPrefixes(const UserFolders& user) {
  PrefixList list;
  list.Add("Wine", user.home + "/.wine");
  AddLutris(list, user);
  AddBottles(list, user);
  AddHeroic(list, user);
  AddFaugus(list, user);
  AddMinigalaxy(list, user);
  list.AddEach("umu", user.home + "/Games/umu");
  list.AddEach("PlayOnLinux", user.home + "/.PlayOnLinux/wineprefix");
  list.AddEach("CrossOver", user.home + "/.cxoffice");
  AddSteam(list, user);
  return list.Take();
}

}  // namespace platform
