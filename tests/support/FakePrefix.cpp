#include "support/FakePrefix.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <system_error>

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

std::string NamePart(const std::string& name) {
  return name.empty() ? "@" : "\"" + Escaped(name, "\"") + "\"";
}

}  // namespace

RegistryValue RegString(const std::string& name, const std::string& data) {
  return {NamePart(name) + "=\"" + Escaped(data, "\"") + "\""};
}

RegistryValue RegExpandString(const std::string& name, const std::string& data) {
  return {NamePart(name) + "=str(2):\"" + Escaped(data, "\"") + "\""};
}

RegistryValue RegDword(const std::string& name, std::uint32_t data) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%08x", static_cast<unsigned>(data));
  return {NamePart(name) + "=dword:" + digits};
}

RegistryValue RegRawLine(const std::string& line) { return {line}; }

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

void FakePrefix::AddRegistryKey(const std::string& keyPath,
                                const std::vector<RegistryValue>& values) {
  std::string block = "\n[" + Escaped(keyPath, "[]") + "] 1700000000\n#time=1d9f0a0b0c0d0e0\n";
  for (const RegistryValue& value : values) block += value.line + "\n";
  SetSystemReg(ReadBytes(folder_.Path() / "system.reg") + block);
}

void FakePrefix::SetSystemReg(const std::string& bytes) {
  WriteBytes(folder_.Path() / "system.reg", bytes);
}

void FakePrefix::AddDrive(char letter, const std::string& nativeTarget) {
  const std::filesystem::path link =
      folder_.Path() / "dosdevices" / (std::string(1, static_cast<char>(std::tolower(letter))) + ":");
  std::error_code error;
  std::filesystem::remove(link, error);
  std::filesystem::create_directory_symlink(nativeTarget, link, error);
  if (error) ADD_FAILURE() << "cannot link drive " << letter << ": " << error.message();
}

void FakePrefix::SetMountTable(const std::string& text) { WriteBytes(folder_.Path() / "mounts", text); }

std::string FakePrefix::Native(const std::string& windowsPath) const {
  if (windowsPath.size() < 2 || windowsPath[1] != ':') {
    ADD_FAILURE() << "not a path on a drive: " << windowsPath;
    return "";
  }
  std::string native = Root() + "/dosdevices/" +
                       static_cast<char>(std::tolower(static_cast<unsigned char>(windowsPath[0]))) + ":";
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
  AddRegistryKey(fakeBaseGameKey, {RegString("InstallPath", fakeBaseGameExecutable)});
  AddRegistryKey(fakeExpansionKey, {RegString("InstallPath", fakeExpansionExecutable),
                                    RegDword("Version", 0x00010001)});
  CreateFile(fakeBaseGameExecutable);
  CreateFile(fakeExpansionExecutable);
  CreateFile(std::string(fakeGameFolder) + "expandmd01.mix");
}

}  // namespace kvpm::testing
