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
  std::cout << "Activated: " << state.installation.themeFile
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
  const std::string& themeFile = state.installation.themeFile;
  if (!tsf::PathExists(themeFile, false)) {
    std::cout << "Nothing to deactivate: " << themeFile << " does not exist." << std::endl;
    return kExitDone;
  }
  if (!DeactivatePlaylist(state)) return kExitFailed;  // the file is still there
  std::cout << "Deactivated: " << themeFile << std::endl;
  return kExitDone;
}

}  // namespace kvpm
