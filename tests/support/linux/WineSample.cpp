#include "support/linux/WineSample.h"

#include <cstdio>

namespace kvpm::testing {

std::string WineSampleSystemReg() {
  std::string bytes;
  FILE* pipe = popen("gzip -dc '" KVPM_FIXTURES_DIR "/wine-system.reg.gz'", "r");
  if (pipe == nullptr) return bytes;
  char buffer[65536];
  for (std::size_t count; (count = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
    bytes.append(buffer, count);
  }
  pclose(pipe);
  return bytes;
}

}  // namespace kvpm::testing
