#include "platform/RegistryPath.h"

#include "platform/AsciiText.h"

namespace platform {

namespace {

std::vector<std::string> SplitAtBackslashes(const std::string& path) {
  std::vector<std::string> parts(1);
  for (char c : path) {
    if (c == '\\') {
      parts.emplace_back();
    } else {
      parts.back() += c;
    }
  }
  return parts;
}

std::optional<RegistryRoot> RootOf(const std::string& name) {
  if (EqualNoCase(name, "HKLM") || EqualNoCase(name, "HKEY_LOCAL_MACHINE")) {
    return RegistryRoot::LocalMachine;
  }
  if (EqualNoCase(name, "HKCU") || EqualNoCase(name, "HKEY_CURRENT_USER")) {
    return RegistryRoot::CurrentUser;
  }
  return std::nullopt;
}

}  // namespace

std::string RegistryPath::Key(std::size_t from) const {
  std::string key;
  for (std::size_t i = from; i < keyNames.size(); ++i) {
    if (!key.empty()) key += '\\';
    key += keyNames[i];
  }
  return key;
}

std::optional<RegistryPath> ParseRegistryPath(const std::string& path) {
  const std::vector<std::string> parts = SplitAtBackslashes(path);
  const std::optional<RegistryRoot> root = RootOf(parts.front());
  if (!root || parts.size() < 3) return std::nullopt;
  RegistryPath parsed{*root, {}, parts.back()};
  for (std::size_t i = 1; i + 1 < parts.size(); ++i) {
    if (!parts[i].empty()) parsed.keyNames.push_back(parts[i]);
  }
  if (parsed.keyNames.empty()) return std::nullopt;
  return parsed;
}

}  // namespace platform
