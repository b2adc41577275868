#pragma once
// Property of the Wine registry reader (see FuzzProperties.h).

#include <memory>

#include "support/FuzzProperties.h"

namespace kvpm::testing {

// Reading values never invents data: a value read from system.reg is the
// data text of one of its value lines, or "". A text escaped the way Wine
// escapes it reads back whole (up to a NUL). The line readers stay inside
// the line.
std::unique_ptr<Property> MakeRegistryProperty(FakePrefix& prefix);

}  // namespace kvpm::testing
