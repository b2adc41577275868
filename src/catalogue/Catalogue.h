#pragma once
// The fixed tables of the 14 soundtracks and their 258 tracks. Filled once at
// start-up by BuildSoundtrackTable and constant afterwards. Every table is
// indexed from 1; index 0 exists and is never used.

#include <array>
#include <string>

namespace kvpm {

constexpr int kSoundtrackCount = 14;
constexpr int kMaxTracks = 50;
constexpr int kArchiveSlots = 3;

template <typename T>
using PerSoundtrack = std::array<T, kSoundtrackCount + 1>;
template <typename T>
using PerTrack = std::array<std::array<T, kMaxTracks + 1>, kSoundtrackCount + 1>;

struct Catalogue {
  PerSoundtrack<std::string> soundtrackCodes;
  PerSoundtrack<std::string> soundtrackTitles;
  PerSoundtrack<std::array<std::string, kArchiveSlots + 1>> soundtrackArchives;
  PerSoundtrack<int> trackCounts{};
  PerSoundtrack<int> soundtrackOrder{};  // soundtrack number at each file position 1..14

  PerTrack<std::string> trackKeys;
  PerTrack<std::string> trackTitles;
  PerTrack<std::string> trackSections;
  PerTrack<std::string> trackSounds;
};

// Fills the soundtrack table, then calls BuildTrackNames and BuildTrackSounds.
void BuildSoundtrackTable(Catalogue& catalogue);
void BuildTrackNames(Catalogue& catalogue);
void BuildTrackSounds(Catalogue& catalogue);

}  // namespace kvpm
