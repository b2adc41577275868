#pragma once
// The start-up-like state of EditingFixture with what the File menu needs:
// a program folder holding a fresh default kvpm.ini (MaxRecentFiles 4) and a
// folder C:\Playlists for playlist files.

#include <string>
#include <vector>

#include "support/EditingFixture.h"

namespace kvpm::testing {

inline const std::string kPlaylistFolder = "C:\\Playlists";
inline const std::string kProgramFolder = "C:\\Program Files\\KVPM";

class PlaylistFilesFixture : public EditingFixture {
 protected:
  PlaylistFilesFixture();

  // A playlist file in C:\Playlists that selects only track 1 of the Custom
  // User Soundtrack (and soundtrack 14's first track, so it is not empty).
  std::string PlaylistFile(const std::string& name);
  // The file's bytes, by Windows path text; "" when it does not exist.
  std::string Bytes(const std::string& windowsPath) const;
  std::string SettingsBytes() const { return Bytes(state.settingsFile); }
  // Positions 1 to 9 of the recent files.
  std::vector<std::string> RecentFiles() const;
  void SetRecentFiles(const std::vector<std::string>& paths);
};

}  // namespace kvpm::testing
