#include "theme/Activation.h"

#include "platform/Files.h"
#include "theme/ThemeWriter.h"
#include "util/IniFile.h"
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

// A switch that is on sets "yes", one that is off "no"; a greyed switch
// leaves the game's value alone.
void SetSwitch(std::string& bytes, const std::string& key, int value) {
  if (value != Ticked && value != Unticked) return;
  bytes = tsf::WithIniValue(bytes, kAudioSection, key, value == Ticked ? "yes" : "no");
}

// The three keys in one replacement of the file: the game's settings are
// either all updated or all as they were. A file that exists but cannot be
// read is never replaced: it may hold more than a read gave.
bool WriteAudioSettings(const std::string& file, const Playlist& playlist) {
  std::string bytes;
  if (platform::ReadWholeFile(file, bytes) == platform::ReadStatus::Unreadable) return false;
  bytes = tsf::WithIniValue(bytes, kAudioSection, "IsScoreRepeat", "no");
  SetSwitch(bytes, "IsScoreShuffle", playlist.shuffle);
  SetSwitch(bytes, "InGameMusic", playlist.music);
  return platform::WriteWholeFile(file, bytes);
}

}  // namespace

std::string GameSettingsFile(const MainState& state) {
  return tsf::JoinPath(state.installation.gameFolder, "HGMD.INI", "");
}

Activation ActivatePlaylist(MainState& state) {
  // Written over the old file in one step: the game never finds its theme
  // file missing or half-written. A failed write keeps the old one, and the
  // game's settings stay as they were too: a failed activation changes nothing.
  if (!WriteThemeFile(state.playlist, state.catalogue, state.settings.saveKvlNames,
                      state.installation.themeFile)) {
    state.Message("Error activating playlist.");
    return Activation::Failed;
  }
  const bool applied = ApplyGameAudioSettings(state);
  state.installation.themeFileExists = true;
  state.Message("Custom playlist activated.");
  return applied ? Activation::Done : Activation::AudioSettingsKept;
}

bool ApplyGameAudioSettings(MainState& state) {
  const std::string file = GameSettingsFile(state);
  if (!tsf::PathExists(file, false)) return true;
  const bool written = WriteAudioSettings(file, state.playlist);
  if (!written) {
    state.Message("Could not update the game's audio settings in " + Quoted(file) + ".");
  }
  if (state.playlist.music == Ticked &&
      tsf::ReadIniValue(kAudioSection, "ScoreVolume", file, "") == "0.000000") {
    state.Message(kZeroVolumeMessage);
  }
  return written;
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
