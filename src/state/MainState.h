#pragma once
// All state of the main window: the catalogue, the playlist being edited, the
// settings, the paths found at start-up, the recent files and the controls.
// The procedures of every part of the program work on it.

#include <array>
#include <string>

#include "catalogue/Catalogue.h"
#include "state/UserDialogs.h"
#include "state/WindowControls.h"

namespace kvpm {

enum SlotId : int { Intro = 0, Loading = 1, Score = 2 };

// One slot's three members, reached by reference so that the procedures for
// the three slots are written once.
struct SlotRef {
  int& option;
  int& soundtrack;
  int& track;
  SlotControls& controls;
  MenuItem& menuItem;
};

// The state of a common file dialog that outlives one showing of it.
struct FileDialogState {
  std::string fileName;
  std::string initialFolder;
};

struct MainState {
  explicit MainState(UserDialogs& userDialogs) : dialogs(userDialogs) {}

  UserDialogs& dialogs;
  Catalogue catalogue;

  // The playlist.
  PerTrack<bool> trackSelected{};
  PerTrack<std::string> kvlNames;
  int introSoundtrack = 0, introTrack = 0, introOption = 0;
  int loadingSoundtrack = 0, loadingTrack = 0, loadingOption = 0;
  int scoreSoundtrack = 0, scoreTrack = 0, scoreOption = 0;

  // Settings from kvpm.ini.
  bool saveKvlNames = false;
  bool allowHgDeletion = false;
  bool allowKvDeletion = false;
  int maxRecentFiles = 0;

  // Recent playlist files, positions 1 to 9; position 0 is never used.
  std::array<std::string, 10> recentFiles;

  // Paths found at start-up.
  std::string programFolder;
  std::string settingsFile;
  std::string gameFolder;
  bool compilationInstall = false;
  std::string themeFile;

  // dialogSave's file name is the current playlist file.
  FileDialogState dialogOpen;
  FileDialogState dialogSave;

  int msgResult = 0;
  WindowControls controls;

  SlotRef Slot(SlotId slot);

  // Shows a message box and keeps its answer in msgResult.
  int Message(const std::string& text, Buttons buttons = Buttons::Ok);
};

}  // namespace kvpm
