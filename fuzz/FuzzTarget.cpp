// One fuzz target: the property KVPM_PROPERTY on every input; a broken rule
// aborts, so that libFuzzer keeps the input.

#include <cstdio>
#include <cstdlib>

#include "fuzz/Properties.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  static kvpm::test::FakePrefix prefix;
  const std::string broken = kvpm::fuzz::CheckProperty(
      KVPM_PROPERTY, std::string_view(reinterpret_cast<const char*>(data), size), prefix);
  if (broken.empty()) return 0;
  std::fprintf(stderr, "%s: %s\n", KVPM_PROPERTY, broken.c_str());
  std::abort();
}
