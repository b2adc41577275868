#pragma once
// Activating the playlist writes the game's theme file from it and applies
// the Game Music and Shuffle switches to the game's own settings;
// deactivating deletes the theme file, so that the game plays its own music.

#include <string>

#include "state/MainState.h"

namespace kvpm {

// The game's user settings file, HGMD.INI in the game folder.
std::string GameSettingsFile(const MainState& state);

enum class Activation {
  Failed,             // the theme file was not written: nothing changed
  Done,               // the theme file written, the game's audio settings applied
  AudioSettingsKept,  // the theme file written; HGMD.INI could not be updated and is as it was
};

// Writes the theme file over the old one and then applies the audio
// settings, and says how it went. Once the theme file is written the
// playlist is active and can be deactivated. When it cannot be written, the
// old theme file and the game's settings stay as they were.
Activation ActivatePlaylist(MainState& state);

// Section Audio of HGMD.INI, when that file exists (it is never created):
// IsScoreRepeat "no"; IsScoreShuffle and InGameMusic after the playlist's
// Shuffle and Game Music switches, left alone while a switch is greyed; all
// three in one write. A file that cannot be updated is reported, and false
// returned. Turning the music on while its volume is 0 is pointed out.
bool ApplyGameAudioSettings(MainState& state);

// menu_disable: deletes the theme file. True when no theme file is left;
// false, with a message, when it could not be deleted.
bool DeactivatePlaylist(MainState& state);

}  // namespace kvpm
