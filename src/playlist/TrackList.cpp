#include "playlist/TrackList.h"

#include <optional>

#include "playlist/Slots.h"
#include "playlist/SoundtrackSelection.h"

namespace kvpm {

namespace {

void SetTrackSelected(MainState& state, int s, int t, bool value) {
  if (IsTrack(state.catalogue, s, t)) state.playlist.trackSelected[s][t] = value;
}

// The number of items the list holds: the shown soundtrack's tracks.
int ItemCount(const MainState& state) {
  const int s = ShownSoundtrack(state);
  return s == 0 ? 0 : state.catalogue.trackCounts[s];
}

void OpenContextMenu(MainState& state, int item, bool atPosition) {
  state.controls.menuTrack = item;
  const std::optional<int> chosen =
      state.dialogs.PopupTrackMenu(atPosition, TrackMenuChecks(state));
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
  if (item < 1 || item > ItemCount(state)) return;
  state.controls.currentRow = item - 1;
  const int s = ShownSoundtrack(state);
  if (action == kToggleAction) {
    // Set from the playlist, whatever the toolkit did to the tick, so each
    // click or Space toggles the track exactly once.
    SetTrackSelected(state, s, item, !state.playlist.trackSelected[s][item]);
  } else if (action == kContextMenuAction) {
    OpenContextMenu(state, item, atPosition);
  }
}

void TrackListMouseUp(MainState& state, int button, int item) {
  TrackListAction(state, button, item, false);
}

void TrackListKeyUp(MainState& state, int keyCode) {
  const int item = state.controls.currentRow + 1;
  if (keyCode == kKeySpace) {
    TrackListAction(state, kToggleAction, item, true);
  } else if (keyCode == kKeyContextMenu) {
    TrackListAction(state, kContextMenuAction, item, true);
  }
}

void TrackListFocusReceived(MainState& state, bool leftButtonDown) {
  if (!leftButtonDown && ItemCount(state) > 0 && state.controls.currentRow < 0) {
    state.controls.currentRow = 0;
  }
}

}  // namespace kvpm
