#pragma once
// Rules that must hold for any input from elsewhere, checked by the fuzz
// targets; the unit tests replay the inputs that once broke one
// (tests/fixtures/fuzz/<target>/). Inputs of the targets:
//   ini-write      section, key and value, each ended by a NUL, then the file
//                  (no file at all when a NUL is missing)
//   playlist-file  two option bytes (bit i: the game folder holds
//                  kArchives[i]; bit 15: the file is the active theme file),
//                  then the file

#include <string>
#include <string_view>

#include "lean/FakePrefix.h"

namespace kvpm::fuzz {

// The rule the input broke, in words; "" when all hold.
std::string CheckProperty(const std::string& target, std::string_view input,
                          test::FakePrefix& prefix);

}  // namespace kvpm::fuzz
