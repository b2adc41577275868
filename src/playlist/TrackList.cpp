#include "playlist/TrackList.h"

#include <optional>
#include <string>

#include "playlist/Slots.h"
#include "playlist/SoundtrackSelection.h"

namespace kvpm {

namespace {

void SetTrackSelected(MainState& state, int s, int t, bool value) {
  if (!IsTrack(state.catalogue, s, t)) return;
  state.trackSelected[s][t] = value;
  if (ShownSoundtrack(state) == s) state.controls.lstTracks.items[t - 1].ticked = value;
  UpdateSoundtrackBox(state, s);
}

void OpenContextMenu(MainState& state, int s, int item, bool atPosition) {
  // A check mark says: this track is the slot's custom track, and the slot uses it.
  for (SlotId slot : {Intro, Loading, Score}) {
    SlotRef ref = state.Slot(slot);
    ref.menuItem.checked =
        ref.controls.selectedOption == kCustomOption && ref.track == item && ref.soundtrack == s;
  }
  state.controls.menuRcTag = std::to_string(item);
  const std::optional<int> chosen = state.dialogs.PopupTrackMenu(atPosition);
  if (chosen && *chosen >= Intro && *chosen <= Score) {
    SlotMenuCommand(state, static_cast<SlotId>(*chosen));
  }
}

}  // namespace

bool IsTrack(const Catalogue& catalogue, int s, int t) {
  return s >= 1 && s <= kSoundtrackCount && t >= 1 && t <= catalogue.trackCounts[s];
}

void SelectTrack(MainState& state, int s, int t) { SetTrackSelected(state, s, t, true); }

void DeselectTrack(MainState& state, int s, int t) { SetTrackSelected(state, s, t, false); }

void TrackListAction(MainState& state, int action, int item, bool atPosition) {
  ListBox& list = state.controls.lstTracks;
  if (item < 1 || item > static_cast<int>(list.items.size())) return;
  list.currentIndex = item - 1;
  const int s = ShownSoundtrack(state);
  if (action == kToggleAction) {
    // The tick is set from the state, whatever the toolkit did to it, so each
    // click or Space toggles the track exactly once.
    SetTrackSelected(state, s, item, !state.trackSelected[s][item]);
  } else if (action == kContextMenuAction) {
    OpenContextMenu(state, s, item, atPosition);
  }
}

void TrackListMouseUp(MainState& state, int button, int item) {
  TrackListAction(state, button, item, false);
}

void TrackListKeyUp(MainState& state, int keyCode) {
  const int item = state.controls.lstTracks.currentIndex + 1;
  if (keyCode == kKeySpace) {
    TrackListAction(state, kToggleAction, item, true);
  } else if (keyCode == kKeyContextMenu) {
    TrackListAction(state, kContextMenuAction, item, true);
  }
}

void TrackListFocusReceived(MainState& state, bool leftButtonDown) {
  ListBox& list = state.controls.lstTracks;
  if (!leftButtonDown && !list.items.empty() && list.currentIndex < 0) list.currentIndex = 0;
}

}  // namespace kvpm
