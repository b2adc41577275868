#pragma once
// The soundtrack archives of the game CDs: cmdHG copies the base game's
// (soundtrack 8) and cmdKV the expansion's (soundtrack 9) from its CD into
// the game folder, or deletes that copy again. Both keep the installation's
// availability and the soundtracks listed for single tracks up to date.

#include "state/MainState.h"

namespace kvpm {

// What the button of soundtrack s offers: a copy while no copy is in the
// game folder, else its deletion when kvpm.ini allows it, else nothing (the
// button is disabled). Soundtracks other than 8 and 9 offer nothing.
enum class ArchiveOffer { Copy, Delete, Nothing };
ArchiveOffer OfferOf(const MainState& state, int s);

// A click of cmdHG (s = 8) or cmdKV (s = 9): what the button offers.
void ArchiveButtonClicked(MainState& state, int s);

// Asks for the CD, searches the drives for it (three times at most), copies
// its archive over archive slot 1 of s and reports the outcome. A copy that
// fails leaves the game folder as it was.
void CopySoundtrackArchive(MainState& state, int s);

// Asks, deletes the archives of s from the game folder and reports each one.
// The soundtrack's tracks leave the playlist, and soundtrack 8 becomes
// unavailable for the rest of the run.
void DeleteSoundtrackArchive(MainState& state, int s);

}  // namespace kvpm
