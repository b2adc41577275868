#pragma once
// The File menu's playlist commands. The current playlist file, the path
// that Save writes to, is the playlist's file; empty for an untitled playlist.

#include "state/MainState.h"

namespace kvpm {

// menu_new: a new, untitled playlist at once; nothing is asked.
void FileNew(MainState& state);

// menu_open: the open dialog until a file is read or the user cancels; the
// file then heads the recent files, becomes the current file and names the
// window.
void FileOpen(MainState& state);

// menu_save: writes the current file without a question; an untitled
// playlist is saved as with FileSaveAs.
void FileSave(MainState& state);

// menu_saveas: the save dialog, the overwrite question for an existing file
// (No chooses again, Cancel ends), then the file heads the recent files,
// becomes the current file and is written. A file that cannot be written is
// reported, and the current file is then again the one before; the window is
// named after the file only once it holds the playlist.
void FileSaveAs(MainState& state);

}  // namespace kvpm
