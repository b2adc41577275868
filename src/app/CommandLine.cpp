#include "app/CommandLine.h"

#include <iostream>

#include "app/ConsoleDialogs.h"
#include "app/Startup.h"
#include "playlistfiles/PlaylistReader.h"
#include "theme/Activation.h"

namespace kvpm {

int ActivateFromCommandLine(const std::string& programFolder, const std::string& givenPrefix,
                            const std::string& playlistFile) {
  ConsoleDialogs dialogs;
  MainState state{dialogs};
  if (!LoadProgram(state, programFolder, givenPrefix) || !LoadPlaylistFile(state, playlistFile) ||
      !ActivatePlaylist(state)) {
    return kExitFailed;
  }
  std::cout << "Activated: " << state.installation.themeFile << std::endl;
  return kExitDone;
}

int DeactivateFromCommandLine(const std::string& programFolder, const std::string& givenPrefix) {
  ConsoleDialogs dialogs;
  MainState state{dialogs};
  if (!LoadProgram(state, programFolder, givenPrefix)) return kExitFailed;
  if (!DeactivatePlaylist(state)) return kExitFailed;
  std::cout << "Deactivated: " << state.installation.themeFile << std::endl;
  return kExitDone;
}

}  // namespace kvpm
