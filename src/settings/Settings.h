#pragma once
// The program's settings file kvpm.ini: read once at start-up, created with
// its defaults when missing.

#include <string>

#include "model/Settings.h"

namespace kvpm {

// Sets the settings file's path and, when the file exists, the four General
// values; otherwise writes the default file and keeps the values in memory.
void ReadSettings(Settings& settings, const std::string& programFolder);

// The default file holds the values the settings have: on a first start
// their starting values, so MaxRecentFiles=0 (not the 4 a missing key
// gives), which the program has always written; its users know the file so.
void WriteDefaultSettings(const Settings& settings);

// Where kvpm.ini lives: beside the program, or in the user's configuration
// folder when the program's folder cannot be written (a system-wide install).
std::string SettingsFilePath(const std::string& programFolder);

// The MaxRecentFiles rule: the number at the start of the text (blanks
// ignored, none counts as 0), rounded half to even, clamped to 0..9.
int ParseMaxRecentFiles(const std::string& text);

}  // namespace kvpm
