#pragma once
// The start-up sequence of the main window.

#include <string>

#include "state/MainState.h"

namespace kvpm {

enum class StartupOutcome {
  EndProgram,        // the game is missing; its message has been shown
  ShowWindow,
  ShowWindowAndAbout  // first start: the About window in front of the disabled main window
};

// Brings the program up in its fixed order: catalogue, game detection,
// settings and recent files, availability, a new playlist, the playlist
// active in the game, the game's audio switches, and the first-start About.
StartupOutcome InitialiseMainWindow(MainState& state, const std::string& programFolder);

}  // namespace kvpm
