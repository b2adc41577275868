#pragma once
// The command line's work without a window, for launchers and scripts:
// activating a playlist file and deactivating, exactly as the File menu's
// items do. Every message the window would show goes to standard error, the
// result line to standard output; the result is the exit status: done (the
// playlist active, even when the game's audio settings could not be updated,
// which the result line says; the theme file gone, or none there), failed
// (nothing changed), or a wrong option.

#include <string>

namespace kvpm {

enum ExitStatus : int { kExitDone = 0, kExitFailed = 1, kExitUsage = 2 };

// programFolder and givenPrefix as for the window's start-up.
int ActivateFromCommandLine(const std::string& programFolder, const std::string& givenPrefix,
                            const std::string& playlistFile);
int DeactivateFromCommandLine(const std::string& programFolder, const std::string& givenPrefix);

}  // namespace kvpm
