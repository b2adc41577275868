#pragma once
// Finding the base game and the expansion through the registry. Each check
// that fails shows its message and returns false: the program must then end.

#include "state/MainState.h"

namespace kvpm {

bool DetectBaseGame(MainState& state);
// Sets gameFolder and compilationInstall.
bool DetectExpansion(MainState& state);
bool CheckExpansionVersion(MainState& state);

}  // namespace kvpm
