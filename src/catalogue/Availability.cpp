#include "catalogue/Availability.h"

#include "catalogue/SoundtrackNumbers.h"
#include "playlist/Slots.h"
#include "util/TovrikStandardFunctions.h"

namespace kvpm {

namespace {

bool GameFileExists(const MainState& state, const std::string& name) {
  return TovrikStandardFunctions::PathExists(state.gameFolder + "\\" + name, false);
}

// Any one archive of the soundtrack suffices; empty slots are never tested,
// since the bare game folder would be asked about instead.
bool AnyArchivePresent(const MainState& state, int s) {
  const auto& archives = state.catalogue.soundtrackArchives[s];
  for (int slot = 1; slot <= kArchiveSlots; ++slot) {
    if (!archives[slot].empty() && GameFileExists(state, archives[slot])) return true;
  }
  return false;
}

// A present archive copy is offered for deletion when the settings allow
// it; otherwise the button can do nothing and is disabled.
void OfferDeletion(Button& button, bool allowed, const std::string& deleteCaption) {
  if (allowed) {
    button.caption = deleteCaption;
  } else {
    button.enabled = false;
  }
}

}  // namespace

void RefreshArchiveButtons(MainState& state) {
  const Catalogue& catalogue = state.catalogue;
  WindowControls& controls = state.controls;

  for (int s = 1; s <= kSoundtrackCount; ++s) {
    CheckBox& box = controls.cboxSoundtrack[s - 1];
    box.caption = EscapeAmpersands(catalogue.soundtrackTitles[s]);
    if (s == kKorvaleSoundtrack) {
      // The game plays this soundtrack from its CD; a copy in the game folder
      // only decides what cmdKV offers.
      if (GameFileExists(state, catalogue.soundtrackArchives[s][1])) {
        OfferDeletion(controls.cmdKV, state.allowKvDeletion, kDeleteKvCaption);
      }
    } else if (s != kGenericModSoundtrack) {
      box.enabled = AnyArchivePresent(state, s);
    }
    if (box.enabled) controls.comboSoundtrack.items.push_back({catalogue.soundtrackTitles[s], s});
  }

  if (controls.cboxSoundtrack[kHarrowgateSoundtrack - 1].enabled) {
    OfferDeletion(controls.cmdHG, state.allowHgDeletion, kDeleteHgCaption);
  }

  if (TovrikStandardFunctions::PathExists(state.themeFile, false) &&
      IsPlaylistFile(state.themeFile)) {
    controls.menu_disable.enabled = true;
  }
}

std::string EscapeAmpersands(const std::string& text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (char c : text) {
    escaped += c;
    if (c == '&') escaped += '&';
  }
  return escaped;
}

}  // namespace kvpm
