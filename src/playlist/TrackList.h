#pragma once
// The track list lstTracks: one item per track of the shown soundtrack, item
// t-1 for track t, ticked when the track is in the playlist. An item number,
// as passed below, is the list index plus 1 (so it is the track number); 0
// means no item.

#include "state/MainState.h"

namespace kvpm {

// Action codes of TrackListAction; the mouse buttons report the same codes
// (1 left, 2 right, 4 middle), and anything else only makes the item current.
constexpr int kToggleAction = 1;
constexpr int kContextMenuAction = 2;

// Key codes the list answers to (the platform's virtual-key codes).
constexpr int kKeySpace = 32;
constexpr int kKeyContextMenu = 93;

// True when (s, t) is a track of the catalogue.
bool IsTrack(const Catalogue& catalogue, int s, int t);

// Put (s, t) into the playlist or take it out. Anything that names no track
// is ignored.
void SelectTrack(MainState& state, int s, int t);
void DeselectTrack(MainState& state, int s, int t);

// Makes the item current, then toggles its track (action 1, exactly once) or
// opens the context menu for it (action 2, beside the current item when
// atPosition, else at the pointer), remembering its track number, and runs
// the chosen slot's command. An item that is not in the list does nothing.
void TrackListAction(MainState& state, int action, int item, bool atPosition);

// A mouse button (1, 2 or 4) released over item (0 when over no item).
void TrackListMouseUp(MainState& state, int button, int item);

// A key released in the list: Space toggles the current item, the
// context-menu key opens the menu beside it; other keys do nothing.
void TrackListKeyUp(MainState& state, int keyCode);

// Focus that arrives from the keyboard puts the current item on the first
// track; focus from a click leaves the current item to the click.
void TrackListFocusReceived(MainState& state, bool leftButtonDown);

}  // namespace kvpm
