#include "platform/Environment.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace platform {

std::string EnvironmentVariable(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

std::string HomeFolder() {
  std::string home = EnvironmentVariable("HOME");
  if (!home.empty()) return home;
  const passwd* entry = getpwuid(getuid());
  return entry != nullptr && entry->pw_dir != nullptr ? std::string(entry->pw_dir) : std::string();
}

UserFolders CurrentUserFolders() {
  const std::string home = HomeFolder();
  const auto xdg = [&home](const char* variable, const char* fallback) {
    const std::string folder = EnvironmentVariable(variable);
    return folder.starts_with('/') ? folder : home + fallback;
  };
  return {home, xdg("XDG_CONFIG_HOME", "/.config"), xdg("XDG_DATA_HOME", "/.local/share")};
}

std::string DefaultPrefix() {
  std::string prefix = EnvironmentVariable("WINEPREFIX");
  return prefix.empty() ? HomeFolder() + "/.wine" : prefix;
}

}  // namespace platform
