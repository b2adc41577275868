// The entry point of one fuzz target: the property named by KVPM_PROPERTY
// (see tests/support/FuzzProperties.h), checked on every input; a broken
// rule aborts, so that libFuzzer keeps the input.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "support/FakePrefix.h"
#include "support/FuzzProperties.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static kvpm::testing::FakePrefix prefix;
  static const auto property = kvpm::testing::MakeProperty(KVPM_PROPERTY, prefix);
  if (!property) std::abort();
  const auto violations =
      property->Check(std::string_view(reinterpret_cast<const char*>(data), size));
  for (const std::string& violation : violations) {
    std::fprintf(stderr, "%s: %s\n", KVPM_PROPERTY, violation.c_str());
  }
  if (!violations.empty()) std::abort();
  return 0;
}
