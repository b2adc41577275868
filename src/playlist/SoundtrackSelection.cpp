#include "playlist/SoundtrackSelection.h"

namespace kvpm {

namespace {

std::string TrackItemText(const MainState& state, int s, int t) {
  const std::string& title = state.catalogue.trackTitles[s][t];
  const std::string& kvlName = state.kvlNames[s][t];
  return kvlName.empty() ? title : title + " (" + kvlName + ")";
}

}  // namespace

void SetSoundtrackSelection(MainState& state, int s, bool value) {
  const bool shown = ShownSoundtrack(state) == s;
  ListBox& list = state.controls.lstTracks;
  for (int t = 1; t <= state.catalogue.trackCounts[s]; ++t) {
    state.trackSelected[s][t] = value;
    if (shown) list.items[t - 1].ticked = value;
  }
  if (shown) list.currentIndex = -1;
  UpdateSoundtrackBox(state, s);
}

void ShowSoundtrack(MainState& state, int s) {
  const auto& items = state.controls.comboSoundtrack.items;
  for (int index = static_cast<int>(items.size()) - 1; index >= 0; --index) {
    if (items[index].data == s) {
      SelectComboEntry(state, index);
      return;
    }
  }
}

int ShownSoundtrack(const MainState& state) {
  const ComboBox& combo = state.controls.comboSoundtrack;
  if (combo.selectedIndex < 0 || combo.selectedIndex >= static_cast<int>(combo.items.size())) {
    return 0;
  }
  return combo.items[combo.selectedIndex].data;
}

void SelectComboEntry(MainState& state, int index) {
  ComboBox& combo = state.controls.comboSoundtrack;
  if (index < 0 || index >= static_cast<int>(combo.items.size())) return;
  combo.selectedIndex = index;
  // Also when the entry was selected already: kept names or ticks may have
  // changed behind the list.
  ComboSoundtrackChanged(state);
}

void ComboSoundtrackChanged(MainState& state) {
  const int s = ShownSoundtrack(state);
  ListBox& list = state.controls.lstTracks;
  list.items.clear();
  if (s != 0) {
    for (int t = 1; t <= state.catalogue.trackCounts[s]; ++t) {
      list.items.push_back({TrackItemText(state, s, t), state.trackSelected[s][t]});
    }
  }
  list.currentIndex = -1;
  ++list.fillings;
}

void SoundtrackBoxClicked(MainState& state, int index) {
  if (index < 0 || index >= kSoundtrackCount) return;
  const int s = index + 1;
  const CheckBox& box = state.controls.cboxSoundtrack[index];
  // A click that leaves the box partial changes no selection, and a disabled
  // box takes no clicks; either way the box goes back to what the selection
  // says, should a toolkit have changed it.
  if (!box.enabled) {
    UpdateSoundtrackBox(state, s);
    return;
  }
  ShowSoundtrack(state, s);
  if (box.value == Unticked || box.value == Ticked) {
    SetSoundtrackSelection(state, s, box.value == Ticked);
  } else {
    UpdateSoundtrackBox(state, s);
  }
}

void UpdateSoundtrackBox(MainState& state, int s) {
  const int count = state.catalogue.trackCounts[s];
  int selected = 0;
  for (int t = 1; t <= count; ++t) selected += state.trackSelected[s][t] ? 1 : 0;
  state.controls.cboxSoundtrack[s - 1].value =
      selected == 0 ? Unticked : (selected == count ? Ticked : Partial);
}

}  // namespace kvpm
