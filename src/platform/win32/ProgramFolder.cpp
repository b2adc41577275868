#include "platform/ProgramFolder.h"

#include <filesystem>
#include <system_error>
#include <vector>

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

// Told without writing: the path must name a folder, and the folder's
// security descriptor must grant the user's token the right to add a file
// (under Wine, the descriptor follows the folder's permission bits).
bool FolderWritable(const std::string& folder) {
  const std::wstring wide = Wide(folder);
  const DWORD attributes =
      wide.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesW(wide.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
    return false;
  }
  const SECURITY_INFORMATION parts =
      OWNER_SECURITY_INFORMATION | GROUP_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION;
  DWORD size = 0;
  GetFileSecurityW(wide.c_str(), parts, nullptr, 0, &size);
  std::vector<char> descriptor(size);
  HANDLE processToken = nullptr, token = nullptr;
  if (size == 0 || !GetFileSecurityW(wide.c_str(), parts, descriptor.data(), size, &size) ||
      !OpenProcessToken(GetCurrentProcess(), TOKEN_DUPLICATE | TOKEN_QUERY, &processToken)) {
    return false;
  }
  const BOOL duplicated = DuplicateToken(processToken, SecurityImpersonation, &token);
  CloseHandle(processToken);
  if (!duplicated) return false;
  GENERIC_MAPPING mapping = {FILE_GENERIC_READ, FILE_GENERIC_WRITE, FILE_GENERIC_EXECUTE,
                             FILE_ALL_ACCESS};
  PRIVILEGE_SET privileges{};
  DWORD privilegesSize = sizeof(privileges), granted = 0;
  BOOL allowed = FALSE;
  const BOOL checked = AccessCheck(descriptor.data(), token, FILE_ADD_FILE, &mapping, &privileges,
                                   &privilegesSize, &granted, &allowed);
  CloseHandle(token);
  return checked && allowed;
}

void CreateFolders(const std::string& folder) {
  std::error_code error;
  std::filesystem::create_directories(Wide(folder), error);
}

}  // namespace platform
