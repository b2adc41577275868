#include "support/FuzzInput.h"

#include <cstdio>

namespace kvpm::testing {

Fields SplitFields(std::string_view input, std::size_t count) {
  Fields fields;
  for (std::size_t i = 0; i + 1 < count; ++i) {
    const std::size_t nul = input.find('\0');
    if (nul == std::string_view::npos) {
      fields.texts.emplace_back(input);
      fields.texts.resize(count);
      return fields;
    }
    fields.texts.emplace_back(input.substr(0, nul));
    input.remove_prefix(nul + 1);
  }
  fields.texts.emplace_back(input);
  fields.complete = true;
  return fields;
}

void Expect(Violations& violations, bool holds, const std::string& rule) {
  if (!holds) violations.push_back(rule);
}

std::string Printable(std::string_view text) {
  std::string printable;
  for (char c : text) {
    const unsigned char byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F && c != '\\') {
      printable += c;
    } else {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
      printable += escaped;
    }
  }
  return printable;
}

}  // namespace kvpm::testing
