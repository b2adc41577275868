#pragma once
// The program carries text as UTF-8. Its earlier versions for Windows kept
// paths in kvpm.ini in the system's ANSI code page instead.

#include <string>

namespace platform {

// The text as UTF-8: valid UTF-8 stays as it is; any other text is read in
// the system's ANSI code page on Windows, and on Linux stays the bytes it is
// (file names there are bytes).
std::string Utf8FromSystemCodePage(const std::string& text);

}  // namespace platform
