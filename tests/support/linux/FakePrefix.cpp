#include "support/FakePrefix.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "platform/AsciiText.h"

namespace kvpm::testing {

namespace {

const char* const systemRegHeader =
    "WINE REGISTRY Version 2\n;; All keys relative to REGISTRY\\\\Machine\n\n#arch=win64\n";

std::string QuotedName(const std::string& name) { return "\"" + WineEscaped(name, "\"") + "\""; }

}  // namespace

FakePrefix::FakePrefix() : previous_(platform::CurrentEnvironment()) {
  std::filesystem::create_directories(folder_.Path() / "drive_c");
  std::filesystem::create_directories(folder_.Path() / "dosdevices");
  AddDrive('c', "../drive_c");
  SetSystemReg(systemRegHeader);
  SetMountTable("");
  platform::SetEnvironment({Root(), Root() + "/mounts"});
}

FakePrefix::~FakePrefix() { platform::SetEnvironment(previous_); }

std::string FakePrefix::Root() const { return folder_.Native(); }

void FakePrefix::SetRegistryValues(const std::string& keyPath,
                                   const std::vector<RegistryValue>& values) {
  auto key = std::find_if(keys_.begin(), keys_.end(), [&keyPath](const RegistryKey& k) {
    return platform::EqualNoCase(k.path, keyPath);
  });
  if (key == keys_.end()) key = keys_.insert(keys_.end(), {keyPath, {}});
  for (const RegistryValue& value : values) {
    auto old = std::find_if(
        key->values.begin(), key->values.end(),
        [&value](const RegistryValue& v) { return platform::EqualNoCase(v.name, value.name); });
    if (old == key->values.end()) {
      key->values.push_back(value);
    } else {
      *old = value;
    }
  }
  WriteSystemReg();
}

void FakePrefix::SetSystemReg(const std::string& bytes) {
  systemRegStart_ = bytes;
  keys_.clear();
  WriteSystemReg();
}

void FakePrefix::WriteSystemReg() const {
  std::string bytes = systemRegStart_;
  for (const RegistryKey& key : keys_) {
    bytes += "\n[" + WineEscaped(key.path, "[]") + "] 1700000000\n#time=1d9f0a0b0c0d0e0\n";
    for (const RegistryValue& value : key.values) {
      bytes += (value.name.empty() ? "@" : QuotedName(value.name)) + "=" + value.data + "\n";
    }
  }
  WriteBytes(folder_.Path() / "system.reg", bytes);
}

void FakePrefix::AddDrive(char letter, const std::string& nativeTarget) {
  const std::filesystem::path link =
      folder_.Path() / "dosdevices" /
      (std::string(1, static_cast<char>(std::tolower(letter))) + ":");
  std::error_code error;
  std::filesystem::remove(link, error);
  std::filesystem::create_directory_symlink(nativeTarget, link, error);
  if (error) ADD_FAILURE() << "cannot link drive " << letter << ": " << error.message();
}

void FakePrefix::SetMountTable(const std::string& text) {
  WriteBytes(folder_.Path() / "mounts", text);
}

std::string FakePrefix::Native(const std::string& windowsPath) const {
  if (windowsPath.size() < 2 || windowsPath[1] != ':') {
    ADD_FAILURE() << "not a path on a drive: " << windowsPath;
    return "";
  }
  std::string native = Root() + "/dosdevices/" +
                       static_cast<char>(std::tolower(static_cast<unsigned char>(windowsPath[0]))) +
                       ":";
  std::string rest = windowsPath.substr(2);
  for (char& c : rest) {
    if (c == '\\') c = '/';
  }
  if (!rest.empty() && rest.front() != '/') native += '/';
  return native + rest;
}

std::string FakePrefix::CreateFile(const std::string& windowsPath, const std::string& bytes) {
  const std::string native = Native(windowsPath);
  WriteBytes(native, bytes);
  return native;
}

std::string FakePrefix::CreateFolder(const std::string& windowsPath) {
  const std::string native = Native(windowsPath);
  std::error_code error;
  std::filesystem::create_directories(native, error);
  if (error) ADD_FAILURE() << "cannot create " << native << ": " << error.message();
  return native;
}

void FakePrefix::MarkCdDrive(char letter) {
  SetRegistryValues("Software\\Wine\\Drives", {RegString(std::string(1, letter) + ":", "cdrom")});
}

std::string FakePrefix::AddCdDrive(char letter) {
  const std::string folder = "cdrom-" + std::string(1, letter);
  std::filesystem::create_directories(folder_.Path() / folder);
  AddDrive(letter, "../" + folder);
  MarkCdDrive(letter);
  return Root() + "/" + folder;
}

void FakePrefix::AddEmptyCdDrive(char letter) {
  AddDrive(letter, "../no-disc-in-" + std::string(1, letter));
  MarkCdDrive(letter);
}

std::string FakePrefix::CdRoot(char letter) const {
  return std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>(letter)))) + ":";
}

}  // namespace kvpm::testing
