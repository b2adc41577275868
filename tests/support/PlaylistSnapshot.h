#pragma once
// The playlist proper, taken out of the state so that two moments can be
// compared: the track selection, the kept names, the three slots and the
// Game Music and Shuffle switches.

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "state/MainState.h"

namespace kvpm::testing {

struct PlaylistSnapshot {
  PerTrack<bool> trackSelected{};
  PerTrack<std::string> kvlNames;
  std::array<int, 9> slots{};  // option, soundtrack, track of Intro, Loading, Score
  int music = 0;
  int shuffle = 0;
};

PlaylistSnapshot Snapshot(const MainState& state);

// Names the first difference.
::testing::AssertionResult SamePlaylist(const PlaylistSnapshot& expected,
                                        const PlaylistSnapshot& actual);

}  // namespace kvpm::testing
