#include "support/PlaylistSnapshot.h"

namespace kvpm::testing {

PlaylistSnapshot Snapshot(const MainState& state) {
  return {state.trackSelected,
          state.kvlNames,
          {state.introOption, state.introSoundtrack, state.introTrack, state.loadingOption,
           state.loadingSoundtrack, state.loadingTrack, state.scoreOption, state.scoreSoundtrack,
           state.scoreTrack},
          state.controls.cboxMusic.value,
          state.controls.cboxShuffle.value};
}

::testing::AssertionResult SamePlaylist(const PlaylistSnapshot& expected,
                                        const PlaylistSnapshot& actual) {
  for (int s = 0; s <= kSoundtrackCount; ++s) {
    for (int t = 0; t <= kMaxTracks; ++t) {
      if (expected.trackSelected[s][t] != actual.trackSelected[s][t]) {
        return ::testing::AssertionFailure()
               << "track " << s << "/" << t << " selected: " << actual.trackSelected[s][t];
      }
      if (expected.kvlNames[s][t] != actual.kvlNames[s][t]) {
        return ::testing::AssertionFailure()
               << "track " << s << "/" << t << " kept name \"" << actual.kvlNames[s][t]
               << "\", not \"" << expected.kvlNames[s][t] << "\"";
      }
    }
  }
  static const char* const names[] = {"Intro", "Loading", "Score"};
  static const char* const fields[] = {"option", "soundtrack", "track"};
  for (std::size_t i = 0; i < expected.slots.size(); ++i) {
    if (expected.slots[i] != actual.slots[i]) {
      return ::testing::AssertionFailure() << names[i / 3] << " " << fields[i % 3] << " is "
                                           << actual.slots[i] << ", not " << expected.slots[i];
    }
  }
  if (expected.music != actual.music || expected.shuffle != actual.shuffle) {
    return ::testing::AssertionFailure()
           << "Music " << actual.music << ", Shuffle " << actual.shuffle;
  }
  return ::testing::AssertionSuccess();
}

}  // namespace kvpm::testing
