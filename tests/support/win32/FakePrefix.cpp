#include "support/FakePrefix.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "platform/Drives.h"
#include "platform/Utf16.h"
#include "platform/win32/WindowsApi.h"

namespace kvpm::test {

namespace {

// Key paths name the 64-bit view, so that a path through Wow6432Node reaches the 32-bit view.
constexpr REGSAM view = KEY_WOW64_64KEY;

// The key's outermost part below Software (and Wow6432Node), which the
// fake removes whole at the end.
std::string TopKey(const std::string& key) {
  std::size_t end = key.find('\\', key.find('\\') + 1);
  if (key.compare(key.find('\\') + 1, 12, "Wow6432Node\\") == 0) end = key.find('\\', end + 1);
  return key.substr(0, end);
}

}  // namespace

std::filesystem::path FileSystemPath(const std::string& path) { return platform::Wide(path); }

// The fake writes the registry and drive C: of the system it runs on, so it
// runs only where the caller says that system is a throwaway one.
FakePrefix::FakePrefix() {
  const char* throwaway = std::getenv("KVPM_TESTS_THROWAWAY_SYSTEM");
  if (throwaway == nullptr || std::string(throwaway) != "1") {
    std::fprintf(stderr,
                 "These tests write HKLM\\Software and drive C: of the system they run on.\n"
                 "Run them in a throwaway Wine prefix (make test-windows), or set\n"
                 "KVPM_TESTS_THROWAWAY_SYSTEM=1 on a system that may be overwritten.\n");
    std::exit(2);
  }
  root_ = NewFolder();
}

FakePrefix::~FakePrefix() {
  platform::TestDrives().clear();
  std::istringstream made(made_);
  for (std::string line; std::getline(made, line);) {
    if (line.starts_with("C:")) {
      std::error_code error;
      std::filesystem::remove_all(FileSystemPath(line), error);
    } else {
      RegDeleteTreeW(HKEY_LOCAL_MACHINE, platform::Wide(line).c_str());
      RegDeleteKeyExW(HKEY_LOCAL_MACHINE, platform::Wide(line).c_str(), view, 0);
    }
  }
  RemoveFolder(root_);
}

void FakePrefix::SetRawValue(const std::string& key, const std::string& name, const std::string&,
                             std::uint32_t type, const std::string& bytes) {
  if (made_.find(TopKey(key) + "\n") == std::string::npos) made_ += TopKey(key) + "\n";
  const std::string data = type == REG_SZ ? platform::Utf8ToUtf16(bytes) : bytes;  // UTF-16 strings
  HKEY handle;
  if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, platform::Wide(key).c_str(), 0, nullptr, 0,
                      KEY_SET_VALUE | view, nullptr, &handle, nullptr) != ERROR_SUCCESS ||
      RegSetValueExW(handle, platform::Wide(name).c_str(), 0, type,
                     reinterpret_cast<const BYTE*>(data.data()),
                     static_cast<DWORD>(data.size())) != ERROR_SUCCESS) {
    ADD_FAILURE() << "cannot set " << key << "\\" << name;
  }
  RegCloseKey(handle);
}

std::string FakePrefix::Native(const std::string& windowsPath) const { return windowsPath; }

// Notes the top folder for the removal; a name starting with "." is made
// hidden, as Wine shows such names.
void FakePrefix::Created(const std::string& windowsPath) {
  const std::string top = windowsPath.substr(0, windowsPath.find_first_of("\\/", 3));
  if (made_.find(top + "\n") == std::string::npos) made_ += top + "\n";
  const std::size_t name = windowsPath.find_last_of("\\/") + 1;
  if (windowsPath.compare(name, 1, ".") == 0) {
    SetFileAttributesW(platform::Wide(windowsPath).c_str(), FILE_ATTRIBUTE_HIDDEN);
  }
}

std::string FakePrefix::AddCdDrive(char letter, bool withDisc) {
  const std::string disc = CdRoot(letter);
  if (withDisc) std::filesystem::create_directories(FileSystemPath(disc));
  platform::TestDrives().push_back({disc, true, withDisc});
  return disc;
}

std::string FakePrefix::CdRoot(char letter) const { return root_ + "\\cdrom-" + letter; }

}  // namespace kvpm::test
