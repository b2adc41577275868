#pragma once
// Rules that must hold for any input, for the fuzz target and the unit tests.

#include <string>
#include <string_view>

#include "support/FakePrefix.h"

namespace kvpm::fuzz {

// The rule an ini-write input broke, in words, or "": a section, a key and a
// value, each ended by a NUL, then the file (no file when a NUL is missing).
std::string CheckIniWrite(test::FakePrefix& prefix, std::string_view input);

}  // namespace kvpm::fuzz
