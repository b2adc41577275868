#pragma once
// The game as the program found it at start-up: where it lives, which
// soundtracks it can play, which CD archives are copied into its folder and
// whether a theme file is active. Copying, deleting, activating and
// deactivating keep it up to date.

#include <string>

#include "catalogue/Catalogue.h"

namespace kvpm {

struct Installation {
  Installation() { available.fill(true); }

  std::string gameFolder;
  bool compilationInstall = false;  // found through the compilation's registry keys
  std::string themeFile;            // thememd.ini in the game folder

  // Tracks of a soundtrack can be chosen when its archives are in the game
  // folder; the expansion's and the generic mod soundtrack always can.
  PerSoundtrack<bool> available{};
  // Offered in the drop-down list of single tracks: the soundtracks available
  // at start-up, less those deleted since. A soundtrack copied from its CD
  // is listed from the next start.
  PerSoundtrack<bool> listed{};

  // The base game's (ecachethemeHG.mix) and the expansion's (thememd.mix)
  // archive copied from its CD into the game folder.
  bool hgArchivePresent = false;
  bool kvArchivePresent = false;

  // The game folder holds a theme file, whoever wrote it, so that
  // deactivation has something to delete.
  bool themeFileExists = false;
};

}  // namespace kvpm
