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

// True for a program installed into a prefix as the package and `cmake
// --install` lay it out: PREFIX/bin beside PREFIX/share/applications/kvpm.desktop.
// A program run from its own folder (a build tree, an unpacked copy) is not.
bool InstalledProgram(const std::string& programFolder);

// Where kvpm.ini lives: beside a program run from its own folder, as long as
// that can be written; else, and for an installed program whoever runs it,
// in the user's configuration folder.
std::string SettingsFilePath(const std::string& programFolder);

// Where the file dialogs start when no file names a folder: the program's
// folder, or "" (the user's documents) for an installed program.
std::string ProgramDialogFolder(const std::string& programFolder);

// The MaxRecentFiles rule: the number at the start of the text (blanks
// ignored, none counts as 0), rounded half to even, clamped to 0..9.
int ParseMaxRecentFiles(const std::string& text);

}  // namespace kvpm
