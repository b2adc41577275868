#pragma once
// A registry value path taken apart the same way by every backend:
// "HKLM\SOFTWARE\Tallowmere\Korvale\Version" names the root key HKLM, the
// key SOFTWARE\Tallowmere\Korvale and the value Version; a path ending in "\"
// names the key's default value. Empty components are passed over.

#include <optional>
#include <string>
#include <vector>

namespace platform {

enum class RegistryRoot { LocalMachine, CurrentUser };

struct RegistryPath {
  RegistryRoot root;
  std::vector<std::string> keyNames;  // at least one
  std::string valueName;              // "" for the key's default value

  // The key's names from the one at `from` on, joined by "\".
  std::string Key(std::size_t from = 0) const;
};

// Nothing for an unknown root (HKLM, HKEY_LOCAL_MACHINE, HKCU and
// HKEY_CURRENT_USER are known) or a path without a key.
std::optional<RegistryPath> ParseRegistryPath(const std::string& path);

}  // namespace platform
