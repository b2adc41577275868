#pragma once
// Rules that must hold for any input from elsewhere. The fuzz targets check
// them on the inputs libFuzzer makes up; the unit tests replay the inputs
// that once broke one (tests/fixtures/fuzz/<target>/).
//
// An input packs texts separated by NUL bytes, the last one taking the rest:
//   ini-write      section, key, value, file bytes (no file at all when the
//                  input has fewer than three NULs)
//   registry       a text, system.reg bytes
//   paths          two path texts
//   playlist-file  two option bytes (bit i: the game folder holds
//                  kArchives[i]; bit 15: the file is the active theme file),
//                  then the file bytes

#include <string>
#include <string_view>

#include "lean/FakePrefix.h"

namespace kvpm::fuzz {

// The first rule that the input breaks, in words; "" when all hold. The
// property works in the prefix, which may be fresh or used before.
std::string CheckProperty(const std::string& target, std::string_view input,
                          test::FakePrefix& prefix);

}  // namespace kvpm::fuzz
