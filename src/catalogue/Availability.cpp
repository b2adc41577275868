#include "catalogue/Availability.h"

#include "catalogue/SoundtrackNumbers.h"
#include "playlist/Slots.h"
#include "util/TovrikStandardFunctions.h"

namespace kvpm {

namespace {

bool GameFileExists(const MainState& state, const std::string& name) {
  return TovrikStandardFunctions::PathExists(state.installation.gameFolder + "\\" + name, false);
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

}  // namespace

void RefreshArchiveButtons(MainState& state) {
  Installation& installation = state.installation;
  for (int s = 1; s <= kSoundtrackCount; ++s) {
    // The game plays the expansion's soundtrack from its CD and a mod's from
    // the mod: both are always available.
    if (s != kKorvaleSoundtrack && s != kGenericModSoundtrack) {
      installation.available[s] = AnyArchivePresent(state, s);
    }
    installation.listed[s] = installation.available[s];
  }
  installation.hgArchivePresent = installation.available[kHarrowgateSoundtrack];
  installation.kvArchivePresent =
      GameFileExists(state, state.catalogue.soundtrackArchives[kKorvaleSoundtrack][1]);
  // A theme file of this program is offered for deactivation here; start-up
  // offers one from elsewhere when it warns about it.
  if (TovrikStandardFunctions::PathExists(installation.themeFile, false) &&
      IsPlaylistFile(installation.themeFile)) {
    installation.themeFileExists = true;
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
