#include "playlistfiles/RecentFiles.h"

#include <algorithm>

#include "platform/AsciiText.h"
#include "platform/CodePage.h"
#include "platform/Files.h"
#include "playlistfiles/PlaylistReader.h"
#include "settings/Settings.h"
#include "state/ShowState.h"
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
  auto& files = state.settings.recentFiles;
  std::rotate(files.begin() + 1, files.begin() + position, files.begin() + position + 1);
}

// The position that names the same file as the path; the last one when none does.
int PositionToReplace(const MainState& state, const std::string& path) {
  const std::string shortPath = tsf::GetShortPath(path);
  for (int i = 1; i <= kRecentPositions; ++i) {
    if (platform::EqualNoCase(tsf::GetShortPath(state.settings.recentFiles[i]), shortPath)) {
      return i;
    }
  }
  return kRecentPositions;
}

}  // namespace

void LoadRecentFiles(MainState& state) {
  auto& files = state.settings.recentFiles;
  const tsf::IniDocument settings = tsf::IniDocument::Load(state.settings.file);
  for (int i = 1; i <= kRecentPositions; ++i) {
    files[i] = platform::Utf8FromSystemCodePage(
        tsf::CutIniComment(settings.RawValue(kRecentSection, KeyOf(i))));
  }
  std::string name, folder;
  tsf::SplitPath(files[1], name, folder);
  state.dialogOpen.initialFolder =
      folder.empty() ? ProgramDialogFolder(state.programFolder) : folder;
}

void SaveRecentFiles(const MainState& state) {
  // The nine keys as WriteIniValue would set them one by one, but in a single
  // replacement of the file, so the list on disk is never half old and half
  // new. A file that cannot be read is not replaced.
  std::string bytes;
  const Settings& settings = state.settings;
  if (platform::ReadWholeFile(settings.file, bytes) == platform::ReadStatus::Unreadable) return;
  for (int i = 1; i <= kRecentPositions; ++i) {
    if (tsf::IniEntryAllowed(kRecentSection, KeyOf(i), settings.recentFiles[i])) {
      bytes = tsf::WithIniValue(bytes, kRecentSection, KeyOf(i), settings.recentFiles[i]);
    }
  }
  platform::WriteWholeFile(settings.file, bytes);
}

void RefreshRecentMenu(const MainState& state, ControlStates& controls) {
  bool anyShown = false;
  const int shown = std::clamp(state.settings.maxRecentFiles, 0, kRecentPositions);
  for (int n = 1; n <= kRecentPositions; ++n) {
    MenuItem& item = controls.menu_file[n];
    const std::string& path = state.settings.recentFiles[n];
    item.visible = n <= shown && !path.empty();
    if (item.visible) item.caption = std::string("&").append(std::to_string(n)) + " " + path;
    anyShown = anyShown || item.visible;
  }
  controls.menu_line4 = {"", true, anyShown};
}

void AddRecentFile(MainState& state, const std::string& path) {
  if (StorableInSettings(path)) {
    RotateToTop(state, PositionToReplace(state, path));
    state.settings.recentFiles[1] = path;
    SaveRecentFiles(state);
  }
  std::string name;
  tsf::SplitPath(path, name, state.dialogOpen.initialFolder);
  state.playlist.file = path;
}

void MoveRecentFileToTop(MainState& state, int position) {
  if (!IsPosition(position)) return;
  RotateToTop(state, position);
  SaveRecentFiles(state);
}

void OpenRecentFile(MainState& state, int position) {
  if (!IsPosition(position)) return;
  const std::string path = state.settings.recentFiles[position];
  if (tsf::PathExists(path, false)) {
    LoadPlaylistFile(state, path);  // a refused file has had its message
  } else {
    state.Message("The file \"" + path +
                  "\" has been moved/renamed/deleted since it was last accessed.");
  }
  MoveRecentFileToTop(state, position);
}

}  // namespace kvpm
