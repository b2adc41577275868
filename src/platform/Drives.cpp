#include "platform/Drives.h"

namespace platform {

std::vector<Drive>& TestDrives() {
  static std::vector<Drive> drives;
  return drives;
}

}  // namespace platform
