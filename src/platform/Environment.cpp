#include "platform/Environment.h"

namespace platform {

namespace {

Environment& Current() {
  static Environment environment{DefaultPrefix()};
  return environment;
}

}  // namespace

const Environment& CurrentEnvironment() { return Current(); }

void SetEnvironment(const Environment& environment) { Current() = environment; }

}  // namespace platform
