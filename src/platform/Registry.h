#pragma once
// Linux: the registry of a Wine prefix, read from its text files (system.reg
// for HKLM). Windows: the system's registry, through the registry API. Key
// and value names match without regard to case; keys are looked for in the
// 32-bit view (HKLM\Software\Wow6432Node) first.

#include <string>
#include <vector>

namespace platform {

// A value path is the root key (HKLM or HKEY_LOCAL_MACHINE: system.reg;
// HKCU or HKEY_CURRENT_USER: user.reg), the key path and the value name,
// joined by backslashes; a path ending in a backslash names the key's default
// value ("@"). The view is chosen per key: when the 32-bit key exists, all
// its values come from there, and the plain key is read only without it.
// String data unescaped, a DWORD as its decimal digits; "" for anything
// absent, unreadable or of another type.
std::string ReadRegistryText(const std::string& path);

// A quick look that reads no value: false when the registry holds none of
// the keys of the value paths (in either view), true when it may hold one.
bool RegistryMayHoldAnyKey(const std::vector<std::string>& paths);

}  // namespace platform
