#pragma once
// Property of the playlist reader (see FuzzProperties.h).

#include <memory>

#include "support/FuzzProperties.h"

namespace kvpm::testing {

// LoadPlaylistFile over any bytes, with any set of soundtracks available:
// the playlist rules hold afterwards; a refused file leaves the playlist as
// it was and says why; a read file selects exactly the listed tracks of
// available soundtracks, keeps the names its track sections give, tells of
// left-out tracks, and reads back the same after being saved again.
std::unique_ptr<Property> MakePlaylistFileProperty(FakePrefix& prefix);

}  // namespace kvpm::testing
