#pragma once
// Whole soundtracks: the boxes of cboxSoundtrack put all tracks of a
// soundtrack into the playlist or take them out, and comboSoundtrack chooses
// which soundtrack lstTracks shows.

#include <string>
#include <vector>

#include "state/MainState.h"

namespace kvpm {

struct CheckBox;

// Sets trackSelected of every track of s; when s is shown, the list has no
// current item afterwards.
void SetSoundtrackSelection(MainState& state, int s, bool value);

// Shows s in the track list, which is filled anew; nothing happens when s
// is not listed in comboSoundtrack.
void ShowSoundtrack(MainState& state, int s);

// The soundtrack the list shows (the selected comboSoundtrack entry's); 0 for none.
int ShownSoundtrack(const MainState& state);

// The entries of comboSoundtrack: the listed soundtracks, in number order.
std::vector<int> ListedSoundtracks(const Installation& installation);

// Makes entry index the selected one and runs the change handling, whether
// the user or the program selects it. An index that names no entry is ignored.
void SelectComboEntry(MainState& state, int index);

// The change handling of comboSoundtrack: lstTracks is filled anew for the
// shown soundtrack, from the top, with no current item.
void ComboSoundtrackChanged(MainState& state);

// The user clicked box index (0 to 13) or pressed Space on it, which left
// the box with newValue. A disabled box takes no clicks, and a box left
// partial changes no selection.
void SoundtrackBoxClicked(MainState& state, int index, int newValue);

// The box of s: unticked when no track is selected, ticked when all are,
// partial otherwise.
void UpdateSoundtrackBox(const MainState& state, int s, CheckBox& box);

// A track's item in the list: its title, and the name an opened playlist
// file gave it in brackets.
std::string TrackItemText(const MainState& state, int s, int t);

}  // namespace kvpm
