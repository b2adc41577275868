#include "platform/Registry.h"

#include <algorithm>
#include <map>
#include <optional>
#include <vector>

#include "platform/AsciiText.h"
#include "platform/Environment.h"
#include "platform/Files.h"
#include "platform/RegistryPath.h"
#include "platform/linux/KeyHeaderSearch.h"
#include "platform/linux/WineRegistryText.h"

namespace platform {

namespace {

// A long-lived prefix's system.reg grows to tens of megabytes; no registry
// file comes near this.
constexpr std::uint64_t kMaxRegistrySize = std::uint64_t{256} << 20;

// Where a value is looked for: the registry file of its root key, the keys
// to look in, in order, the key's names as given, and the value's name (""
// for the key's default value).
struct ValueAddress {
  std::string file;
  std::vector<std::string> keys;
  std::vector<std::string> keyNames;
  std::string valueName;
};

std::optional<ValueAddress> Address(const std::string& path) {
  const std::optional<RegistryPath> parsed = ParseRegistryPath(path);
  if (!parsed) return std::nullopt;
  const bool machine = parsed->root == RegistryRoot::LocalMachine;
  ValueAddress address{CurrentEnvironment().prefix + (machine ? "/system.reg" : "/user.reg"),
                       {},
                       parsed->keyNames,
                       parsed->valueName};
  // A 32-bit program on 64-bit Windows sees HKLM\Software through Wow6432Node.
  const std::vector<std::string>& names = parsed->keyNames;
  if (machine && EqualNoCase(names[0], "Software") &&
      !(names.size() > 1 && EqualNoCase(names[1], "Wow6432Node"))) {
    address.keys.push_back(names[0] + "\\Wow6432Node\\" + parsed->Key(1));
  }
  address.keys.push_back(parsed->Key());
  return address;
}

}  // namespace

// One pass over the file, which decodes only the headers that may be the
// key's (most files the search meets hold none). The value comes from the first key in the
// address's order that exists, as a view of the registry is chosen per key:
// when the 32-bit view holds the key, a value it lacks is not looked for in
// the 64-bit key of the same name.
std::string ReadRegistryText(const std::string& path) {
  std::optional<ValueAddress> address = Address(path);
  KeyHeaderSearch header;
  if (address) header.Add(address->keyNames);
  std::string bytes;
  if (!address || ReadWholeFile(address->file, bytes, kMaxRegistrySize) != ReadStatus::Ok ||
      !header.MayBeIn(bytes)) {
    return "";
  }
  const std::string_view text = bytes;
  std::vector<bool> present(address->keys.size());
  std::vector<std::optional<std::string>> found(address->keys.size());
  constexpr std::size_t noKey = std::string::npos;
  std::size_t keyIndex = noKey;  // the address's key whose lines are being read
  for (std::size_t pos = 0; pos < text.size() && !found.front();) {
    const LineSpan span = LineAt(text, pos);
    const std::string_view line = text.substr(span.start, span.contentEnd - span.start);
    pos = span.end;
    if (line.starts_with('[') && !header.MayBeIn(line)) {
      keyIndex = noKey;
      continue;
    }
    if (std::optional<std::string> key = KeyOfLine(line)) {
      keyIndex = noKey;
      for (std::size_t i = 0; i < address->keys.size(); ++i) {
        if (EqualNoCase(*key, address->keys[i])) keyIndex = i;
      }
      if (keyIndex != noKey) present[keyIndex] = true;
      continue;
    }
    if (keyIndex == noKey || found[keyIndex]) continue;
    std::optional<ValueLine> value = ValueOfLine(line);
    if (value && EqualNoCase(value->name, address->valueName))
      found[keyIndex] = DataText(value->data);
  }
  for (std::size_t i = 0; i < found.size(); ++i) {
    if (present[i]) return found[i].value_or("");
  }
  return "";
}

bool RegistryMayHoldAnyKey(const std::vector<std::string>& paths) {
  std::map<std::string, KeyHeaderSearch> searches;  // by registry file
  for (const std::string& path : paths) {
    if (const std::optional<ValueAddress> address = Address(path)) {
      searches[address->file].Add(address->keyNames);
    }
  }
  return std::any_of(searches.begin(), searches.end(),
                     [](const auto& search) { return search.second.MayBeInFile(search.first); });
}

}  // namespace platform
