#pragma once
// Activating the playlist writes the game's theme file from it and applies
// the Game Music and Shuffle switches to the game's own settings;
// deactivating deletes the theme file, so that the game plays its own music.

#include <string>

#include "state/MainState.h"

namespace kvpm {

// The game's user settings file, HGMD.INI in the game folder.
std::string GameSettingsFile(const MainState& state);

// Writes the theme file over the old one and then applies the audio
// settings, and says how it went. True when the theme file was written,
// which can then be deactivated. When it cannot be written, the old theme
// file and the game's settings stay as they were.
bool ActivatePlaylist(MainState& state);

// Section Audio of HGMD.INI, when that file exists (it is never created):
// IsScoreRepeat "no"; IsScoreShuffle and InGameMusic after the playlist's
// Shuffle and Game Music switches, left alone while a switch is greyed. A
// file that cannot be updated is reported once. Turning the music on while
// its volume is 0 is pointed out.
void ApplyGameAudioSettings(MainState& state);

// menu_disable: deletes the theme file. True when no theme file is left;
// false, with a message, when it could not be deleted.
bool DeactivatePlaylist(MainState& state);

}  // namespace kvpm
