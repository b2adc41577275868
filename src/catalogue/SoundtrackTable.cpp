#include <array>

#include "catalogue/Catalogue.h"

namespace kvpm {
namespace {

struct SoundtrackRow {
  const char* code;
  const char* title;
  std::array<const char*, kArchiveSlots> archives;  // "" marks a slot without archive
  int trackCount;
};

// Soundtracks 1 to 14, in soundtrack number order.
constexpr std::array<SoundtrackRow, kSoundtrackCount> kSoundtracks{{
    {"VM", "Velmora", {"ecachethemeVM.mix", "", ""}, 21},
    {"QN", "Quillan", {"ecachethemeQN.mix", "", ""}, 14},
    {"BR", "Brannoch", {"ecachethemeBR.mix", "ecachethemeBRD1.mix", "ecachethemeBRD2.mix"}, 23},
    {"SL", "Sollet", {"ecachethemeSL.mix", "", ""}, 8},
    {"TV", "Tarvik", {"ecachethemeTV.mix", "", ""}, 8},
    {"OM", "Ombrith", {"ecachethemeOM.mix", "ecachethemeOM1.mix", "ecachethemeOM2.mix"}, 21},
    {"PW", "Pellow", {"ecachethemePW.mix", "", ""}, 10},
    {"HG", "Harrowgate", {"ecachethemeHG.mix", "", ""}, 16},
    {"KV", "Harrowgate: Korvale", {"thememd.mix", "", ""}, 10},
    {"ZEP", "Zephran", {"ecachethemeZEP.mix", "ecachethemeZEP1.mix", "ecachethemeZEP2.mix"}, 20},
    {"HGX", "Harrowgate Extra Tracks", {"ecachethemeHGX.mix", "", ""}, 3},
    {"NW", "Korvale: Nightward", {"ecachethemeNW.mix", "", ""}, 4},
    {"USER", "Custom User Soundtrack", {"ecachethemeUSER.mix", "user*.wav", ""}, 50},
    {"TRACK", "Generic Mod Soundtrack", {"", "", ""}, 50},
}};

// The order in which theme and playlist files list the soundtracks.
constexpr std::array<int, kSoundtrackCount> kFileOrder{
    12, 8, 11, 9, 14, 7, 6, 5, 4, 3, 2, 1, 10, 13};

}  // namespace

void BuildSoundtrackTable(Catalogue& catalogue) {
  for (int s = 1; s <= kSoundtrackCount; ++s) {
    const SoundtrackRow& row = kSoundtracks[s - 1];
    catalogue.soundtrackCodes[s] = row.code;
    catalogue.soundtrackTitles[s] = row.title;
    for (int slot = 1; slot <= kArchiveSlots; ++slot) {
      catalogue.soundtrackArchives[s][slot] = row.archives[slot - 1];
    }
    catalogue.trackCounts[s] = row.trackCount;
    catalogue.soundtrackOrder[s] = kFileOrder[s - 1];
  }
  BuildTrackNames(catalogue);
  BuildTrackSounds(catalogue);
}

}  // namespace kvpm
