#include "platform/WinePrefixes.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <set>

#include "platform/AsciiText.h"
#include "platform/Files.h"

namespace platform {

namespace {

namespace fs = std::filesystem;

// The entries of a folder, sorted; none when it cannot be listed.
std::vector<std::string> Entries(const std::string& folder) {
  std::vector<std::string> entries;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    entries.push_back(it->path().string());
  }
  std::sort(entries.begin(), entries.end());
  return entries;
}

std::string Canonical(const std::string& folder) {
  std::unique_ptr<char, void (*)(void*)> real(realpath(folder.c_str(), nullptr), std::free);
  return real ? std::string(real.get()) : std::string();
}

// The values of a key in a launcher's configuration, one per line that
// starts with it: "prefix: /path" (Lutris' YAML), "winePrefix": "/path",
// (Heroic's JSON), "path"  "/path" (Steam's VDF). Quotes, a trailing comma
// and escaped backslashes are undone, and "~/" stands for the home folder.
std::vector<std::string> Values(const std::string& file, const std::string& key,
                                const std::string& home) {
  std::vector<std::string> values;
  std::string text;
  if (ReadWholeFile(file, text) != ReadStatus::Ok) return values;
  for (std::size_t pos = 0; pos < text.size();) {
    const LineSpan span = LineAt(text, pos);
    pos = span.end;
    std::string_view line =
        TrimBlanks(std::string_view(text).substr(span.start, span.contentEnd - span.start));
    if (line.starts_with('"')) line.remove_prefix(1);
    if (!line.starts_with(key)) continue;
    line.remove_prefix(key.size());
    if (line.starts_with('"')) line.remove_prefix(1);
    if (line.empty() || !(IsBlank(line[0]) || line[0] == ':')) continue;
    line = TrimBlanks(line.substr(1));  // past the blank or the colon
    if (line.ends_with(',')) line.remove_suffix(1);
    if (line.size() >= 2 && (line[0] == '"' || line[0] == '\'') && line.back() == line[0]) {
      line = line.substr(1, line.size() - 2);
    }
    std::string value;
    for (std::size_t i = 0; i < line.size(); ++i) {
      if (line[i] == '\\' && i + 1 < line.size() && line[i + 1] == '\\') ++i;
      value += line[i];
    }
    if (value.starts_with("~/")) value = home + value.substr(1);
    if (value.starts_with('/')) values.push_back(value);
  }
  return values;
}

// Collects prefixes in order, each folder once; a folder without system.reg
// is no prefix (a launcher's folder for something else, or one not set up).
class PrefixList {
 public:
  void Add(const std::string& launcher, const std::string& folder) {
    const std::string real = Canonical(folder);
    struct stat status;
    if (real.empty() || stat((real + "/system.reg").c_str(), &status) != 0 ||
        !S_ISREG(status.st_mode) || !seen_.insert(real).second) {
      return;
    }
    prefixes_.push_back({launcher, folder});
  }

  void AddEach(const std::string& launcher, const std::string& parent,
               const std::string& below = "") {
    for (const std::string& folder : Entries(parent)) Add(launcher, folder + below);
  }

  // The prefixes named by a key in each configuration file of the folder.
  void AddConfigured(const std::string& launcher, const std::string& folder, const std::string& key,
                     const std::string& home) {
    for (const std::string& file : Entries(folder)) {
      for (const std::string& prefix : Values(file, key, home)) Add(launcher, prefix);
    }
  }

  std::vector<WinePrefix> Take() { return std::move(prefixes_); }

 private:
  std::set<std::string> seen_;
  std::vector<WinePrefix> prefixes_;
};

// Steam's libraries: each Steam folder, and the libraries its
// libraryfolders.vdf lists, each once.
std::vector<std::string> SteamLibraries(const std::string& home) {
  std::vector<std::string> libraries;
  std::set<std::string> seen;
  const auto add = [&](const std::string& library) {
    const std::string real = Canonical(library);
    if (!real.empty() && seen.insert(real).second) libraries.push_back(library);
  };
  for (const char* steam : {"/.local/share/Steam", "/.steam/steam",
                            "/.var/app/com.valvesoftware.Steam/.local/share/Steam"}) {
    add(home + steam);
    for (const std::string& library :
         Values(home + steam + "/steamapps/libraryfolders.vdf", "path", home)) {
      add(library);
    }
  }
  return libraries;
}

}  // namespace

std::vector<WinePrefix> LauncherPrefixes(const std::string& home) {
  PrefixList list;
  list.Add("Wine", home + "/.wine");
  for (const char* games : {"/.config/lutris/games", "/.local/share/lutris/games",
                            "/.var/app/net.lutris.Lutris/config/lutris/games",
                            "/.var/app/net.lutris.Lutris/data/lutris/games"}) {
    list.AddConfigured("Lutris", home + games, "prefix", home);
  }
  list.AddEach("Lutris", home + "/Games");
  list.AddEach("Bottles", home + "/.local/share/bottles/bottles");
  list.AddEach("Bottles", home + "/.var/app/com.usebottles.bottles/data/bottles/bottles");
  list.AddEach("Heroic", home + "/Games/Heroic/Prefixes");
  list.AddConfigured("Heroic", home + "/.config/heroic/GamesConfig", "winePrefix", home);
  list.AddEach("PlayOnLinux", home + "/.PlayOnLinux/wineprefix");
  list.AddEach("CrossOver", home + "/.cxoffice");
  for (const std::string& library : SteamLibraries(home)) {
    list.AddEach("Steam", library + "/steamapps/compatdata", "/pfx");
  }
  return list.Take();
}

}  // namespace platform
