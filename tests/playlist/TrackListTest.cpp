#include "playlist/TrackList.h"

#include <gtest/gtest.h>

#include <string>

#include "playlist/Slots.h"
#include "playlist/SoundtrackSelection.h"
#include "support/EditingFixture.h"
#include "support/PlaylistRules.h"

namespace kvpm {
namespace {

using testing::PlaylistRulesHold;

constexpr int kLeft = 1, kRight = 2, kMiddle = 4;

class TrackListTest : public testing::EditingFixture {
 protected:
  // The menu items' check marks as "IL S": a letter per checked item.
  std::string CheckMarks() const {
    return std::string(state.controls.menu_intro.checked ? "I" : "-") +
           (state.controls.menu_loading.checked ? "L" : "-") +
           (state.controls.menu_score.checked ? "S" : "-");
  }

  // Right click on item with the menu dismissed; returns the check marks it showed.
  std::string MarksOnRightClick(int item) {
    dialogs.menuChoices.push_back(std::nullopt);
    TrackListMouseUp(state, kRight, item);
    return CheckMarks();
  }
};

TEST_F(TrackListTest, LeftClicksToggleTracksAndTurnTheBox) {
  ShowSoundtrack(state, 11);
  const struct {
    int item;
    const char* ticks;
    int box;
  } steps[] = {{1, "100", Partial}, {2, "110", Partial}, {3, "111", Ticked},
               {2, "101", Partial}, {1, "001", Partial}, {3, "000", Unticked}};
  for (const auto& step : steps) {
    TrackListMouseUp(state, kLeft, step.item);
    EXPECT_EQ(Ticks(), step.ticks);
    EXPECT_EQ(state.controls.cboxSoundtrack[10].value, step.box);
    EXPECT_EQ(state.controls.lstTracks.currentIndex, step.item - 1);
    EXPECT_TRUE(PlaylistRulesHold(state));
  }
  EXPECT_TRUE(dialogs.menusOpened.empty());
}

TEST_F(TrackListTest, EachClickTogglesExactlyOnceWhateverTheToolkitDidToTheTick) {
  state.controls.lstTracks.items[0].ticked = false;  // the toolkit flipped it already
  TrackListMouseUp(state, kLeft, 1);
  EXPECT_FALSE(state.trackSelected[9][1]);
  EXPECT_EQ(Ticks(), "0111111100");
  EXPECT_TRUE(PlaylistRulesHold(state));
}

TEST_F(TrackListTest, OtherButtonsOnlyMakeTheItemCurrent) {
  TrackListMouseUp(state, kMiddle, 4);
  TrackListAction(state, 0, 4, false);
  TrackListAction(state, 7, 4, true);
  EXPECT_EQ(state.controls.lstTracks.currentIndex, 3);
  EXPECT_EQ(Ticks(), "1111111100");
  EXPECT_TRUE(dialogs.menusOpened.empty());
  EXPECT_TRUE(PlaylistRulesHold(state));
}

TEST_F(TrackListTest, ClicksBesideTheItemsDoNothing) {
  state.controls.lstTracks.currentIndex = 2;
  for (int item : {0, -1, 11, 50}) {
    TrackListMouseUp(state, kLeft, item);
    TrackListMouseUp(state, kRight, item);
  }
  EXPECT_EQ(state.controls.lstTracks.currentIndex, 2);
  EXPECT_EQ(Ticks(), "1111111100");
  EXPECT_TRUE(dialogs.menusOpened.empty());
}

TEST_F(TrackListTest, SpaceTogglesTheCurrentItemOnly) {
  TrackListKeyUp(state, kKeySpace);  // no current item yet
  EXPECT_EQ(Ticks(), "1111111100");

  state.controls.lstTracks.currentIndex = 8;
  TrackListKeyUp(state, kKeySpace);
  EXPECT_EQ(Ticks(), "1111111110");
  EXPECT_EQ(state.controls.cboxSoundtrack[8].value, Partial);
  TrackListKeyUp(state, kKeySpace);
  EXPECT_EQ(Ticks(), "1111111100");

  TrackListKeyUp(state, 13);  // Enter
  TrackListKeyUp(state, 65);  // A
  EXPECT_EQ(Ticks(), "1111111100");
  EXPECT_TRUE(dialogs.menusOpened.empty());
  EXPECT_TRUE(PlaylistRulesHold(state));
}

TEST_F(TrackListTest, KeysInAnEmptyListDoNothing) {
  testing::FakeDialogs otherDialogs;
  MainState empty(otherDialogs);
  TrackListFocusReceived(empty, false);
  TrackListKeyUp(empty, kKeySpace);
  TrackListKeyUp(empty, kKeyContextMenu);
  EXPECT_EQ(empty.controls.lstTracks.currentIndex, -1);
  EXPECT_TRUE(otherDialogs.menusOpened.empty());
}

TEST_F(TrackListTest, KeyboardFocusPutsTheCurrentItemOnTheFirstTrack) {
  TrackListFocusReceived(state, true);  // a click brings the focus
  EXPECT_EQ(state.controls.lstTracks.currentIndex, -1);
  TrackListFocusReceived(state, false);  // Tab
  EXPECT_EQ(state.controls.lstTracks.currentIndex, 0);
  TrackListKeyUp(state, kKeySpace);
  EXPECT_FALSE(state.trackSelected[9][1]);

  state.controls.lstTracks.currentIndex = 5;
  TrackListFocusReceived(state, false);
  EXPECT_EQ(state.controls.lstTracks.currentIndex, 5);
  EXPECT_TRUE(PlaylistRulesHold(state));
}

TEST_F(TrackListTest, TheMenuOpensForAnItemAtThePointerOrBesideTheCurrentItem) {
  dialogs.menuChoices = {std::nullopt, std::nullopt};
  TrackListMouseUp(state, kRight, 7);
  EXPECT_EQ(state.controls.menuRcTag, "7");
  EXPECT_EQ(state.controls.lstTracks.currentIndex, 6);

  state.controls.lstTracks.currentIndex = 9;
  TrackListKeyUp(state, kKeyContextMenu);
  EXPECT_EQ(state.controls.menuRcTag, "10");
  EXPECT_EQ(dialogs.menusOpened, (std::vector<bool>{false, true}));

  // Dismissing the menu changes nothing.
  EXPECT_EQ(Ticks(), "1111111100");
  EXPECT_EQ(state.introOption, 1);
  EXPECT_EQ(state.loadingOption, 1);
  EXPECT_EQ(state.scoreOption, 1);
  EXPECT_TRUE(PlaylistRulesHold(state));
}

TEST_F(TrackListTest, ContextMenuKeyWithoutCurrentItemOpensNothing) {
  TrackListKeyUp(state, kKeyContextMenu);
  EXPECT_TRUE(dialogs.menusOpened.empty());
}

TEST_F(TrackListTest, CheckMarksShowTheSlotsThatUseTheTrack) {
  // The defaults name 9/2, 9/5, 9/9 as custom tracks, but use option 1.
  EXPECT_EQ(MarksOnRightClick(2), "---");

  SetSlot(state, Intro, 9, 3, kCustomOption);
  EXPECT_EQ(MarksOnRightClick(3), "I--");
  SetSlot(state, Score, 9, 3, kCustomOption);
  EXPECT_EQ(MarksOnRightClick(3), "I-S");
  SetSlot(state, Loading, 9, 3, kCustomOption);
  EXPECT_EQ(MarksOnRightClick(3), "ILS");
  EXPECT_EQ(MarksOnRightClick(4), "---");

  SelectOption(state, Loading, kOriginalOption);
  SelectOption(state, Score, kNoTrackOption);
  EXPECT_EQ(MarksOnRightClick(3), "I--");
  SelectOption(state, Intro, kGenericModOption);
  EXPECT_EQ(MarksOnRightClick(3), "---");

  // The same track number in another soundtrack is another track.
  SelectOption(state, Intro, kCustomOption);
  ShowSoundtrack(state, 1);
  EXPECT_EQ(MarksOnRightClick(3), "---");
  EXPECT_TRUE(PlaylistRulesHold(state));
}

TEST_F(TrackListTest, SingleTracksAreSelectedWhetherShownOrNot) {
  SelectTrack(state, 9, 10);
  EXPECT_EQ(Ticks(), "1111111101");
  SelectTrack(state, 12, 1);
  EXPECT_EQ(Ticks(), "1111111101");
  EXPECT_EQ(state.controls.cboxSoundtrack[11].value, Partial);
  for (int t = 2; t <= 4; ++t) SelectTrack(state, 12, t);
  EXPECT_EQ(state.controls.cboxSoundtrack[11].value, Ticked);
  DeselectTrack(state, 9, 1);
  EXPECT_EQ(Ticks(), "0111111101");
  EXPECT_TRUE(PlaylistRulesHold(state));
}

TEST_F(TrackListTest, TracksOutsideTheCatalogueAreIgnored) {
  const auto before = state.trackSelected;
  SelectTrack(state, 11, 4);
  SelectTrack(state, 9, 0);
  SelectTrack(state, 9, 51);
  SelectTrack(state, 0, 1);
  SelectTrack(state, 15, 1);
  DeselectTrack(state, -1, 1);
  EXPECT_EQ(state.trackSelected, before);
  EXPECT_TRUE(PlaylistRulesHold(state));
}

}  // namespace
}  // namespace kvpm
