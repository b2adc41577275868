#pragma once
// Putting the playlist into its initial state.

#include "state/MainState.h"

namespace kvpm {

// A new, untitled playlist ("New Playlist"): nothing selected but soundtrack
// 9's tracks 1 to 8 and all of soundtrack 14, the default slots, no kept
// names, no current file, the list showing soundtrack 9. The Game Music and
// Shuffle switches are left as they are.
void NewPlaylist(MainState& state);

// Soundtrack 9's default selection (all but its last two tracks, the game's
// own Score and Credits music) and the default slots: option 1 with the
// game's own Intro, Loading and Score tracks as custom tracks.
void SetPlaylistDefaults(MainState& state);

}  // namespace kvpm
