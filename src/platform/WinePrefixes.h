#pragma once
// The Wine prefixes that the usual launchers keep in a user's home folder,
// found by reading their configuration files and listing their folders,
// never by walking a tree: ~/.wine; Lutris (the prefix of each game's .yml,
// and each folder under ~/Games); Bottles; Heroic (its prefix folders and the
// winePrefix of each game's configuration); PlayOnLinux; CrossOver; and the
// Proton prefixes of every Steam library (libraryfolders.vdf names the
// libraries beyond the first). Windows has no prefixes: the list is empty there.

#include <string>
#include <vector>

namespace platform {

struct WinePrefix {
  // "Wine", "Lutris", "Bottles", "Heroic", "PlayOnLinux", "CrossOver" or "Steam"
  std::string launcher;
  std::string folder;  // the prefix folder, which holds system.reg
};

// In the order above, each folder once (by its canonical path), only those
// that hold a system.reg; what cannot be read is passed over.
std::vector<WinePrefix> LauncherPrefixes(const std::string& home);

}  // namespace platform
