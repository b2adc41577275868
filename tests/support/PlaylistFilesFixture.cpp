#include "support/PlaylistFilesFixture.h"

#include <filesystem>

#include "settings/Settings.h"
#include "support/TempFolder.h"

namespace kvpm::testing {

PlaylistFilesFixture::PlaylistFilesFixture() {
  prefix.CreateFolder(kProgramFolder);
  prefix.CreateFolder(kPlaylistFolder);
  state.programFolder = kProgramFolder;
  state.settingsFile = kProgramFolder + "\\kvpm.ini";
  state.maxRecentFiles = 4;
  WriteDefaultSettings(state);
}

std::string PlaylistFilesFixture::PlaylistFile(const std::string& name) {
  const std::string path = kPlaylistFolder + "\\" + name;
  prefix.CreateFile(path, "[Themes]\r\n39=TRACK01\r\n214=USER01\r\n[KVPMINTR]\r\nOption=1\r\n");
  return path;
}

std::string PlaylistFilesFixture::Bytes(const std::string& windowsPath) const {
  const std::string native = prefix.Native(windowsPath);
  return std::filesystem::exists(native) ? ReadBytes(native) : "";
}

std::vector<std::string> PlaylistFilesFixture::RecentFiles() const {
  return {state.recentFiles.begin() + 1, state.recentFiles.end()};
}

void PlaylistFilesFixture::SetRecentFiles(const std::vector<std::string>& paths) {
  for (int i = 1; i <= 9; ++i) {
    state.recentFiles[i] = i <= static_cast<int>(paths.size()) ? paths[i - 1] : "";
  }
}

}  // namespace kvpm::testing
