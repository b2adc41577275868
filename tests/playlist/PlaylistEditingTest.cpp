// Editing the playlist: soundtrack boxes, the track list, its context menu and the slots.

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>

#include "playlist/NewPlaylist.h"
#include "playlist/Slots.h"
#include "playlist/SoundtrackSelection.h"
#include "playlist/TrackList.h"
#include "state/ShowState.h"
#include "support/Program.h"

namespace kvpm {
namespace {

constexpr int kLeft = 1, kRight = 2, kMiddle = 4;

class PlaylistEditing : public test::Program {
 protected:
  PlaylistEditing() { Start(); }
};

// A box selects or drops every track of its soundtrack and shows them; a left
// click or Space toggles one track; a new playlist forgets it all.
TEST_F(PlaylistEditing, TheSelectionFollowsTheBoxesTheListAndANewPlaylist) {
  enum Event { Box, Mouse, Key, Focus, New };
  struct Step {
    Event event;
    int code, value;  // a box index and value, a button and item, a key, the left button down
    std::string boxes;  // the 14 boxes' values: 0 unticked, 1 ticked, 2 partial
    int shown;          // the list's soundtrack
    std::string ticks;  // the list's items, 1 for a ticked one
    int current;        // the list's current item, -1 for none
  };
  const std::string box9 = "10000000100000", partial11 = "10000000102000";
  const Step steps[] = {
      {Box, 0, Ticked, "10000000200001", 1, std::string(21, '1'), -1},
      {Box, 13, Unticked, "10000000200000", 14, std::string(50, '0'), -1},  // from ticked
      {Box, 8, Ticked, box9, 9, "1111111111", -1},
      {Box, 10, Unticked, box9, 11, "000", -1},
      {Focus, true, 0, box9, 11, "000", -1},  // the click that brought it decides
      {Key, kKeySpace, 0, box9, 11, "000", -1},
      {Focus, false, 0, box9, 11, "000", 0},  // by Tab: the first item
      {Key, kKeySpace, 0, partial11, 11, "100", 0},
      {Mouse, kLeft, 2, partial11, 11, "110", 1},
      {Mouse, kLeft, 3, "10000000101000", 11, "111", 2},
      {Mouse, kMiddle, 1, "10000000101000", 11, "111", 0},
      {Key, kKeySpace, 0, partial11, 11, "011", 0},
      {Mouse, kLeft, 0, partial11, 11, "011", 0},  // below the last item
      {Mouse, kRight, 0, partial11, 11, "011", 0},
      {Mouse, kLeft, 2, partial11, 11, "001", 1},
      {Mouse, kLeft, 3, box9, 11, "000", 2},
      {Key, kKeySpace, 0, partial11, 11, "001", 2},
      {New, 0, 0, "00000000200001", 9, "1111111100", -1},  // while a short soundtrack is shown
  };
  state.playlist.music = Unticked;
  for (const Step& step : steps) {
    SCOPED_TRACE(&step - steps);
    if (step.event == Box) SoundtrackBoxClicked(state, step.code, step.value);
    if (step.event == Focus) TrackListFocusReceived(state, step.code);
    if (step.event == Key) TrackListKeyUp(state, step.code);
    if (step.event == Mouse) TrackListMouseUp(state, step.code, step.value);
    if (step.event == New) NewPlaylist(state);
    const ControlStates controls = ShowState(state);
    std::string boxes, ticks;
    for (const CheckBox& box : controls.cboxSoundtrack) boxes += std::to_string(box.value);
    for (const ListItem& item : controls.lstTracks.items) ticks += item.ticked ? '1' : '0';
    EXPECT_EQ(boxes, step.boxes);
    EXPECT_EQ(ShownSoundtrack(state), step.shown);
    EXPECT_EQ(ticks, step.ticks);
    EXPECT_EQ(controls.lstTracks.currentIndex, step.current);
  }
  EXPECT_TRUE(dialogs.menusOpened.empty());
  EXPECT_EQ(state.playlist.music, Unticked);
}

// A menu item's check mark says that its slot plays the track as custom track;
// its command then falls back to the generic track, else makes the track the
// slot's custom track. Option buttons and the label only choose the option.
TEST_F(PlaylistEditing, SlotsFollowTheContextMenuTheOptionButtonsAndTheLabel) {
  enum Act { Menu, MenuKey, Option, Label };
  const std::string quarn = "\"Quarn [KV Intro Theme]\"", user07 = "\"Personal Track 07\"";
  struct Step {
    Act act;
    int slot, value, item;  // value: the soundtrack shown, or the option; slot -1: dismissed
    std::array<int, 3> options;  // Intro, Loading, Score
    std::array<std::string, 3> labels;  // of the custom tracks
    std::array<bool, 3> marks = {};     // the context menu's check marks
  };
  const std::array<std::string, 3> fresh = {quarn, "\"Tamber Kit [KV Loading Theme]\"",
                                            "\"Score Theme [KV Score Theme]\""};
  const std::array<std::string, 3> users = {quarn, user07, user07};
  const Step steps[] = {
      {Menu, Intro, 9, 2, {3, 1, 1}, fresh},
      {MenuKey, Intro, 9, 2, {1, 1, 1}, fresh, {true, false, false}},
      {Menu, Intro, 9, 2, {3, 1, 1}, fresh},
      {MenuKey, Loading, 13, 7, {3, 3, 1}, {quarn, user07, fresh[2]}},
      {Menu, Score, 13, 7, {3, 3, 3}, users, {false, true, false}},
      {Menu, -1, 13, 2, {3, 3, 3}, users},
      {Option, Loading, kOriginalOption, 0, {3, 2, 3}, users},
      {Menu, Score, 13, 7, {3, 2, 1}, users, {false, false, true}},
      {Option, Score, kNoTrackOption, 0, {3, 2, 0}, users, {false, false, true}},
      {Label, Loading, 0, 0, {3, 3, 0}, users, {false, false, true}},
      {Menu, -1, 13, 7, {3, 3, 0}, users, {false, true, false}},
      {Option, Intro, kCustomOption, 0, {3, 3, 0}, users, {false, true, false}},
  };
  state.playlist.kvlNames[13][7] = "Boss";  // a kept name shows in the list, not in the label
  for (const Step& step : steps) {
    SCOPED_TRACE(&step - steps);
    const auto slot = static_cast<SlotId>(step.slot);
    if (step.act == Option) SelectOption(state, slot, step.value);
    if (step.act == Label) SlotLabelClicked(state, slot);
    if (step.act == Menu || step.act == MenuKey) {
      ShowSoundtrack(state, step.value);
      dialogs.menuChoices.push_back(step.slot < 0 ? std::nullopt : std::optional(step.slot));
      TrackListMouseUp(state, step.act == Menu ? kRight : kMiddle, step.item);
      if (step.act == MenuKey) TrackListKeyUp(state, kKeyContextMenu);
      EXPECT_EQ(dialogs.menusOpened.back(), step.act == MenuKey);
    }
    const ControlStates controls = ShowState(state);
    const SlotControls* groups[] = {&controls.optINTRO, &controls.optLOADING, &controls.optSCORE};
    for (SlotId id : {Intro, Loading, Score}) {
      EXPECT_EQ(state.playlist.slot[id].option, step.options[id]) << id;
      EXPECT_EQ(groups[id]->selectedOption, step.options[id]) << id;
      EXPECT_EQ(groups[id]->label, step.labels[id]) << id;
      EXPECT_EQ(dialogs.menuChecks.back()[id], step.marks[id]) << id;
    }
  }
  const ControlStates controls = ShowState(state);
  EXPECT_EQ(controls.lstTracks.items[6].text, "Personal Track 07 (Boss)");
}

}  // namespace
}  // namespace kvpm
