#pragma once
// Which soundtracks are present in the game folder, decided once at start-up.

#include <string>

#include "state/MainState.h"

namespace kvpm {

// The installation's availability (any archive of a soundtrack in the game
// folder; soundtracks 9 and 14 always), the soundtracks listed for single
// tracks (those available), the CD archives copied into the game folder, and
// whether a theme file of this program is there.
void RefreshArchiveButtons(MainState& state);

// The text with every "&" doubled, so that a caption shows it literally
// instead of taking it for an access-key marker.
std::string EscapeAmpersands(const std::string& text);

}  // namespace kvpm
