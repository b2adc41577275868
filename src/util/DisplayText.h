#pragma once
// Text is kept as the bytes it came in; only for display is it decoded: as
// UTF-8 when it is valid UTF-8, otherwise as Windows-1252, the code page the
// game's files were written in.

#include <string>

namespace kvpm {

// The text as UTF-8, ready for display.
std::string DisplayUtf8(const std::string& bytes);

}  // namespace kvpm
