#include "app/Startup.h"

#include "app/GameDetection.h"
#include "app/PrefixChoice.h"
#include "catalogue/Availability.h"
#include "catalogue/SoundtrackNumbers.h"
#include "playlist/NewPlaylist.h"
#include "playlist/Slots.h"
#include "playlist/SoundtrackSelection.h"
#include "playlistfiles/PlaylistReader.h"
#include "playlistfiles/RecentFiles.h"
#include "settings/Settings.h"
#include "theme/Activation.h"
#include "util/TovrikStandardFunctions.h"

namespace kvpm {

namespace tsf = TovrikStandardFunctions;

namespace {

// The window shows the playlist that the game plays, when this program wrote
// the game's theme file; a theme file from elsewhere is left alone but will be
// overwritten by an activation, which the user is told.
void ReadActiveThemeFile(MainState& state) {
  if (!tsf::PathExists(state.installation.themeFile, false)) return;
  if (IsPlaylistFile(state.installation.themeFile)) {
    LoadPlaylistFile(state, state.installation.themeFile);
    state.playlist.title.clear();
    return;
  }
  state.installation.themeFileExists = true;
  state.Message(
      "A non-KVPM <thememd.ini> file has been detected. This file is probably part of a mod.\r\n"
      "Please note that any existing <thememd.ini> file will be overwritten when Activating a "
      "custom playlist.");
}

// The game's own Shuffle and Game Music settings win over the active playlist's.
void ReadGameAudioSwitches(MainState& state) {
  const std::string gameSettings = GameSettingsFile(state);
  if (!tsf::PathExists(gameSettings, false)) return;
  const auto audioSwitch = [&gameSettings](const std::string& key) {
    return tsf::ParseYesNo(tsf::ReadIniValue("Audio", key, gameSettings, ""), false) ? Ticked
                                                                                     : Unticked;
  };
  state.playlist.shuffle = audioSwitch("IsScoreShuffle");
  state.playlist.music = audioSwitch("InGameMusic");
}

// On the first start the About window is shown once; the setting remembers it.
bool FirstStart(MainState& state) {
  if (!tsf::ParseYesNo(tsf::ReadIniValue("General", "ShowDisclaimer", state.settings.file, ""),
                       true)) {
    return false;
  }
  tsf::WriteIniValue("General", "ShowDisclaimer", "no", state.settings.file);
  state.controls.enabled = false;
  return true;
}

}  // namespace

bool LoadProgram(MainState& state, const std::string& programFolder,
                 const std::string& givenPrefix) {
  BuildSoundtrackTable(state.catalogue);
  state.programFolder = programFolder;
  const std::optional<PrefixChoice> prefix = ChooseWinePrefix(state, givenPrefix);
  if (!prefix || !DetectBaseGame(state) || !DetectExpansion(state) ||
      !CheckExpansionVersion(state)) {
    return false;
  }
  ReadSettings(state.settings, state.programFolder);
  RememberPrefix(state, *prefix);
  LoadRecentFiles(state);
  state.installation.themeFile = tsf::JoinPath(state.installation.gameFolder, "thememd.ini", "");
  RefreshArchiveButtons(state);
  ShowSoundtrack(state, kKorvaleSoundtrack);  // always listed
  NewPlaylist(state);
  return true;
}

StartupOutcome InitialiseMainWindow(MainState& state, const std::string& programFolder,
                                    const std::string& givenPrefix) {
  if (!LoadProgram(state, programFolder, givenPrefix)) return StartupOutcome::EndProgram;
  ReadActiveThemeFile(state);
  ReadGameAudioSwitches(state);
  state.controls.currentRow = -1;
  state.dialogSave.initialFolder = ProgramDialogFolder(state.programFolder);
  return FirstStart(state) ? StartupOutcome::ShowWindowAndAbout : StartupOutcome::ShowWindow;
}

}  // namespace kvpm
