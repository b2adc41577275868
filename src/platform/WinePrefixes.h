#pragma once
// The Wine prefixes that the usual launchers keep, found by reading their
// own files and listing the folders they keep prefixes in, never by walking
// a tree. Each launcher natively and as a Flatpak (Steam also as a Snap),
// in the user's XDG folders:
//   Wine         ~/.wine
//   Lutris       the prefix of each game's .yml (else the folder above its
//                executable that holds system.reg), each folder under ~/Games
//   Bottles      each bottle, a custom-path bottle's placeholder.yml, and
//                the bottles under data.yml's custom_bottles_path
//   Heroic       each game's winePrefix in GamesConfig, the default prefix
//                of config.json and the folders under it, ~/Games/Heroic/Prefixes
//   Faugus       each game's prefix in games.json, each folder under ~/Faugus
//   Minigalaxy   <install_dir>/<game>/prefix, install_dir from config.json
//   umu          each folder under ~/Games/umu
//   PlayOnLinux  each folder under ~/.PlayOnLinux/wineprefix
//   CrossOver    each folder under ~/.cxoffice
//   Steam        each Proton prefix in the compatdata of every library that
//                libraryfolders.vdf lists
// Windows has no prefixes: the list is empty there.

#include <string>
#include <vector>

#include "platform/Environment.h"

namespace platform {

struct WinePrefix {
  std::string launcher;  // "Wine", "Lutris", ... as above
  std::string folder;    // the prefix folder, which holds system.reg
};

// In the order above, each real folder once, only those that hold a
// system.reg (a folder whose pfx/ holds it stands for that pfx/); a file or
// a folder that cannot be read is passed over.
std::vector<WinePrefix> LauncherPrefixes(const UserFolders& user);

}  // namespace platform
