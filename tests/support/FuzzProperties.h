#pragma once
// Properties that must hold for any input a file can hold. The fuzz targets
// (fuzz/) check them on inputs the fuzzer makes up; the regression tests
// replay the inputs that once broke one, and the seed corpora.
//
// An input packs several texts: the fields are separated by NUL bytes, and
// the last field takes the rest of the input, NULs included.
//
//   ini-lookup     section, key, file bytes
//   ini-write      section, key, value, file bytes (no file at all when
//                  the input has fewer than three NULs)
//   registry       value path, system.reg bytes
//   paths          two path texts
//   playlist-file  two option bytes (bits 0-10: which soundtrack archives
//                  the game folder holds; bit 15: read as the active theme
//                  file), then the file bytes

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "support/FakePrefix.h"

namespace kvpm::testing {

// The rules an input broke, in words; empty when all held.
using Violations = std::vector<std::string>;

class Property {
 public:
  virtual ~Property() = default;
  virtual Violations Check(std::string_view input) = 0;
};

// The property of that name, working in the prefix (which must outlive it);
// null for an unknown name.
std::unique_ptr<Property> MakeProperty(const std::string& name, FakePrefix& prefix);

// The names above, which are also the corpus folders' names.
const std::vector<std::string>& PropertyNames();

}  // namespace kvpm::testing
