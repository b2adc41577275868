#pragma once
// The Intro, Loading and Score slots: each plays option 0 (no track), 1 (the
// generic modification track), 2 (the game's own track) or 3 (its custom
// track). The custom track stays whatever the option, and the slot's label
// always shows its title.

#include <array>
#include <string>

#include "state/MainState.h"

namespace kvpm {

// Selects option button k (0 to 3) of the slot, which makes k the slot's
// option. Any other k is ignored.
void SelectOption(MainState& state, SlotId slot, int k);

// Gives the slot its custom track (s, t) and option.
void SetSlot(MainState& state, SlotId slot, int s, int t, int option);

// The check marks of the track list's context menu (menu_intro, menu_loading,
// menu_score, by SlotId) for the track it was opened for: each says that the
// slot plays that track as its custom track.
std::array<bool, 3> TrackMenuChecks(const MainState& state);

// The command of the slot's context-menu item: the track the menu was opened
// for becomes the slot's custom track in use; when it already was (the item
// had its check mark), the slot falls back to the generic modification track.
void SlotMenuCommand(MainState& state, SlotId slot);

// A click on the slot's label selects its custom track option.
void SlotLabelClicked(MainState& state, SlotId slot);

// The label's caption for the custom track (s, t): its title in double quotes.
std::string SlotLabelCaption(const Catalogue& catalogue, int s, int t);

// True when the file's [KVPMINTR] section has a non-empty Option value: a
// theme or playlist file written by this program.
bool IsPlaylistFile(const std::string& path);

}  // namespace kvpm
