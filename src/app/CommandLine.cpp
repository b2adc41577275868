#include "app/CommandLine.h"

#include <iostream>

#include "app/ConsoleDialogs.h"
#include "app/Startup.h"
#include "playlistfiles/PlaylistReader.h"
#include "theme/Activation.h"
#include "util/TovrikStandardFunctions.h"

namespace kvpm {

namespace tsf = TovrikStandardFunctions;

int ActivateFromCommandLine(const std::string& programFolder, const std::string& givenPrefix,
                            const std::string& playlistFile) {
  ConsoleDialogs dialogs;
  MainState state{dialogs};
  if (!LoadProgram(state, programFolder, givenPrefix) || !LoadPlaylistFile(state, playlistFile)) {
    return kExitFailed;
  }
  const Activation activation = ActivatePlaylist(state);
  if (activation == Activation::Failed) return kExitFailed;
  // The playlist is active all the same; the line says what was not done.
  std::cout << "Activated: " << state.themeFile
            << (activation == Activation::AudioSettingsKept
                    ? "; the game's audio settings were left as they were."
                    : "")
            << std::endl;
  return kExitDone;
}

// Judged by the file afterwards, whoever wrote it.
int DeactivateFromCommandLine(const std::string& programFolder, const std::string& givenPrefix) {
  ConsoleDialogs dialogs;
  MainState state{dialogs};
  if (!LoadProgram(state, programFolder, givenPrefix)) return kExitFailed;
  if (!tsf::PathExists(state.themeFile, false)) {
    std::cout << "Nothing to deactivate: " << state.themeFile << " does not exist." << std::endl;
    return kExitDone;
  }
  DeactivatePlaylist(state);
  if (tsf::PathExists(state.themeFile, false)) return kExitFailed;
  std::cout << "Deactivated: " << state.themeFile << std::endl;
  return kExitDone;
}

}  // namespace kvpm
