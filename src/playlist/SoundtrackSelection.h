#pragma once
// Whole soundtracks: the boxes of cboxSoundtrack put all tracks of a
// soundtrack into the playlist or take them out, and comboSoundtrack chooses
// which soundtrack lstTracks shows.

#include "state/MainState.h"

namespace kvpm {

// Sets trackSelected of every track of s, the list's ticks and clears its
// current item when s is shown, and the box of s.
void SetSoundtrackSelection(MainState& state, int s, bool value);

// Selects the comboSoundtrack entry carrying s (the list is refilled);
// nothing happens when s is not listed.
void ShowSoundtrack(MainState& state, int s);

// The item data of the selected comboSoundtrack entry; 0 when none is selected.
int ShownSoundtrack(const MainState& state);

// Makes entry index the selected one and runs the change handling, whether
// the user or the program selects it. An index that names no entry is ignored.
void SelectComboEntry(MainState& state, int index);

// The change handling of comboSoundtrack: lstTracks is rebuilt from the state
// for the shown soundtrack, with no current item.
void ComboSoundtrackChanged(MainState& state);

// The user clicked box index (0 to 13) or pressed Space on it; the box's
// value in controls is already the one the click gave it. A disabled box
// takes no clicks.
void SoundtrackBoxClicked(MainState& state, int index);

// The box of s: unticked when no track is selected, ticked when all are,
// partial otherwise.
void UpdateSoundtrackBox(MainState& state, int s);

}  // namespace kvpm
