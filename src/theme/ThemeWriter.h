#pragma once
// The theme file thememd.ini and the playlist files (.kvl) share one layout,
// written by one writer that does not know which of the two it writes.

#include <string>

#include "state/MainState.h"

namespace kvpm {

// The whole file in its fixed layout, every line ended by CR LF.
std::string ThemeFileText(const MainState& state);

// Writes ThemeFileText to the path through a temporary file renamed over the
// target, so the path holds either its old content or the whole new file.
// False when the file could not be written; the old file is then untouched.
bool WriteThemeFile(const MainState& state, const std::string& path);

}  // namespace kvpm
