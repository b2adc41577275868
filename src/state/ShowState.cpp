#include "state/ShowState.h"

#include "app/AboutTexts.h"
#include "archives/SoundtrackArchives.h"
#include "catalogue/Availability.h"
#include "catalogue/SoundtrackNumbers.h"
#include "playlist/Slots.h"
#include "playlist/SoundtrackSelection.h"
#include "playlistfiles/RecentFiles.h"

namespace kvpm {

namespace {

// A copy that may not be deleted again leaves the button with nothing to do,
// which kvpm.ini's key can change.
Button ArchiveButton(ArchiveOffer offer, const std::string& copyCaption,
                     const std::string& deleteCaption, const std::string& soundtrack,
                     const std::string& deletionKey) {
  switch (offer) {
    case ArchiveOffer::Copy:
      return {copyCaption, true, "Copy the " + soundtrack + " soundtrack from its CD to the game "
                                 "folder."};
    case ArchiveOffer::Delete:
      return {deleteCaption, true, "Delete the " + soundtrack + " soundtrack from the game folder."};
    case ArchiveOffer::Nothing:
      break;
  }
  return {copyCaption, false, "Deleting the " + soundtrack + " soundtrack is switched off: set " +
                                  deletionKey + "=yes in kvpm.ini to allow it."};
}

SlotControls SlotGroup(const MainState& state, SlotId id) {
  const Slot& slot = state.playlist.slot[id];
  return {slot.option, SlotLabelCaption(state.catalogue, slot.soundtrack, slot.track)};
}

void ShowSoundtracks(const MainState& state, ControlStates& controls) {
  for (int s = 1; s <= kSoundtrackCount; ++s) {
    CheckBox& box = controls.cboxSoundtrack[s - 1];
    box.caption = EscapeAmpersands(state.catalogue.soundtrackTitles[s]);
    // A soundtrack is available when its box is enabled.
    box.enabled = state.installation.available[s];
    UpdateSoundtrackBox(state, s, box);
  }
  controls.cmdHG = ArchiveButton(OfferOf(state, kHarrowgateSoundtrack), kCopyHgCaption,
                                 kDeleteHgCaption, "Harrowgate", "AllowHGDeletion");
  controls.cmdKV = ArchiveButton(OfferOf(state, kKorvaleSoundtrack), kCopyKvCaption,
                                 kDeleteKvCaption, "Korvale", "AllowKVDeletion");
}

void ShowTrackSelection(const MainState& state, ControlStates& controls) {
  const int shown = ShownSoundtrack(state);
  ComboBox& combo = controls.comboSoundtrack;
  for (int s : ListedSoundtracks(state.installation)) {
    if (s == shown) combo.selectedIndex = static_cast<int>(combo.items.size());
    combo.items.push_back({state.catalogue.soundtrackTitles[s], s});
  }
  ListBox& list = controls.lstTracks;
  for (int t = 1; shown != 0 && t <= state.catalogue.trackCounts[shown]; ++t) {
    list.items.push_back({TrackItemText(state, shown, t), state.playlist.trackSelected[shown][t]});
  }
  list.currentIndex = state.controls.currentRow;
  list.fillings = state.controls.fillings;
}

}  // namespace

ControlStates ShowState(const MainState& state) {
  ControlStates controls;
  const std::string& title = state.playlist.title;
  controls.caption = title.empty() ? kProgramTitle : title + " - " + kProgramTitle;
  controls.enabled = state.controls.enabled;
  ShowSoundtracks(state, controls);
  ShowTrackSelection(state, controls);
  controls.optINTRO = SlotGroup(state, Intro);
  controls.optLOADING = SlotGroup(state, Loading);
  controls.optSCORE = SlotGroup(state, Score);
  controls.cboxMusic = {"Game Music", state.playlist.music};
  controls.cboxShuffle = {"Shuffle", state.playlist.shuffle};
  // Deactivation deletes the theme file, whoever wrote it.
  controls.menu_disable = {"&Deactivate Custom Playlist", state.installation.themeFileExists};
  RefreshRecentMenu(state, controls);
  return controls;
}

}  // namespace kvpm
