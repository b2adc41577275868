#include "platform/Files.h"

namespace platform {

FileFaults& Faults() {
  static FileFaults faults;
  return faults;
}

}  // namespace platform
