// The ini-write fuzz target: a broken rule aborts, so that libFuzzer keeps the input.

#include <cstdio>
#include <cstdlib>

#include "fuzz/Properties.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  static kvpm::test::FakePrefix prefix;
  const std::string broken = kvpm::fuzz::CheckIniWrite(
      prefix, std::string_view(reinterpret_cast<const char*>(data), size));
  if (broken.empty()) return 0;
  std::fprintf(stderr, "ini-write: %s\n", broken.c_str());
  std::abort();
}
