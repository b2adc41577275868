#pragma once
// The rules that tie the playlist members to the main window's controls and
// hold after every editing procedure and after reading a file:
// 1. each soundtrack box shows none / all / some of its tracks selected;
// 2. comboSoundtrack has an entry selected and lstTracks shows that
//    soundtrack's tracks in order, titled (with a kept name in brackets)
//    and ticked as selected;
// 3. each slot's selected option button is its option member, and its label
//    is its custom track's title in double quotes;
// 4. only tracks of available soundtracks are selected (and no place of the
//    table beyond a soundtrack's tracks).

#include <gtest/gtest.h>

#include "state/MainState.h"

namespace kvpm::testing {

::testing::AssertionResult PlaylistRulesHold(const MainState& state);

}  // namespace kvpm::testing
