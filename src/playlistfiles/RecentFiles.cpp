#include "playlistfiles/RecentFiles.h"

#include <algorithm>

#include "platform/AsciiText.h"
#include "platform/CodePage.h"
#include "platform/Files.h"
#include "playlistfiles/PlaylistReader.h"
#include "settings/Settings.h"
#include "util/IniFile.h"
#include "util/TovrikStandardFunctions.h"

namespace kvpm {

namespace tsf = TovrikStandardFunctions;

namespace {

constexpr int kRecentPositions = 9;
const std::string kRecentSection = "RecentFiles";

bool IsPosition(int position) { return position >= 1 && position <= kRecentPositions; }

// Position N is kept under the key N-1.
std::string KeyOf(int position) { return std::to_string(position - 1); }

// True when the path, written to kvpm.ini, reads back as the same text.
bool StorableInSettings(const std::string& path) {
  if (path.find_first_of("\r\n") != std::string::npos) return false;
  const std::string_view readBack = platform::TrimBlanks(path).substr(0, tsf::maxIniValueLength);
  return tsf::CutIniComment(readBack) == path;
}

void RotateToTop(MainState& state, int position) {
  auto& files = state.recentFiles;
  std::rotate(files.begin() + 1, files.begin() + position, files.begin() + position + 1);
}

// The position that names the same file as the path; the last one when none does.
int PositionToReplace(const MainState& state, const std::string& path) {
  const std::string shortPath = tsf::GetShortPath(path);
  for (int i = 1; i <= kRecentPositions; ++i) {
    if (platform::EqualNoCase(tsf::GetShortPath(state.recentFiles[i]), shortPath)) return i;
  }
  return kRecentPositions;
}

void ListChanged(MainState& state) {
  SaveRecentFiles(state);
  RefreshRecentMenu(state);
}

}  // namespace

void LoadRecentFiles(MainState& state) {
  const tsf::IniDocument settings = tsf::IniDocument::Load(state.settingsFile);
  for (int i = 1; i <= kRecentPositions; ++i) {
    state.recentFiles[i] = platform::Utf8FromSystemCodePage(
        tsf::CutIniComment(settings.RawValue(kRecentSection, KeyOf(i))));
  }
  RefreshRecentMenu(state);
  std::string name, folder;
  tsf::SplitPath(state.recentFiles[1], name, folder);
  state.dialogOpen.initialFolder =
      folder.empty() ? ProgramDialogFolder(state.programFolder) : folder;
}

void SaveRecentFiles(const MainState& state) {
  // The nine keys as WriteIniValue would set them one by one, but in a single
  // replacement of the file, so the list on disk is never half old and half
  // new. A file that cannot be read is not replaced.
  std::string bytes;
  if (platform::ReadWholeFile(state.settingsFile, bytes) == platform::ReadStatus::Unreadable) {
    return;
  }
  for (int i = 1; i <= kRecentPositions; ++i) {
    if (tsf::IniEntryAllowed(kRecentSection, KeyOf(i), state.recentFiles[i])) {
      bytes = tsf::WithIniValue(bytes, kRecentSection, KeyOf(i), state.recentFiles[i]);
    }
  }
  platform::WriteWholeFile(state.settingsFile, bytes);
}

void RefreshRecentMenu(MainState& state) {
  bool anyShown = false;
  const int shown = std::clamp(state.maxRecentFiles, 0, kRecentPositions);
  for (int n = 1; n <= shown; ++n) {
    MenuItem& item = state.controls.menu_file[n];
    const std::string& path = state.recentFiles[n];
    item.visible = !path.empty();
    if (item.visible) item.caption = std::string("&").append(std::to_string(n)) + " " + path;
    anyShown = anyShown || item.visible;
  }
  state.controls.menu_line4.visible = anyShown;
}

void AddRecentFile(MainState& state, const std::string& path) {
  if (StorableInSettings(path)) {
    RotateToTop(state, PositionToReplace(state, path));
    state.recentFiles[1] = path;
    ListChanged(state);
  }
  std::string name;
  tsf::SplitPath(path, name, state.dialogOpen.initialFolder);
  state.dialogSave.fileName = path;
}

void MoveRecentFileToTop(MainState& state, int position) {
  if (!IsPosition(position)) return;
  RotateToTop(state, position);
  ListChanged(state);
}

void OpenRecentFile(MainState& state, int position) {
  if (!IsPosition(position)) return;
  const std::string path = state.recentFiles[position];
  if (tsf::PathExists(path, false)) {
    LoadPlaylistFile(state, path);  // a refused file has had its message
  } else {
    state.Message("The file \"" + path +
                  "\" has been moved/renamed/deleted since it was last accessed.");
  }
  MoveRecentFileToTop(state, position);
}

}  // namespace kvpm
