#include "platform/Environment.h"

#include <cstdlib>

namespace platform {

namespace {

std::string VariableOrEmpty(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

}  // namespace

std::string HomeFolder() {
  const std::string profile = VariableOrEmpty("USERPROFILE");
  if (!profile.empty()) return profile;
  return VariableOrEmpty("HOMEDRIVE") + VariableOrEmpty("HOMEPATH");
}

// Windows programs see the system itself, never a prefix.
std::string DefaultPrefix() { return ""; }

}  // namespace platform
