#pragma once
// Which soundtracks are present in the game folder, decided once at start-up,
// and the controls that follow from it.

#include <string>

#include "state/MainState.h"

namespace kvpm {

// Captions and enabled states of the soundtrack boxes, the entries of
// comboSoundtrack (appended, one per available soundtrack, carrying its
// number), the captions of cmdHG and cmdKV, and menu_disable when the game
// folder holds a theme file of this program.
void RefreshArchiveButtons(MainState& state);

// The text with every "&" doubled, so that a caption shows it literally
// instead of taking it for an access-key marker.
std::string EscapeAmpersands(const std::string& text);

}  // namespace kvpm
