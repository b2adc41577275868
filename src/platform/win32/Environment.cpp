#include "platform/Environment.h"

namespace platform {

std::string HomeFolder() {
  const std::string profile = EnvironmentVariable("USERPROFILE");
  if (!profile.empty()) return profile;
  return EnvironmentVariable("HOMEDRIVE") + EnvironmentVariable("HOMEPATH");
}

UserFolders CurrentUserFolders() { return {HomeFolder(), "", ""}; }

// Windows programs see the system itself, never a prefix.
std::string DefaultPrefix() { return ""; }

}  // namespace platform
