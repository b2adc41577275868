#pragma once
// Clears the platform's file fault hooks when made and again when it goes,
// so that a failing test cannot leave a fault switched on for the next one.
//
//   FaultGuard faults;
//   faults->failRename = true;

#include "platform/Files.h"

namespace kvpm::testing {

class FaultGuard {
 public:
  FaultGuard() { platform::Faults() = {}; }
  ~FaultGuard() { platform::Faults() = {}; }
  FaultGuard(const FaultGuard&) = delete;
  FaultGuard& operator=(const FaultGuard&) = delete;

  platform::FileFaults* operator->() { return &platform::Faults(); }
};

}  // namespace kvpm::testing
