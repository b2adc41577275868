#include "support/PlaylistRules.h"

#include <string>

namespace kvpm::testing {

namespace {

using ::testing::AssertionFailure;
using ::testing::AssertionResult;
using ::testing::AssertionSuccess;

AssertionResult BoxesFollowSelection(const MainState& state) {
  for (int s = 1; s <= kSoundtrackCount; ++s) {
    const int count = state.catalogue.trackCounts[s];
    int selected = 0;
    for (int t = 1; t <= count; ++t) selected += state.trackSelected[s][t] ? 1 : 0;
    const int expected = selected == 0 ? Unticked : selected == count ? Ticked : Partial;
    const int value = state.controls.cboxSoundtrack[s - 1].value;
    if (value != expected) {
      return AssertionFailure() << "box of soundtrack " << s << " is " << value << " with "
                                << selected << " of " << count << " tracks selected";
    }
  }
  return AssertionSuccess();
}

AssertionResult ListShowsSelectedSoundtrack(const MainState& state) {
  const ComboBox& combo = state.controls.comboSoundtrack;
  if (combo.selectedIndex < 0 || combo.selectedIndex >= static_cast<int>(combo.items.size())) {
    return AssertionFailure() << "comboSoundtrack has no selected entry";
  }
  const int s = combo.items[combo.selectedIndex].data;
  const auto& items = state.controls.lstTracks.items;
  if (static_cast<int>(items.size()) != state.catalogue.trackCounts[s]) {
    return AssertionFailure() << "lstTracks holds " << items.size() << " items for soundtrack "
                              << s;
  }
  for (int t = 1; t <= state.catalogue.trackCounts[s]; ++t) {
    std::string text = state.catalogue.trackTitles[s][t];
    if (!state.kvlNames[s][t].empty()) text += " (" + state.kvlNames[s][t] + ")";
    const ListItem& item = items[t - 1];
    if (item.text != text) {
      return AssertionFailure() << "item " << t - 1 << " reads \"" << item.text << "\", not \""
                                << text << "\"";
    }
    if (item.ticked != state.trackSelected[s][t]) {
      return AssertionFailure() << "tick of item " << t - 1 << " differs from track " << s << "/"
                                << t;
    }
  }
  const int current = state.controls.lstTracks.currentIndex;
  if (current < -1 || current >= static_cast<int>(items.size())) {
    return AssertionFailure() << "current item " << current << " is not in the list";
  }
  return AssertionSuccess();
}

AssertionResult SlotsShowTheirMembers(const MainState& state) {
  struct SlotView {
    const char* name;
    int option, soundtrack, track;
    const SlotControls& controls;
  };
  const SlotView slots[] = {
      {"Intro", state.introOption, state.introSoundtrack, state.introTrack,
       state.controls.optINTRO},
      {"Loading", state.loadingOption, state.loadingSoundtrack, state.loadingTrack,
       state.controls.optLOADING},
      {"Score", state.scoreOption, state.scoreSoundtrack, state.scoreTrack,
       state.controls.optSCORE}};
  for (const SlotView& slot : slots) {
    if (slot.option < 0 || slot.option > 3 || slot.controls.selectedOption != slot.option) {
      return AssertionFailure() << slot.name << " has option " << slot.option << " but button "
                                << slot.controls.selectedOption << " selected";
    }
    if (slot.soundtrack < 1 || slot.soundtrack > kSoundtrackCount || slot.track < 1 ||
        slot.track > state.catalogue.trackCounts[slot.soundtrack]) {
      return AssertionFailure() << slot.name << " has no track " << slot.soundtrack << "/"
                                << slot.track;
    }
    const std::string& title = state.catalogue.trackTitles[slot.soundtrack][slot.track];
    const std::string label = "\"" + title + "\"";
    if (slot.controls.label != label) {
      return AssertionFailure() << slot.name << " label reads " << slot.controls.label << ", not "
                                << label;
    }
  }
  return AssertionSuccess();
}

AssertionResult OnlyAvailableTracksSelected(const MainState& state) {
  for (int s = 0; s <= kSoundtrackCount; ++s) {
    const bool available = s > 0 && state.controls.cboxSoundtrack[s - 1].enabled;
    for (int t = 0; t <= kMaxTracks; ++t) {
      const bool isTrack = s > 0 && t > 0 && t <= state.catalogue.trackCounts[s];
      if (state.trackSelected[s][t] && !(isTrack && available)) {
        return AssertionFailure() << "track " << s << "/" << t << " is selected";
      }
    }
  }
  return AssertionSuccess();
}

}  // namespace

AssertionResult PlaylistRulesHold(const MainState& state) {
  for (auto rule : {BoxesFollowSelection, ListShowsSelectedSoundtrack, SlotsShowTheirMembers,
                    OnlyAvailableTracksSelected}) {
    AssertionResult result = rule(state);
    if (!result) return result;
  }
  return AssertionSuccess();
}

}  // namespace kvpm::testing
