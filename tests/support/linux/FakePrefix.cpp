#include "support/FakePrefix.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>

#include "platform/AsciiText.h"

namespace kvpm::test {

namespace fs = std::filesystem;
const std::string kSystemRegStart =
    "WINE REGISTRY Version 2\n;; All keys relative to REGISTRY\\\\Machine\n\n#arch=win64\n";

FakePrefix::FakePrefix() : root_(NewFolder()), previous_(platform::CurrentEnvironment()) {
  fs::create_directories(root_ + "/drive_c");
  fs::create_directories(root_ + "/dosdevices");
  AddDrive('c', "../drive_c");
  WriteBytes(root_ + "/system.reg", kSystemRegStart);
  SetMountTable("");
  platform::SetEnvironment({root_, root_ + "/mounts"});
}

FakePrefix::~FakePrefix() {
  platform::SetEnvironment(previous_);
  RemoveFolder(root_);
}

// Each value gets a key header of its own (the reader takes a key's values from all its
// headers); a value set again replaces the old one.
void FakePrefix::SetRawValue(const std::string& key, const std::string& name,
                             const std::string& wineData, std::uint32_t, const std::string&) {
  std::string escapedKey;
  for (char c : key) escapedKey += c == '\\' ? "\\\\" : std::string{c};
  const std::string header = "\n[" + escapedKey + "] 1700000000\n\"" + name + "\"=";
  const std::size_t old = platform::LowerAscii(values_).find(platform::LowerAscii(header));
  if (old != std::string::npos) values_.erase(old, values_.find('\n', old + header.size()) - old);
  values_ += header + wineData;
  WriteBytes(root_ + "/system.reg", kSystemRegStart + values_ + "\n");
}

void FakePrefix::AddDrive(char letter, const std::string& nativeTarget) {
  const fs::path link = root_ + "/dosdevices/" + static_cast<char>(std::tolower(letter)) + ":";
  std::error_code error;
  fs::remove(link, error);
  fs::create_directory_symlink(nativeTarget, link);
}

void FakePrefix::SetMountTable(const std::string& text) { WriteBytes(root_ + "/mounts", text); }

std::string FakePrefix::Native(const std::string& windowsPath) const {
  std::string rest = windowsPath.substr(2);
  for (char& c : rest) c = c == '\\' ? '/' : c;
  return root_ + "/dosdevices/" + static_cast<char>(std::tolower(windowsPath[0])) + ":" +
         (rest.starts_with('/') || rest.empty() ? "" : "/") + rest;
}

void FakePrefix::Created(const std::string&) {}

fs::path FileSystemPath(const std::string& nativePath) { return nativePath; }

std::string FakePrefix::AddCdDrive(char letter, bool withDisc) {
  const std::string disc = root_ + "/cdrom-" + letter;
  if (withDisc) fs::create_directories(disc);
  AddDrive(letter, disc);
  SetValue("Software\\Wine\\Drives", std::string{letter, ':'}, "cdrom");
  return disc;
}

std::string FakePrefix::CdRoot(char letter) const {
  return std::string{static_cast<char>(std::toupper(letter)), ':'};
}

}  // namespace kvpm::test
