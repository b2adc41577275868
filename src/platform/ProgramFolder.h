#pragma once

#include <string>

namespace platform {

// The folder that holds the running executable.
std::string ExecutableFolder();

// $XDG_CONFIG_HOME/kvpm, or ~/.config/kvpm, for settings that cannot live
// beside the program; %APPDATA%\kvpm on Windows.
std::string UserConfigFolder();

// True when the user may create a file in the folder; nothing is written to
// tell (on Windows: a folder, and the access check of the user's token).
bool FolderWritable(const std::string& folder);

// Creates the folder and those above it that are missing. One that cannot
// be made is left for the first write into it to fail.
void CreateFolders(const std::string& folder);

}  // namespace platform
