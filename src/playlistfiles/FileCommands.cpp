#include "playlistfiles/FileCommands.h"

#include <optional>
#include <string>

#include "platform/Paths.h"
#include "playlist/NewPlaylist.h"
#include "playlistfiles/PlaylistReader.h"
#include "playlistfiles/RecentFiles.h"
#include "theme/ThemeWriter.h"
#include "util/TovrikStandardFunctions.h"

namespace kvpm {

namespace tsf = TovrikStandardFunctions;

namespace {

FileDialogSetup PlaylistDialog(const std::string& title, const FileDialogState& dialog,
                               const std::string& fileName) {
  return {title, "KVPM Playlist Files (*.kvl) | *.kvl", "kvl", dialog.initialFolder, fileName};
}

// Writes the playlist to the path; a failure is told and the program goes on.
bool WritePlaylist(MainState& state, const std::string& path) {
  if (WriteThemeFile(state.playlist, state.catalogue, state.settings.saveKvlNames, path)) {
    return true;
  }
  state.Message("Error saving playlist to \"" + path + "\".");
  return false;
}

// The save dialog and, for an existing file, the overwrite question; nothing
// when the user cancels either. Any file at the path is asked about, a hidden
// one too, which the file search of PathExists would pass over.
std::optional<std::string> ChooseSaveTarget(MainState& state) {
  for (;;) {
    std::optional<std::string> path = state.dialogs.ChooseFileToSave(
        PlaylistDialog("Save As", state.dialogSave, state.playlist.file));
    if (!path || platform::CanonicalPath(*path).empty()) return path;
    const int answer = state.Message(
        "\"" + *path + "\" already exists!\r\n" + "Are you sure you want overwrite this file?",
        Buttons::YesNoCancel);
    if (answer == AnswerYes) return path;
    if (answer != AnswerNo) return std::nullopt;
  }
}

}  // namespace

void FileNew(MainState& state) { NewPlaylist(state); }

void FileOpen(MainState& state) {
  for (;;) {
    const std::optional<std::string> path =
        state.dialogs.ChooseFileToOpen(PlaylistDialog("Open", state.dialogOpen, ""));
    if (!path) return;
    if (LoadPlaylistFile(state, *path)) {
      AddRecentFile(state, *path);
      state.playlist.title = *path;
      return;
    }
  }
}

void FileSave(MainState& state) {
  const std::string path = state.playlist.file;
  if (path.empty()) {
    FileSaveAs(state);
  } else {
    WritePlaylist(state, path);
  }
}

void FileSaveAs(MainState& state) {
  const std::optional<std::string> path = ChooseSaveTarget(state);
  if (!path) return;
  // The path heads the recent files before the file is written: a new file
  // takes the place of the first empty or missing entry. When the file cannot
  // be written, the current file is again the one the caption names, so that
  // Save never writes to a file the user did not see named.
  const std::string previous = state.playlist.file;
  AddRecentFile(state, *path);
  if (WritePlaylist(state, *path)) {
    state.playlist.title = *path;
  } else {
    state.playlist.file = previous;
  }
}

}  // namespace kvpm
