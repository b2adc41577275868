#pragma once
// The registry of a Wine prefix, read from its text files (system.reg for
// HKLM). Key and value names match without regard to case; HKLM\Software
// keys are looked for in the 32-bit view (Software\Wow6432Node) first.

#include <string>

namespace platform {

// String data unescaped, a DWORD as its decimal digits; "" for anything
// absent, unreadable or of another type.
std::string ReadRegistryText(const std::string& path);

}  // namespace platform
