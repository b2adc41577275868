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

// A ticked box writes "yes", an unticked one "no"; a greyed box leaves the
// game's value alone. False when the file was not updated.
bool WriteSwitch(const std::string& file, const std::string& key, const CheckBox& box) {
  if (box.value != Ticked && box.value != Unticked) return true;
  return tsf::WriteIniValue(kAudioSection, key, box.value == Ticked ? "yes" : "no", file);
}

}  // namespace

std::string GameSettingsFile(const MainState& state) {
  return tsf::JoinPath(state.gameFolder, "HGMD.INI", "");
}

bool ActivatePlaylist(MainState& state) {
  // Written over the old file in one step: the game never finds its theme
  // file missing or half-written. A failed write keeps the old one, and the
  // game's settings stay as they were too: a failed activation changes nothing.
  if (!WriteThemeFile(state, state.themeFile)) {
    state.Message("Error activating playlist.");
    return false;
  }
  ApplyGameAudioSettings(state);
  state.controls.menu_disable.enabled = true;
  state.Message("Custom playlist activated.");
  return true;
}

void ApplyGameAudioSettings(MainState& state) {
  const std::string file = GameSettingsFile(state);
  if (!tsf::PathExists(file, false)) return;
  const CheckBox& music = state.controls.cboxMusic;
  bool written = tsf::WriteIniValue(kAudioSection, "IsScoreRepeat", "no", file);
  written &= WriteSwitch(file, "IsScoreShuffle", state.controls.cboxShuffle);
  written &= WriteSwitch(file, "InGameMusic", music);
  if (!written) {
    state.Message("Could not update the game's audio settings in " + Quoted(file) + ".");
  }
  if (music.value == Ticked &&
      tsf::ReadIniValue(kAudioSection, "ScoreVolume", file, "") == "0.000000") {
    state.Message(kZeroVolumeMessage);
  }
}

void DeactivatePlaylist(MainState& state) {
  MenuItem& menuDisable = state.controls.menu_disable;
  if (!tsf::PathExists(state.themeFile, false)) {
    menuDisable.enabled = false;
    return;
  }
  platform::DeleteFile(state.themeFile);
  if (tsf::PathExists(state.themeFile, false)) {
    state.Message("Error deactivating playlist.");
    return;
  }
  menuDisable.enabled = false;
  state.Message(Quoted(state.themeFile) + " deleted - custom playlist deactivated.");
}

}  // namespace kvpm
