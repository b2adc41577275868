// Editing the playlist: soundtrack boxes, the track list, its context menu and the slots.

#include <gtest/gtest.h>

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

  // The 14 box values, the shown soundtrack and the list's ticks, "*" after the current item.
  std::string Selection() const {
    const ControlStates controls = ShowState(state);
    const ListBox& list = controls.lstTracks;
    std::string text;
    for (const CheckBox& box : controls.cboxSoundtrack) text += std::to_string(box.value);
    text += " " + std::to_string(ShownSoundtrack(state)) + ":";
    const std::size_t first = text.size();
    for (const ListItem& item : list.items) text += item.ticked ? '1' : '0';
    if (list.currentIndex >= 0) text.insert(first + list.currentIndex + 1, "*");
    return text;
  }
  // Each slot as option:soundtrack/track, then the check marks of the last context menu.
  std::string Slots() {
    const ControlStates controls = ShowState(state);
    const SlotControls* groups[] = {&controls.optINTRO, &controls.optLOADING, &controls.optSCORE};
    std::string text, marks;
    for (SlotId id : {Intro, Loading, Score}) {
      const Slot& slot = state.playlist.slot[id];
      EXPECT_EQ(groups[id]->selectedOption, slot.option);
      const std::string& title = state.catalogue.trackTitles[slot.soundtrack][slot.track];
      EXPECT_EQ(groups[id]->label, '"' + title + '"');
      text += std::to_string(slot.option) + ":" + std::to_string(slot.soundtrack) + "/" +
              std::to_string(slot.track) + " ";
      marks += !dialogs.menuChecks.empty() && dialogs.menuChecks.back()[id] ? "ILS"[id] : '-';
    }
    return text + marks;
  }
};

// A box selects or drops every track of its soundtrack and shows them; a left
// click or Space toggles one track; a new playlist forgets it all.
TEST_F(PlaylistEditing, TheSelectionFollowsTheBoxesTheListAndANewPlaylist) {
  enum Event { Box, Mouse, Key, Focus, New };
  // code, value: a box index and value, a button and item, a key, or the left button down
  const struct { Event event; int code, value; std::string selection; } steps[] = {
      {Box, 0, Ticked, "10000000200001 1:" + std::string(21, '1')},
      {Box, 13, Unticked, "10000000200000 14:" + std::string(50, '0')},  // from ticked
      {Box, 8, Ticked, "10000000100000 9:1111111111"},
      {Box, 10, Unticked, "10000000100000 11:000"},
      {Focus, true, 0, "10000000100000 11:000"},  // the click that brought it decides
      {Key, kKeySpace, 0, "10000000100000 11:000"},
      {Focus, false, 0, "10000000100000 11:0*00"},  // by Tab: the first item
      {Key, kKeySpace, 0, "10000000102000 11:1*00"},
      {Mouse, kLeft, 2, "10000000102000 11:11*0"},
      {Mouse, kLeft, 3, "10000000101000 11:111*"},
      {Mouse, kMiddle, 1, "10000000101000 11:1*11"},
      {Key, kKeySpace, 0, "10000000102000 11:0*11"},
      {Mouse, kLeft, 0, "10000000102000 11:0*11"},  // below the last item
      {Mouse, kRight, 0, "10000000102000 11:0*11"},
      {Mouse, kLeft, 2, "10000000102000 11:00*1"},
      {Mouse, kLeft, 3, "10000000100000 11:000*"},
      {Key, kKeySpace, 0, "10000000102000 11:001*"},
      {New, 0, 0, "00000000200001 9:1111111100"},  // while a short soundtrack is shown
  };
  state.playlist.file = "C:\\mine.kvl";
  state.playlist.music = Unticked;
  for (const auto& step : steps) {
    if (step.event == Box) SoundtrackBoxClicked(state, step.code, step.value);
    if (step.event == Focus) TrackListFocusReceived(state, step.code);
    if (step.event == Key) TrackListKeyUp(state, step.code);
    if (step.event == Mouse) TrackListMouseUp(state, step.code, step.value);
    if (step.event == New) NewPlaylist(state);
    EXPECT_EQ(Selection(), step.selection);
  }
  EXPECT_TRUE(dialogs.menusOpened.empty());
  EXPECT_EQ(ShowState(state).caption, "New Playlist - KV Playlist Manager");
  EXPECT_EQ(state.playlist.file, "");
  EXPECT_EQ(state.playlist.music, Unticked);
}

// A menu item's check mark says that its slot plays the track as custom track;
// its command then falls back to the generic track, else makes the track the
// slot's custom track. Option buttons and the label only choose the option.
TEST_F(PlaylistEditing, SlotsFollowTheContextMenuTheOptionButtonsAndTheLabel) {
  enum Act { Menu, MenuKey, Option, Label };
  // value: the soundtrack shown, or the option; slot -1: the menu is dismissed
  const struct { Act act; int slot, value, item; const char* slots; } steps[] = {
      {Menu, Intro, 9, 2, "3:9/2 1:9/5 1:9/9 ---"},
      {MenuKey, Intro, 9, 2, "1:9/2 1:9/5 1:9/9 I--"},
      {Menu, Intro, 9, 2, "3:9/2 1:9/5 1:9/9 ---"},
      {MenuKey, Loading, 13, 7, "3:9/2 3:13/7 1:9/9 ---"},
      {Menu, Score, 13, 7, "3:9/2 3:13/7 3:13/7 -L-"},
      {Menu, -1, 13, 2, "3:9/2 3:13/7 3:13/7 ---"},
      {Option, Loading, kOriginalOption, 0, "3:9/2 2:13/7 3:13/7 ---"},
      {Menu, Score, 13, 7, "3:9/2 2:13/7 1:13/7 --S"},
      {Option, Score, kNoTrackOption, 0, "3:9/2 2:13/7 0:13/7 --S"},
      {Label, Loading, 0, 0, "3:9/2 3:13/7 0:13/7 --S"},
      {Menu, -1, 13, 7, "3:9/2 3:13/7 0:13/7 -L-"},
      {Option, Intro, kCustomOption, 0, "3:9/2 3:13/7 0:13/7 -L-"},
  };
  state.playlist.kvlNames[13][7] = "Boss";  // a kept name shows in the list, not in the label
  for (const auto& step : steps) {
    const auto slot = static_cast<SlotId>(step.slot);
    if (step.act == Option) SelectOption(state, slot, step.value);
    if (step.act == Label) SlotLabelClicked(state, slot);
    if (step.act == Menu || step.act == MenuKey) {
      ShowSoundtrack(state, step.value);
      dialogs.menuChoices.push_back(step.slot < 0 ? std::nullopt : std::optional(step.slot));
      TrackListMouseUp(state, step.act == Menu ? kRight : kMiddle, step.item);
      if (step.act == MenuKey) TrackListKeyUp(state, kKeyContextMenu);
      EXPECT_EQ(dialogs.menusOpened.back(), step.act == MenuKey) << step.slots;
    }
    EXPECT_EQ(Slots(), step.slots);
  }
  const ControlStates controls = ShowState(state);
  EXPECT_EQ(controls.lstTracks.items[6].text, "Personal Track 07 (Boss)");
  EXPECT_EQ(controls.optSCORE.label, "\"Personal Track 07\"");
}

}  // namespace
}  // namespace kvpm
