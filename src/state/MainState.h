#pragma once
// Everything the program holds while it runs: the catalogue, the playlist
// being edited, the game's installation, the settings, and what the main
// window keeps of its own. The procedures of every part of the program work
// on it; the window draws its controls from it (ShowState).

#include <string>

#include "catalogue/Catalogue.h"
#include "model/Installation.h"
#include "model/Playlist.h"
#include "model/Settings.h"
#include "state/UserDialogs.h"
#include "state/WindowControls.h"

namespace kvpm {

// Where a file dialog starts the next time it is shown.
struct FileDialogState {
  std::string initialFolder;
};

struct MainState {
  explicit MainState(UserDialogs& userDialogs) : dialogs(userDialogs) {}

  UserDialogs& dialogs;
  Catalogue catalogue;
  Playlist playlist;
  Installation installation;
  Settings settings;

  std::string programFolder;  // the folder of the program's executable

  FileDialogState dialogOpen;
  FileDialogState dialogSave;

  int msgResult = 0;  // the answer of the last message box
  WindowControls controls;

  // Shows a message box and keeps its answer in msgResult.
  int Message(const std::string& text, Buttons buttons = Buttons::Ok);
};

}  // namespace kvpm
