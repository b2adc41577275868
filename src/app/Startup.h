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

// The part of the start-up that the window and the command line share: the
// catalogue, the Wine prefix (givenPrefix: the command line's --prefix, or
// ""), game detection, settings and recent files, availability and a new
// playlist. False when the program must end; its message has been shown.
bool LoadProgram(MainState& state, const std::string& programFolder,
                 const std::string& givenPrefix);

// Brings the program up in its fixed order: LoadProgram, then the playlist
// active in the game, the game's audio switches, and the first-start About.
StartupOutcome InitialiseMainWindow(MainState& state, const std::string& programFolder,
                                    const std::string& givenPrefix = "");

}  // namespace kvpm
