#include "playlist/Slots.h"

#include "playlist/SoundtrackSelection.h"
#include "playlist/TrackList.h"
#include "util/TovrikStandardFunctions.h"

namespace kvpm {

void SelectOption(MainState& state, SlotId slot, int k) {
  if (k >= kNoTrackOption && k <= kCustomOption) state.playlist.slot[slot].option = k;
}

void SetSlot(MainState& state, SlotId slot, int s, int t, int option) {
  Slot& custom = state.playlist.slot[slot];
  custom.soundtrack = s;
  custom.track = t;
  SelectOption(state, slot, option);
}

std::array<bool, 3> TrackMenuChecks(const MainState& state) {
  std::array<bool, 3> checks{};
  for (SlotId id : {Intro, Loading, Score}) {
    const Slot& slot = state.playlist.slot[id];
    checks[id] = slot.option == kCustomOption && slot.track == state.controls.menuTrack &&
                 slot.soundtrack == ShownSoundtrack(state);
  }
  return checks;
}

void SlotMenuCommand(MainState& state, SlotId slot) {
  const int s = ShownSoundtrack(state);
  const int t = state.controls.menuTrack;
  if (!IsTrack(state.catalogue, s, t)) return;
  if (TrackMenuChecks(state)[slot]) {
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
