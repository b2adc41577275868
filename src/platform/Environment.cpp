#include "platform/Environment.h"

#include <cstdlib>

namespace platform {

namespace {

Environment& Current() {
  static Environment environment{DefaultPrefix()};
  return environment;
}

}  // namespace

std::string EnvironmentVariable(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

const Environment& CurrentEnvironment() { return Current(); }

void SetEnvironment(const Environment& environment) { Current() = environment; }

}  // namespace platform
