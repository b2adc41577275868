#pragma once
// The fixed rows of the game tracks, soundtracks 1 to 12. Their keys are not
// stored: they follow from the titles (TrackKey). The generic soundtracks 13
// and 14 have no rows here; their tracks are numbered.

#include <span>

namespace kvpm {

struct TrackRow {
  int soundtrack;
  int track;
  const char* title;
  const char* section;
  const char* sound;
};

std::span<const TrackRow> GameTrackRows();

}  // namespace kvpm
