#include "playlist/Slots.h"

#include <charconv>

#include "playlist/SoundtrackSelection.h"
#include "playlist/TrackList.h"
#include "util/TovrikStandardFunctions.h"

namespace kvpm {

namespace {

// The track number remembered with the context menu; 0 when there is none.
int RememberedTrack(const std::string& tag) {
  int track = 0;
  const auto [end, error] = std::from_chars(tag.data(), tag.data() + tag.size(), track);
  return error == std::errc() && end == tag.data() + tag.size() ? track : 0;
}

}  // namespace

void SelectOption(MainState& state, SlotId slot, int k) {
  if (k < kNoTrackOption || k > kCustomOption) return;
  SlotRef ref = state.Slot(slot);
  ref.controls.selectedOption = k;
  ref.option = k;
}

void SetSlot(MainState& state, SlotId slot, int s, int t, int option) {
  SlotRef ref = state.Slot(slot);
  ref.soundtrack = s;
  ref.track = t;
  SelectOption(state, slot, option);
  ref.controls.label = SlotLabelCaption(state.catalogue, s, t);
}

void SlotMenuCommand(MainState& state, SlotId slot) {
  const int s = ShownSoundtrack(state);
  const int t = RememberedTrack(state.controls.menuRcTag);
  if (!IsTrack(state.catalogue, s, t)) return;
  if (state.Slot(slot).menuItem.checked) {
    SelectOption(state, slot, kGenericModOption);
  } else {
    SetSlot(state, slot, s, t, kCustomOption);
  }
}

void SlotLabelClicked(MainState& state, SlotId slot) { SelectOption(state, slot, kCustomOption); }

std::string SlotLabelCaption(const Catalogue& catalogue, int s, int t) {
  return "\"" + catalogue.trackTitles[s][t] + "\"";
}

bool IsPlaylistFile(const std::string& path) {
  return !TovrikStandardFunctions::ReadIniValue("KVPMINTR", "Option", path, "").empty();
}

}  // namespace kvpm
