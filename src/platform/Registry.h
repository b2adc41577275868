#pragma once
// Linux: the registry of a Wine prefix, read from its text files (system.reg
// for HKLM). Windows: the system's registry, through the registry API. Key
// and value names match without regard to case; keys are looked for in the
// 32-bit view (HKLM\Software\Wow6432Node) first.

#include <string>

namespace platform {

// A value path is the root key (HKLM or HKEY_LOCAL_MACHINE: system.reg;
// HKCU or HKEY_CURRENT_USER: user.reg), the key path and the value name,
// joined by backslashes; a path ending in a backslash names the key's default
// value ("@"). The value is taken from the first key that holds it, so a
// 32-bit key without the value falls back to the plain key.
// String data unescaped, a DWORD as its decimal digits; "" for anything
// absent, unreadable or of another type.
std::string ReadRegistryText(const std::string& path);

}  // namespace platform
