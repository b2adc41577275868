#include "platform/Registry.h"

#include <cstdint>
#include <optional>

#include "platform/RegistryPath.h"
#include "platform/Utf16.h"
#include "platform/win32/WindowsApi.h"

namespace platform {

namespace {

HKEY RootKey(RegistryRoot root) {
  return root == RegistryRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

// A string is UTF-16, up to its terminator.
std::string DataText(DWORD type, const std::string& data) {
  if (type == REG_SZ || type == REG_EXPAND_SZ) {
    const std::string text = Utf16ToUtf8(data);
    return text.substr(0, text.find('\0'));
  }
  if (type == REG_DWORD && data.size() == 4) {
    std::uint32_t number = 0;
    for (int i = 3; i >= 0; --i) number = (number << 8) | static_cast<unsigned char>(data[i]);
    return std::to_string(number);
  }
  return "";
}

class KeyHandle {
 public:
  KeyHandle(HKEY root, const std::string& key, REGSAM view) {
    if (RegOpenKeyExW(root, Wide(key).c_str(), 0, KEY_QUERY_VALUE | view, &key_) != ERROR_SUCCESS) {
      key_ = nullptr;
    }
  }
  ~KeyHandle() {
    if (key_ != nullptr) RegCloseKey(key_);
  }
  KeyHandle(const KeyHandle&) = delete;
  KeyHandle& operator=(const KeyHandle&) = delete;
  HKEY Get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

// The value's text in one view of the registry: nullopt when the key is not
// there, "" when the key lacks the value.
std::optional<std::string> ValueText(HKEY root, const std::string& key, REGSAM view,
                                     const std::string& name) {
  KeyHandle handle(root, key, view);
  if (handle.Get() == nullptr) return std::nullopt;
  const std::wstring wideName = Wide(name);
  DWORD type = REG_NONE;
  DWORD size = 0;
  LONG status = RegQueryValueExW(handle.Get(), wideName.c_str(), nullptr, &type, nullptr, &size);
  std::string data;
  while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
    data.resize(size);
    status = RegQueryValueExW(handle.Get(), wideName.c_str(), nullptr, &type,
                              reinterpret_cast<BYTE*>(data.data()), &size);
    if (status == ERROR_SUCCESS) {
      data.resize(size);
      return DataText(type, data);
    }
  }
  return "";
}

}  // namespace

// A 32-bit program on 64-bit Windows sees the 32-bit view; a key that is not
// there is looked for in the 64-bit view. The view is chosen per key, so a
// value the 32-bit key lacks is not taken from the 64-bit one.
std::string ReadRegistryText(const std::string& path) {
  const std::optional<RegistryPath> parsed = ParseRegistryPath(path);
  if (!parsed) return "";
  for (REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY}) {
    if (std::optional<std::string> text =
            ValueText(RootKey(parsed->root), parsed->Key(), view, parsed->valueName)) {
      return *text;
    }
  }
  return "";
}

// The system's registry answers each value at once: there is nothing to spare.
bool RegistryMayHoldAnyKey(const std::vector<std::string>&) { return true; }

}  // namespace platform
