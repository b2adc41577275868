#include "theme/Activation.h"

#include "platform/Files.h"
#include "theme/ThemeWriter.h"
#include "util/TovrikStandardFunctions.h"

namespace kvpm {

namespace tsf = TovrikStandardFunctions;

namespace {

const std::string kAudioSection = "Audio";

const std::string kZeroVolumeMessage =
    "You have opted to turn the in-game music on.\r\n"
    "However, the in-game music volume is set to 0.\r\n"
    "You will need to change the in-game music volume yourself.";

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

// A switch that is on writes "yes", one that is off "no"; a greyed switch
// leaves the game's value alone. False when the file was not updated.
bool WriteSwitch(const std::string& file, const std::string& key, int value) {
  if (value != Ticked && value != Unticked) return true;
  return tsf::WriteIniValue(kAudioSection, key, value == Ticked ? "yes" : "no", file);
}

}  // namespace

std::string GameSettingsFile(const MainState& state) {
  return tsf::JoinPath(state.installation.gameFolder, "HGMD.INI", "");
}

bool ActivatePlaylist(MainState& state) {
  // Written over the old file in one step: the game never finds its theme
  // file missing or half-written. A failed write keeps the old one, and the
  // game's settings stay as they were too: a failed activation changes nothing.
  if (!WriteThemeFile(state.playlist, state.catalogue, state.settings.saveKvlNames,
                      state.installation.themeFile)) {
    state.Message("Error activating playlist.");
    return false;
  }
  ApplyGameAudioSettings(state);
  state.installation.themeFileExists = true;
  state.Message("Custom playlist activated.");
  return true;
}

void ApplyGameAudioSettings(MainState& state) {
  const std::string file = GameSettingsFile(state);
  if (!tsf::PathExists(file, false)) return;
  const int music = state.playlist.music;
  bool written = tsf::WriteIniValue(kAudioSection, "IsScoreRepeat", "no", file);
  written &= WriteSwitch(file, "IsScoreShuffle", state.playlist.shuffle);
  written &= WriteSwitch(file, "InGameMusic", music);
  if (!written) {
    state.Message("Could not update the game's audio settings in " + Quoted(file) + ".");
  }
  if (music == Ticked && tsf::ReadIniValue(kAudioSection, "ScoreVolume", file, "") == "0.000000") {
    state.Message(kZeroVolumeMessage);
  }
}

bool DeactivatePlaylist(MainState& state) {
  Installation& installation = state.installation;
  const std::string& themeFile = installation.themeFile;
  if (tsf::PathExists(themeFile, false)) {
    platform::DeleteFile(themeFile);
    if (tsf::PathExists(themeFile, false)) {
      state.Message("Error deactivating playlist.");
      return false;
    }
    state.Message(Quoted(themeFile) + " deleted - custom playlist deactivated.");
  }
  installation.themeFileExists = false;
  return true;
}

}  // namespace kvpm
