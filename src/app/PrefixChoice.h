#pragma once
// Which Wine prefix the program meets the game in, decided before the game
// is looked for. A prefix given on the command line, else WINEPREFIX, is
// used and no other. Without one: the prefix remembered in kvpm.ini
// ([Wine] Prefix) while it still holds the game; else the prefixes of the
// usual launchers that hold it: one is used, among several the user chooses.
// With none the default prefix stays, and the game's detection tells what
// is missing. On Windows the registry is the system's and nothing is chosen.

#include <optional>
#include <string>
#include <vector>

#include "state/MainState.h"

namespace kvpm {

struct PrefixChoice {
  std::string folder;     // "" when the default prefix stays
  bool remember = false;  // the user asked to remember the choice
};

// A prefix that the usual launchers keep, with the game folder that its
// registry names ("" when it names none, and when it does not hold the game).
struct FoundPrefix {
  PrefixOffer offer;
  bool holdsGame = false;
};

// Every prefix that the launchers keep, in the search's order; the prefix in
// force stays as it was.
std::vector<FoundPrefix> SearchLauncherPrefixes();

// Puts the chosen prefix in force. Nothing when the user cancelled the
// choice: the program ends.
std::optional<PrefixChoice> ChooseWinePrefix(MainState& state, const std::string& givenPrefix);

// Writes the remembered prefix into kvpm.ini, once the settings are read.
void RememberPrefix(const MainState& state, const PrefixChoice& choice);

}  // namespace kvpm
