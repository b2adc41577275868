#pragma once
// The program's settings from kvpm.ini, read once at start-up, and the
// recent playlist files kept there.

#include <array>
#include <string>

namespace kvpm {

struct Settings {
  std::string file;  // kvpm.ini

  bool saveKvlNames = false;     // SaveKVLNames: a saved playlist keeps its tracks' kept names
  bool allowHgDeletion = false;  // AllowHGDeletion
  bool allowKvDeletion = false;  // AllowKVDeletion
  int maxRecentFiles = 0;        // MaxRecentFiles: how many recent files the File menu shows

  // The playlist files used last, positions 1 to 9 (the most recent first);
  // position 0 is never used.
  std::array<std::string, 10> recentFiles;
};

}  // namespace kvpm
