#include "playlist/NewPlaylist.h"

#include "catalogue/SoundtrackNumbers.h"
#include "playlist/Slots.h"
#include "playlist/SoundtrackSelection.h"
#include "playlist/TrackList.h"

namespace kvpm {

void NewPlaylist(MainState& state) {
  state.playlist.title = "New Playlist";
  for (int s = 1; s <= kSoundtrackCount; ++s) SetSoundtrackSelection(state, s, false);
  // All 50 places of every soundtrack, also beyond its track count.
  for (auto& names : state.playlist.kvlNames) names.fill("");
  SetPlaylistDefaults(state);
  state.playlist.file.clear();
  SetSoundtrackSelection(state, kGenericModSoundtrack, true);
  ShowSoundtrack(state, kKorvaleSoundtrack);
}

void SetPlaylistDefaults(MainState& state) {
  const int count = state.catalogue.trackCounts[kKorvaleSoundtrack];
  for (int t = 1; t <= count; ++t) {
    if (t <= count - 2) {
      SelectTrack(state, kKorvaleSoundtrack, t);
    } else {
      DeselectTrack(state, kKorvaleSoundtrack, t);
    }
  }
  // The game's own Intro, Loading and Score tracks.
  SetSlot(state, Intro, kKorvaleSoundtrack, 2, kGenericModOption);
  SetSlot(state, Loading, kKorvaleSoundtrack, 5, kGenericModOption);
  SetSlot(state, Score, kKorvaleSoundtrack, 9, kGenericModOption);
}

}  // namespace kvpm
