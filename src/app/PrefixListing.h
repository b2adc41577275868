#pragma once
// kvpm --list-prefixes: what the search for the game found, for a player's
// bug report. One line per prefix, in the search's order:
//   LAUNCHER<TAB>PREFIX<TAB>GAME FOLDER
// the game folder empty when the prefix does not hold the game.

namespace kvpm {

// Writes the lines to standard output; the exit status.
int ListPrefixesFromCommandLine();

}  // namespace kvpm
