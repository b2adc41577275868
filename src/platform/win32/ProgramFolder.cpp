#include "platform/ProgramFolder.h"

#include "platform/Environment.h"
#include "platform/win32/WindowsApi.h"

namespace platform {

std::string ExecutableFolder() {
  // GetModuleFileNameA cuts the name to the buffer without saying how long
  // it is: a full buffer asks for a larger one.
  std::string path(MAX_PATH, '\0');
  while (path.size() <= 32768) {
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return "";
    if (length < path.size()) {
      path.resize(length);
      return path.substr(0, path.find_last_of("\\/"));
    }
    path.resize(path.size() * 2);
  }
  return "";
}

// Windows keeps a user's program settings under %APPDATA%.
std::string UserConfigFolder() {
  const std::string appData = EnvironmentVariable("APPDATA");
  if (!appData.empty()) return appData + "\\kvpm";
  return HomeFolder() + "\\AppData\\Roaming\\kvpm";
}

// Creates and removes a file of a fresh name in the folder.
bool FolderWritable(const std::string& folder) {
  if (folder.empty()) return false;
  char probe[MAX_PATH];
  if (GetTempFileNameA(folder.c_str(), "kvp", 0, probe) == 0) return false;
  DeleteFileA(probe);
  return true;
}

}  // namespace platform
