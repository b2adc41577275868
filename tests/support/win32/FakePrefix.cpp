#include "support/FakePrefix.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/Drives.h"
#include "platform/win32/WindowsApi.h"

namespace kvpm::testing {

namespace {

// Keys are written and removed as the 64-bit view names them, so that a
// path through Wow6432Node reaches the 32-bit view.
constexpr REGSAM view = KEY_WOW64_64KEY;

bool KeyExists(const std::string& path) {
  HKEY key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ | view, &key) != ERROR_SUCCESS) {
    return false;
  }
  RegCloseKey(key);
  return true;
}

// The outermost of the path's prefixes, ending at a separator from `from`
// on, that does not exist yet; "" when the whole path exists.
template <typename Exists>
std::string FirstMissing(const std::string& path, std::size_t from, const char* separators,
                         Exists exists) {
  for (std::size_t end = path.find_first_of(separators, from);;
       end = path.find_first_of(separators, end + 1)) {
    const std::string prefix = path.substr(0, end);
    if (!exists(prefix)) return prefix;
    if (end == std::string::npos) return "";
  }
}

void DeleteKeyTree(const std::string& path) {
  HKEY key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_ALL_ACCESS | view, &key) ==
      ERROR_SUCCESS) {
    RegDeleteTreeA(key, nullptr);
    RegCloseKey(key);
  }
  RegDeleteKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), view, 0);
}

bool HiddenName(const std::string& path) {
  const std::size_t separator = path.find_last_of("\\/");
  return path.size() > separator + 1 && path[separator + 1] == '.';
}

void HideWhenDotted(const std::string& path) {
  if (HiddenName(path)) {
    SetFileAttributesA(path.c_str(), GetFileAttributesA(path.c_str()) | FILE_ATTRIBUTE_HIDDEN);
  }
}

}  // namespace

// The fake writes the registry and drive C: of the system it runs on, so it
// runs only where that system is a throwaway one (a fresh Wine prefix, a
// disposable virtual machine) and the caller says so.
FakePrefix::FakePrefix() {
  const char* throwaway = std::getenv("KVPM_TESTS_THROWAWAY_SYSTEM");
  if (throwaway == nullptr || std::string(throwaway) != "1") {
    std::fprintf(stderr,
                 "These tests write HKLM\\Software and C:\\Games of the system they run on.\n"
                 "Run them in a throwaway Wine prefix (make test-windows), or set\n"
                 "KVPM_TESTS_THROWAWAY_SYSTEM=1 on a system that may be overwritten.\n");
    std::exit(2);
  }
}

FakePrefix::~FakePrefix() {
  platform::TestDrives().clear();
  for (auto key = newKeys_.rbegin(); key != newKeys_.rend(); ++key) DeleteKeyTree(*key);
  for (auto path = newPaths_.rbegin(); path != newPaths_.rend(); ++path) {
    std::error_code error;
    std::filesystem::remove_all(*path, error);
    if (error) ADD_FAILURE() << "cannot remove " << *path << ": " << error.message();
  }
}

std::string FakePrefix::Root() const { return folder_.Native(); }

void FakePrefix::SetRegistryValues(const std::string& keyPath,
                                   const std::vector<RegistryValue>& values) {
  const std::string missing = FirstMissing(keyPath, 0, "\\", KeyExists);
  if (!missing.empty()) newKeys_.push_back(missing);
  HKEY key;
  if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, nullptr, 0, KEY_SET_VALUE | view,
                      nullptr, &key, nullptr) != ERROR_SUCCESS) {
    ADD_FAILURE() << "cannot create the key " << keyPath;
    return;
  }
  for (const RegistryValue& value : values) {
    if (value.type == 0) {
      ADD_FAILURE() << "no registry form for " << value.data;
      continue;
    }
    if (RegSetValueExA(key, value.name.c_str(), 0, value.type,
                       reinterpret_cast<const BYTE*>(value.bytes.data()),
                       static_cast<DWORD>(value.bytes.size())) != ERROR_SUCCESS) {
      ADD_FAILURE() << "cannot set " << keyPath << "\\" << value.name;
    }
  }
  RegCloseKey(key);
}

std::string FakePrefix::Native(const std::string& windowsPath) const { return windowsPath; }

void FakePrefix::NoteNewPath(const std::string& path) {
  const std::string missing = FirstMissing(path, 3, "\\/", [](const std::string& prefix) {
    return GetFileAttributesA(prefix.c_str()) != INVALID_FILE_ATTRIBUTES;
  });
  if (!missing.empty() && std::find(newPaths_.begin(), newPaths_.end(), missing) == newPaths_.end()) {
    newPaths_.push_back(missing);
  }
}

std::string FakePrefix::CreateFile(const std::string& windowsPath, const std::string& bytes) {
  NoteNewPath(windowsPath);
  WriteBytes(windowsPath, bytes);
  HideWhenDotted(windowsPath);
  return windowsPath;
}

std::string FakePrefix::CreateFolder(const std::string& windowsPath) {
  NoteNewPath(windowsPath);
  std::error_code error;
  std::filesystem::create_directories(windowsPath, error);
  if (error) ADD_FAILURE() << "cannot create " << windowsPath << ": " << error.message();
  HideWhenDotted(windowsPath);
  return windowsPath;
}

std::string FakePrefix::AddCdDrive(char letter) {
  const std::string disc = CdRoot(letter);
  std::filesystem::create_directories(disc);
  platform::TestDrives().push_back({disc, true, true});
  return disc;
}

void FakePrefix::AddEmptyCdDrive(char letter) {
  platform::TestDrives().push_back({CdRoot(letter), true, false});
}

std::string FakePrefix::CdRoot(char letter) const {
  return folder_.Native("cdrom-" + std::string(1, letter));
}

}  // namespace kvpm::testing
