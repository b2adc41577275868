#pragma once
// The theme file thememd.ini and the playlist files (.kvl) share one layout,
// written by one writer that does not know which of the two it writes.

#include <string>

#include "catalogue/Catalogue.h"
#include "model/Playlist.h"

namespace kvpm {

// The whole file in its fixed layout, every line ended by CR LF. keepNames
// (the setting SaveKVLNames) writes the tracks' kept names.
std::string ThemeFileText(const Playlist& playlist, const Catalogue& catalogue, bool keepNames);

// Writes ThemeFileText to the path through a temporary file renamed over the
// target, so the path holds either its old content or the whole new file.
// False when the file could not be written; the old file is then untouched.
bool WriteThemeFile(const Playlist& playlist, const Catalogue& catalogue, bool keepNames,
                    const std::string& path);

}  // namespace kvpm
