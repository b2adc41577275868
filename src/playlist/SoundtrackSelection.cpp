#include "playlist/SoundtrackSelection.h"

#include "state/ShowState.h"

namespace kvpm {

void SetSoundtrackSelection(MainState& state, int s, bool value) {
  for (int t = 1; t <= state.catalogue.trackCounts[s]; ++t) {
    state.playlist.trackSelected[s][t] = value;
  }
  if (ShownSoundtrack(state) == s) state.controls.currentRow = -1;
}

void ShowSoundtrack(MainState& state, int s) {
  if (s < 1 || s > kSoundtrackCount || !state.installation.listed[s]) return;
  state.controls.shownSoundtrack = s;
  ComboSoundtrackChanged(state);
}

int ShownSoundtrack(const MainState& state) { return state.controls.shownSoundtrack; }

std::vector<int> ListedSoundtracks(const Installation& installation) {
  std::vector<int> listed;
  for (int s = 1; s <= kSoundtrackCount; ++s) {
    if (installation.listed[s]) listed.push_back(s);
  }
  return listed;
}

void SelectComboEntry(MainState& state, int index) {
  const std::vector<int> entries = ListedSoundtracks(state.installation);
  if (index < 0 || index >= static_cast<int>(entries.size())) return;
  // Also when the entry was selected already: kept names or ticks may have
  // changed behind the list.
  state.controls.shownSoundtrack = entries[index];
  ComboSoundtrackChanged(state);
}

void ComboSoundtrackChanged(MainState& state) {
  state.controls.currentRow = -1;
  ++state.controls.fillings;
}

void SoundtrackBoxClicked(MainState& state, int index, int newValue) {
  if (index < 0 || index >= kSoundtrackCount) return;
  const int s = index + 1;
  if (!state.installation.available[s]) return;
  ShowSoundtrack(state, s);
  if (newValue == Unticked || newValue == Ticked) {
    SetSoundtrackSelection(state, s, newValue == Ticked);
  }
}

void UpdateSoundtrackBox(const MainState& state, int s, CheckBox& box) {
  const int count = state.catalogue.trackCounts[s];
  int selected = 0;
  for (int t = 1; t <= count; ++t) selected += state.playlist.trackSelected[s][t] ? 1 : 0;
  box.value = selected == 0 ? Unticked : (selected == count ? Ticked : Partial);
}

std::string TrackItemText(const MainState& state, int s, int t) {
  const std::string& title = state.catalogue.trackTitles[s][t];
  const std::string& kvlName = state.playlist.kvlNames[s][t];
  return kvlName.empty() ? title : title + " (" + kvlName + ")";
}

}  // namespace kvpm
