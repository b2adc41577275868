#include "platform/Registry.h"

#include <optional>
#include <vector>

#include "platform/AsciiText.h"
#include "platform/Environment.h"
#include "platform/Files.h"
#include "platform/linux/WineRegistryText.h"

namespace platform {

namespace {

// A value path taken apart: the registry file of its root key, the keys to
// look in, in order, and the value's name ("" for the key's default value).
struct ValueAddress {
  std::string file;
  std::vector<std::string> keys;
  std::string valueName;
};

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

std::string RootFile(const std::string& root) {
  const std::string& prefix = CurrentEnvironment().prefix;
  if (EqualNoCase(root, "HKLM") || EqualNoCase(root, "HKEY_LOCAL_MACHINE")) {
    return prefix + "/system.reg";
  }
  if (EqualNoCase(root, "HKCU") || EqualNoCase(root, "HKEY_CURRENT_USER")) {
    return prefix + "/user.reg";
  }
  return "";
}

std::string JoinKey(const std::vector<std::string>& names, std::size_t from) {
  std::string key;
  for (std::size_t i = from; i < names.size(); ++i) key += (key.empty() ? "" : "\\") + names[i];
  return key;
}

std::optional<ValueAddress> Address(const std::string& path) {
  std::vector<std::string> parts = SplitAtBackslashes(path);
  ValueAddress address;
  address.file = RootFile(parts.front());
  if (address.file.empty() || parts.size() < 3) return std::nullopt;
  address.valueName = parts.back();
  std::vector<std::string> keyNames;
  for (std::size_t i = 1; i + 1 < parts.size(); ++i) {
    if (!parts[i].empty()) keyNames.push_back(parts[i]);
  }
  if (keyNames.empty()) return std::nullopt;
  // A 32-bit program on 64-bit Windows sees HKLM\Software through Wow6432Node.
  const bool machine = address.file.ends_with("/system.reg");
  if (machine && EqualNoCase(keyNames[0], "Software") &&
      !(keyNames.size() > 1 && EqualNoCase(keyNames[1], "Wow6432Node"))) {
    address.keys.push_back(keyNames[0] + "\\Wow6432Node\\" + JoinKey(keyNames, 1));
  }
  address.keys.push_back(JoinKey(keyNames, 0));
  return address;
}

}  // namespace

// One pass over the file; the value is taken from the first key in the
// address's order that holds it.
std::string ReadRegistryText(const std::string& path) {
  std::optional<ValueAddress> address = Address(path);
  std::string bytes;
  if (!address || ReadWholeFile(address->file, bytes) != ReadStatus::Ok) return "";
  const std::string_view text = bytes;
  std::vector<std::optional<std::string>> found(address->keys.size());
  constexpr std::size_t noKey = std::string::npos;
  std::size_t keyIndex = noKey;  // the address's key whose lines are being read
  for (std::size_t pos = 0; pos < text.size() && !found.front();) {
    const LineSpan span = LineAt(text, pos);
    const std::string_view line = text.substr(span.start, span.contentEnd - span.start);
    pos = span.end;
    if (std::optional<std::string> key = KeyOfLine(line)) {
      keyIndex = noKey;
      for (std::size_t i = 0; i < address->keys.size(); ++i) {
        if (EqualNoCase(*key, address->keys[i])) keyIndex = i;
      }
      continue;
    }
    if (keyIndex == noKey || found[keyIndex]) continue;
    std::optional<ValueLine> value = ValueOfLine(line);
    if (value && EqualNoCase(value->name, address->valueName))
      found[keyIndex] = DataText(value->data);
  }
  for (const std::optional<std::string>& data : found) {
    if (data) return *data;
  }
  return "";
}

}  // namespace platform
