#pragma once
// The largest playlist file there is: every track selected and given a
// playlist name, written with SaveKVLNames on (about 28 KB).

#include <string>

#include "playlist/SoundtrackSelection.h"
#include "state/MainState.h"
#include "theme/ThemeWriter.h"

namespace kvpm::bench {

// Selects every track of the state (whose catalogue must be built) and names it.
inline std::string FullPlaylistText(MainState& state) {
  state.settings.saveKvlNames = true;
  for (int s = 1; s <= kSoundtrackCount; ++s) {
    SetSoundtrackSelection(state, s, true);
    for (int t = 1; t <= state.catalogue.trackCounts[s]; ++t) {
      state.playlist.kvlNames[s][t] = "Playlist name of track " + std::to_string(t);
    }
  }
  return ThemeFileText(state.playlist, state.catalogue, state.settings.saveKvlNames);
}

}  // namespace kvpm::bench
