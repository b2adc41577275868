#include "platform/Environment.h"

#include "platform/win32/WindowsApi.h"

namespace platform {

// The process's own environment, in full: the C runtime's narrow copy holds
// only what the ANSI code page can spell (a user's profile folder may be
// named in any script).
std::string EnvironmentVariable(const char* name) {
  const std::wstring wideName = Wide(name);
  return ApiText([&wideName](wchar_t* buffer, DWORD size) {
    return GetEnvironmentVariableW(wideName.c_str(), buffer, size);
  });
}

std::string HomeFolder() {
  const std::string profile = EnvironmentVariable("USERPROFILE");
  if (!profile.empty()) return profile;
  return EnvironmentVariable("HOMEDRIVE") + EnvironmentVariable("HOMEPATH");
}

UserFolders CurrentUserFolders() { return {HomeFolder(), "", ""}; }

// Windows programs see the system itself, never a prefix.
std::string DefaultPrefix() { return ""; }

}  // namespace platform
