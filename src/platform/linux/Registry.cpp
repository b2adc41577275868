#include "platform/Registry.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <vector>

#include "platform/AsciiText.h"
#include "platform/Environment.h"
#include "platform/Files.h"
#include "platform/RegistryPath.h"
#include "platform/linux/WineRegistryText.h"

namespace platform {

namespace {

// Where a value is looked for: the registry file of its root key, the keys
// to look in, in order, and the value's name ("" for the key's default value).
struct ValueAddress {
  std::string file;
  std::vector<std::string> keys;
  std::string lastKeyName;
  std::string valueName;
};

std::optional<ValueAddress> Address(const std::string& path) {
  const std::optional<RegistryPath> parsed = ParseRegistryPath(path);
  if (!parsed) return std::nullopt;
  const bool machine = parsed->root == RegistryRoot::LocalMachine;
  ValueAddress address{CurrentEnvironment().prefix + (machine ? "/system.reg" : "/user.reg"), {},
                       parsed->keyNames.back(), parsed->valueName};
  // A 32-bit program on 64-bit Windows sees HKLM\Software through Wow6432Node.
  const std::vector<std::string>& names = parsed->keyNames;
  if (machine && EqualNoCase(names[0], "Software") &&
      !(names.size() > 1 && EqualNoCase(names[1], "Wow6432Node"))) {
    address.keys.push_back(names[0] + "\\Wow6432Node\\" + parsed->Key(1));
  }
  address.keys.push_back(parsed->Key());
  return address;
}

// A first look that spares parsing a file without the key, as most prefixes
// are for the game's keys: the key's last name must be in the file. A name
// that the file would write escaped is not looked for.
bool MayHoldKey(std::string_view text, const std::string& name) {
  if (!std::all_of(name.begin(), name.end(), [](char c) {
        return c >= ' ' && c <= '~' && c != '\\' && c != '"' && c != '[' && c != ']';
      })) {
    return true;
  }
  const auto hash = [](char c) { return static_cast<std::size_t>(LowerAscii(c)); };
  const auto equal = [](char a, char b) { return LowerAscii(a) == LowerAscii(b); };
  return std::search(text.begin(), text.end(),
                     std::boyer_moore_horspool_searcher(name.begin(), name.end(), hash, equal)) !=
         text.end();
}

}  // namespace

// One pass over the file. The value comes from the first key in the
// address's order that exists, as a view of the registry is chosen per key:
// when the 32-bit view holds the key, a value it lacks is not looked for in
// the 64-bit key of the same name.
std::string ReadRegistryText(const std::string& path) {
  std::optional<ValueAddress> address = Address(path);
  std::string bytes;
  if (!address || ReadWholeFile(address->file, bytes) != ReadStatus::Ok ||
      !MayHoldKey(bytes, address->lastKeyName)) {
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

}  // namespace platform
