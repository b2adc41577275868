#include "support/FakePrefix.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "platform/AsciiText.h"

namespace kvpm::testing {

namespace {

const char* const systemRegHeader =
    "WINE REGISTRY Version 2\n;; All keys relative to REGISTRY\\\\Machine\n\n#arch=win64\n";

// Wine's escaping of names and string data: a backslash before "\" and the
// delimiters, letter escapes for control characters, octal for the rest.
std::string Escaped(const std::string& text, const std::string& delimiters) {
  std::string escaped;
  for (char c : text) {
    const unsigned char byte = static_cast<unsigned char>(c);
    if (c == '\\' || delimiters.find(c) != std::string::npos) {
      escaped += '\\';
      escaped += c;
    } else if (c == '\n' || c == '\r' || c == '\t') {
      escaped += c == '\n' ? "\\n" : c == '\r' ? "\\r" : "\\t";
    } else if (byte < 0x20) {
      char octal[8];
      std::snprintf(octal, sizeof octal, "\\%03o", byte);
      escaped += octal;
    } else {
      escaped += c;
    }
  }
  return escaped;
}

std::string Quoted(const std::string& text) { return "\"" + Escaped(text, "\"") + "\""; }

}  // namespace

RegistryValue RegString(const std::string& name, const std::string& text) {
  return {name, Quoted(text)};
}

RegistryValue RegExpandString(const std::string& name, const std::string& text) {
  return {name, "str(2):" + Quoted(text)};
}

RegistryValue RegDword(const std::string& name, std::uint32_t number) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "dword:%08x", static_cast<unsigned>(number));
  return {name, digits};
}

RegistryValue RegData(const std::string& name, const std::string& data) { return {name, data}; }

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
    bytes += "\n[" + Escaped(key.path, "[]") + "] 1700000000\n#time=1d9f0a0b0c0d0e0\n";
    for (const RegistryValue& value : key.values) {
      bytes += (value.name.empty() ? "@" : Quoted(value.name)) + "=" + value.data + "\n";
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

void FakePrefix::InstallGame() {
  SetRegistryValues(fakeBaseGameKey, {RegString("InstallPath", fakeBaseGameExecutable)});
  SetRegistryValues(fakeExpansionKey, {RegString("InstallPath", fakeExpansionExecutable),
                                       RegDword("Version", 0x00010001)});
  CreateFile(fakeBaseGameExecutable);
  CreateFile(fakeExpansionExecutable);
  CreateFile(std::string(fakeGameFolder) + "expandmd01.mix");
}

}  // namespace kvpm::testing
