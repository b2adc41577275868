#pragma once
// The playlist being edited: which tracks the game plays, the names a
// playlist file gave them, what the three slots play, the Game Music and
// Shuffle switches, and which file it was opened from or saved to.

#include <array>
#include <string>

#include "catalogue/Catalogue.h"

namespace kvpm {

// A switch's state, with the numbers of a check box: off, on, and greyed,
// which leaves the game's own setting as it is.
enum CheckValue : int { Unticked = 0, Ticked = 1, Partial = 2 };

enum SlotId : int { Intro = 0, Loading = 1, Score = 2 };

constexpr int kNoTrackOption = 0;
constexpr int kGenericModOption = 1;
constexpr int kOriginalOption = 2;
constexpr int kCustomOption = 3;

// What a slot plays (option 0 to 3 above) and its custom track, which stays
// whatever the option.
struct Slot {
  int option = kGenericModOption;
  int soundtrack = 0;
  int track = 0;
};

struct Playlist {
  PerTrack<bool> trackSelected{};
  PerTrack<std::string> kvlNames;  // kept from an opened playlist file; "" for none
  std::array<Slot, 3> slot{};      // by SlotId ("slots" is a keyword to Qt)

  int music = Ticked;    // Game Music
  int shuffle = Ticked;  // Shuffle

  // The current playlist file, which File > Save writes; "" while untitled.
  std::string file;
  // What the window's caption names: "New Playlist", a file's path, or ""
  // for the playlist that the game plays, read back at start-up.
  std::string title;
};

}  // namespace kvpm
