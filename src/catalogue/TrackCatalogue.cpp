// Fills the four per-track tables: the game tracks from their fixed rows, the
// tracks of the two generic soundtracks by number.

#include <array>
#include <string>

#include "catalogue/Catalogue.h"
#include "catalogue/TrackKey.h"
#include "catalogue/TrackRows.h"

namespace kvpm {
namespace {

struct GenericSoundtrack {
  int soundtrack;
  const char* titlePrefix;
};

// Their tracks are the code and the track number in two digits, as section id,
// sound name and (after "THEME:") key.
constexpr std::array<GenericSoundtrack, 2> kGenericSoundtracks{{
    {13, "Personal Track "},
    {14, "Mod Track "},
}};

std::string TwoDigits(int number) {
  return {static_cast<char>('0' + number / 10), static_cast<char>('0' + number % 10)};
}

// Calls fill(s, t, title prefix, code + two-digit number) for every generic track.
template <typename Fill>
void ForEachGenericTrack(const Catalogue& catalogue, Fill fill) {
  for (const GenericSoundtrack& generic : kGenericSoundtracks) {
    const int s = generic.soundtrack;
    for (int t = 1; t <= catalogue.trackCounts[s]; ++t) {
      fill(s, t, generic.titlePrefix + TwoDigits(t), catalogue.soundtrackCodes[s] + TwoDigits(t));
    }
  }
}

}  // namespace

void BuildTrackNames(Catalogue& catalogue) {
  for (const TrackRow& row : GameTrackRows()) {
    catalogue.trackTitles[row.soundtrack][row.track] = row.title;
    catalogue.trackKeys[row.soundtrack][row.track] =
        TrackKey(catalogue.soundtrackCodes[row.soundtrack], row.title);
  }
  ForEachGenericTrack(catalogue,
                      [&](int s, int t, const std::string& title, const std::string& name) {
                        catalogue.trackTitles[s][t] = title;
                        catalogue.trackKeys[s][t] = "THEME:" + name;
                      });
}

void BuildTrackSounds(Catalogue& catalogue) {
  for (const TrackRow& row : GameTrackRows()) {
    catalogue.trackSections[row.soundtrack][row.track] = row.section;
    catalogue.trackSounds[row.soundtrack][row.track] = row.sound;
  }
  ForEachGenericTrack(catalogue, [&](int s, int t, const std::string&, const std::string& name) {
    catalogue.trackSections[s][t] = name;
    catalogue.trackSounds[s][t] = name;
  });
}

}  // namespace kvpm
