#pragma once
// Helpers of the fuzz properties: taking an input apart into its fields and
// writing down broken rules.

#include <string>
#include <string_view>
#include <vector>

#include "support/FuzzProperties.h"

namespace kvpm::testing {

// The first count-1 NUL-separated fields and the rest; missing fields are
// empty, and `complete` says whether all count fields were there.
struct Fields {
  std::vector<std::string> texts;
  bool complete = false;
};
Fields SplitFields(std::string_view input, std::size_t count);

// Adds the rule to the violations when it does not hold.
void Expect(Violations& violations, bool holds, const std::string& rule);

// Text for a message: printable ASCII as it is, other bytes as \xHH.
std::string Printable(std::string_view text);

}  // namespace kvpm::testing
