#pragma once
// The nine playlist files used last: kept in kvpm.ini's [RecentFiles] (key
// "0" the most recent, always all nine keys), shown as the File menu items
// menu_file1 to menu_file9 as far as MaxRecentFiles allows. Positions are
// 1 to 9; every change is written to kvpm.ini at once.

#include <string>

#include "state/MainState.h"

namespace kvpm {

struct ControlStates;

// At start-up, after the settings: reads the list and starts the open
// dialog in the most recent file's folder (else the program's folder).
// Paths that an earlier version wrote in the system's code page are read as
// such, and are kept in UTF-8 from the next change of the list on.
void LoadRecentFiles(MainState& state);

void SaveRecentFiles(const MainState& state);

// Draws the list on the File menu: items 1 to maxRecentFiles read "&N path"
// when position N holds a path, else they are hidden, as are the items
// above; menu_line4 shows when any item does.
void RefreshRecentMenu(const MainState& state, ControlStates& controls);

// A file just opened or saved under a new name: it goes to position 1 with
// the text given, replacing the entry that names the same file (or, for a
// file that does not exist yet, the first empty or missing one), else
// pushing the others down. It also becomes the current playlist file, and its
// folder the open dialog's start folder.
// A path that kvpm.ini could not give back as the same text (a line break,
// a ";", blanks at either end, more than 254 characters) never enters the
// list; it still becomes the current file.
void AddRecentFile(MainState& state, const std::string& path);

// Position i (1 to 9) becomes position 1, positions 1 to i-1 move down.
void MoveRecentFileToTop(MainState& state, int position);

// The click of menu_file1 to menu_file9: reads the file at that position
// (untitled, as a new playlist that was filled from it), or says it is gone;
// either way the entry moves to the top.
void OpenRecentFile(MainState& state, int position);

}  // namespace kvpm
