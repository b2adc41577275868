#pragma once
// Reading a theme file or a playlist file back into the playlist. The same
// reader serves start-up (the game's active thememd.ini), File > Open and the
// recent-file items.

#include <string>

#include "state/MainState.h"

namespace kvpm {

// Reads the file at path into the playlist. True
// when it was read, also when tracks or Custom slots of soundtracks that are
// not available had to be left out (one message lists those soundtracks).
// False, with a message, when the file does not exist, cannot be read or
// has no [KVPMINTR] Option (not written by this program); the playlist is
// then unchanged. Either way the list ends up showing soundtrack 9.
//
// The file is read once and never trusted: a slot whose Soundtrack, Track or
// Option is not a plain decimal number naming an option 0 to 3 and a track
// of the catalogue keeps its new-playlist value.
bool LoadPlaylistFile(MainState& state, const std::string& path);

}  // namespace kvpm
