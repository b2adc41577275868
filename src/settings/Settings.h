#pragma once
// The program's settings file kvpm.ini: read once at start-up, created with
// its defaults when missing.

#include <string>

#include "state/MainState.h"

namespace kvpm {

// Sets settingsFile and, when the file exists, the four General values;
// otherwise writes the default file and keeps the values in memory.
void ReadSettings(MainState& state);
void WriteDefaultSettings(MainState& state);

// Where kvpm.ini lives: beside the program, or in the user's configuration
// folder when the program's folder cannot be written (a system-wide install).
std::string SettingsFilePath(const std::string& programFolder);

// The MaxRecentFiles rule: the number at the start of the text (blanks
// ignored, none counts as 0), rounded half to even, clamped to 0..9.
int ParseMaxRecentFiles(const std::string& text);

}  // namespace kvpm
