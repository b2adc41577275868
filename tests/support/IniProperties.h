#pragma once
// Properties of the INI reader and editor (see FuzzProperties.h).

#include <memory>

#include "support/FuzzProperties.h"

namespace kvpm::testing {

// IniDocument, RawValue and ReadIniValue answer as a plain line-by-line
// reading of the file does, for the given names and for every name in the file.
std::unique_ptr<Property> MakeIniLookupProperty(FakePrefix& prefix);

// WriteIniValue refuses what it must and otherwise changes only the key's
// line (or adds the key, and its section), leaving every other line as it
// was; the value then reads back as ReadIniValue can give it.
std::unique_ptr<Property> MakeIniWriteProperty(FakePrefix& prefix);

}  // namespace kvpm::testing
