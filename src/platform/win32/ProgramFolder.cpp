#include "platform/ProgramFolder.h"

#include <filesystem>
#include <system_error>

#include "platform/Environment.h"
#include "platform/win32/WindowsApi.h"

namespace platform {

std::string ExecutableFolder() {
  // GetModuleFileNameW cuts the name to the buffer without saying how long
  // it is: a full buffer asks for a larger one.
  std::wstring path(MAX_PATH, L'\0');
  while (path.size() <= 32768) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return "";
    if (length < path.size()) {
      path.resize(length);
      return Utf8(path.substr(0, path.find_last_of(L"\\/")));
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
  wchar_t probe[MAX_PATH];
  if (GetTempFileNameW(Wide(folder).c_str(), L"kvp", 0, probe) == 0) return false;
  DeleteFileW(probe);
  return true;
}

void CreateFolders(const std::string& folder) {
  std::error_code error;
  std::filesystem::create_directories(Wide(folder), error);
}

}  // namespace platform
