#include "playlist/SoundtrackSelection.h"

#include <gtest/gtest.h>

#include <string>

#include "playlist/TrackList.h"
#include "support/EditingFixture.h"
#include "support/PlaylistRules.h"

namespace kvpm {
namespace {

using testing::PlaylistRulesHold;

class SoundtrackSelectionTest : public testing::EditingFixture {
 protected:
  // What the window does on a click on box index: the toolkit gives the box
  // its new value, then the program reacts.
  void ClickBox(int index, int newValue) {
    state.controls.cboxSoundtrack[index].value = newValue;
    SoundtrackBoxClicked(state, index);
  }

  int ComboIndexOf(int s) const {
    const auto& items = state.controls.comboSoundtrack.items;
    for (int i = 0; i < static_cast<int>(items.size()); ++i) {
      if (items[i].data == s) return i;
    }
    return -1;
  }
};

TEST_F(SoundtrackSelectionTest, TickingTheBoxOfAnotherSoundtrackShowsItAllTicked) {
  ClickBox(0, Ticked);
  EXPECT_TRUE(PlaylistRulesHold(state));
  EXPECT_EQ(ShownSoundtrack(state), 1);
  EXPECT_EQ(Ticks(), std::string(21, '1'));
  EXPECT_EQ(ItemTexts()[0], "Velmora Rising");
  EXPECT_EQ(Boxes(), "10000000200001");

  ClickBox(0, Unticked);
  EXPECT_TRUE(PlaylistRulesHold(state));
  EXPECT_EQ(Ticks(), std::string(21, '0'));
  EXPECT_EQ(Boxes(), "00000000200001");
}

TEST_F(SoundtrackSelectionTest, UntickingTheModBoxDeselectsAllFiftyTracks) {
  ClickBox(13, Unticked);
  EXPECT_TRUE(PlaylistRulesHold(state));
  EXPECT_EQ(ShownSoundtrack(state), 14);
  EXPECT_EQ(Ticks(), std::string(50, '0'));
  EXPECT_EQ(Boxes(), "00000000200000");
}

TEST_F(SoundtrackSelectionTest, AClickThatLeavesTheBoxPartialChangesNoSelection) {
  ClickBox(8, Partial);
  EXPECT_TRUE(PlaylistRulesHold(state));
  EXPECT_EQ(ShownSoundtrack(state), 9);
  EXPECT_EQ(Ticks(), "1111111100");

  // A toolkit that turns a full soundtrack's box partial gets it put back.
  ClickBox(13, Partial);
  EXPECT_TRUE(PlaylistRulesHold(state));
  EXPECT_EQ(ShownSoundtrack(state), 14);
  EXPECT_EQ(Ticks(), std::string(50, '1'));
  EXPECT_EQ(Boxes(), "00000000200001");
}

TEST_F(SoundtrackSelectionTest, ADisabledBoxTakesNoClicks) {
  ClickBox(1, Ticked);
  EXPECT_TRUE(PlaylistRulesHold(state));
  EXPECT_EQ(ShownSoundtrack(state), 9);
  EXPECT_EQ(Boxes(), "00000000200001");
}

TEST_F(SoundtrackSelectionTest, BoxIndexesOutsideTheArrayAreIgnored) {
  SoundtrackBoxClicked(state, -1);
  SoundtrackBoxClicked(state, 14);
  EXPECT_TRUE(PlaylistRulesHold(state));
  EXPECT_EQ(ShownSoundtrack(state), 9);
}

TEST_F(SoundtrackSelectionTest, SelectingAnEntryShowsItsTracksAndChangesNoSelection) {
  const auto before = state.trackSelected;
  DeselectTrack(state, 9, 3);
  SelectTrack(state, 11, 2);
  state.controls.lstTracks.currentIndex = 1;

  SelectComboEntry(state, ComboIndexOf(11));
  EXPECT_TRUE(PlaylistRulesHold(state));
  EXPECT_EQ(ItemTexts(), (std::vector<std::string>{"Gallows Hill (Extended)",
                                                   "Harrowgate Outtake No. 2",
                                                   "Kestmoor Crows*"}));
  EXPECT_EQ(Ticks(), "010");
  EXPECT_EQ(state.controls.lstTracks.currentIndex, -1);

  SelectComboEntry(state, ComboIndexOf(9));
  EXPECT_EQ(Ticks(), "1101111100");
  auto expected = before;
  expected[9][3] = false;
  expected[11][2] = true;
  EXPECT_EQ(state.trackSelected, expected);
}

TEST_F(SoundtrackSelectionTest, EntriesThatDoNotExistAreIgnored) {
  const int selected = state.controls.comboSoundtrack.selectedIndex;
  state.controls.lstTracks.currentIndex = 3;
  SelectComboEntry(state, -1);
  SelectComboEntry(state, static_cast<int>(state.controls.comboSoundtrack.items.size()));
  ShowSoundtrack(state, 2);   // not available, so not listed
  ShowSoundtrack(state, 0);
  ShowSoundtrack(state, 15);
  EXPECT_EQ(state.controls.comboSoundtrack.selectedIndex, selected);
  EXPECT_EQ(state.controls.lstTracks.currentIndex, 3);
  EXPECT_TRUE(PlaylistRulesHold(state));
}

TEST_F(SoundtrackSelectionTest, KeptNamesFollowTheTitleInBrackets) {
  state.kvlNames[1][1] = "Menu Theme";
  state.kvlNames[1][21] = "Fin (alt)";
  ShowSoundtrack(state, 1);
  EXPECT_TRUE(PlaylistRulesHold(state));
  EXPECT_EQ(ItemTexts()[0], "Velmora Rising (Menu Theme)");
  EXPECT_EQ(ItemTexts()[1], "Cold Iron Dawn");
  EXPECT_EQ(ItemTexts()[20], "Last Light on the Fen (Fin (alt))");
}

TEST_F(SoundtrackSelectionTest, SelectionOfAShownSoundtrackSetsItsTicksAndDropsItsCurrentItem) {
  state.controls.lstTracks.currentIndex = 2;
  SetSoundtrackSelection(state, 9, true);
  EXPECT_EQ(Ticks(), "1111111111");
  EXPECT_EQ(state.controls.lstTracks.currentIndex, -1);
  EXPECT_EQ(Boxes(), "00000000100001");

  // Another soundtrack's selection leaves the list as it is.
  state.controls.lstTracks.currentIndex = 2;
  SetSoundtrackSelection(state, 12, true);
  EXPECT_EQ(Ticks(), "1111111111");
  EXPECT_EQ(state.controls.lstTracks.currentIndex, 2);
  EXPECT_EQ(Boxes(), "00000000100101");
  EXPECT_TRUE(PlaylistRulesHold(state));
}

}  // namespace
}  // namespace kvpm
