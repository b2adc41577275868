#pragma once
// Finding the base game and the expansion through the registry. Each check
// that fails shows its message and returns false: the program must then end.

#include <optional>
#include <string>

#include "state/MainState.h"

namespace kvpm {

bool DetectBaseGame(MainState& state);
// Sets gameFolder and compilationInstall.
bool DetectExpansion(MainState& state);
bool CheckExpansionVersion(MainState& state);

// What the registry in force says of the game without touching a file:
// nothing when it holds no key of the base game (the publisher's or the
// compilation's); otherwise the game folder as DetectExpansion would take
// it from the keys ("" when no expansion key names one).
std::optional<std::string> RegisteredGameFolder();

}  // namespace kvpm
