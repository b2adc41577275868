#pragma once
// What the main window keeps of its own beside the model: which soundtrack
// the track list shows, its current row, and the track the context menu was
// opened for. Nothing here is a fact about the playlist, the game or the
// settings; ShowState draws every control from those.

namespace kvpm {

struct WindowControls {
  bool enabled = true;      // false while the About or FAQ window is open
  int shownSoundtrack = 0;  // the drop-down's soundtrack, shown in the track list; 0 for none
  int currentRow = -1;      // the track list's focused, highlighted row; -1 for none
  int fillings = 0;         // counts each filling of the list anew, which starts at the top
  int menuTrack = 0;        // the track the context menu was last opened for; 0 for none
};

}  // namespace kvpm
