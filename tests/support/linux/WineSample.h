#pragma once

#include <string>

namespace kvpm::testing {

// The system.reg of a fresh 64-bit Wine 8 prefix with the game's keys added
// in the 32-bit view (publisher and compilation), and a key holding every odd
// value type; "" when it cannot be unpacked.
std::string WineSampleSystemReg();

}  // namespace kvpm::testing
