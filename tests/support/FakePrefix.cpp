#include "support/FakePrefix.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

namespace kvpm::test {

namespace fs = std::filesystem;

void WriteBytes(const std::string& nativePath, const std::string& bytes) {
  std::error_code error;
  fs::create_directories(FileSystemPath(nativePath).parent_path(), error);
  std::ofstream out(FileSystemPath(nativePath), std::ios::binary | std::ios::trunc);
  out << bytes;
  if (!out) ADD_FAILURE() << "cannot write " << nativePath;
}

std::string ReadBytes(const std::string& nativePath) {
  std::ifstream in(FileSystemPath(nativePath), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string FakePrefix::NewFolder() {
  static std::mt19937_64 random{std::random_device{}()};
  for (;;) {
    const fs::path folder = fs::temp_directory_path() / ("kvpm-test-" + std::to_string(random()));
    if (fs::create_directory(folder)) return folder.string();
  }
}

// Tests take permissions away; the owner gets them back before the removal.
void FakePrefix::RemoveFolder(const std::string& folder) {
  std::error_code error;
  fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add, error);
  for (auto it = fs::recursive_directory_iterator(folder, error);
       !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
    fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, error);
  }
  fs::remove_all(folder, error);
}

void FakePrefix::SetValue(const std::string& key, const std::string& name,
                          const std::string& text) {
  std::string quoted = "\"";
  for (char c : text) quoted += c == '\\' || c == '"' ? std::string{'\\', c} : std::string{c};
  SetRawValue(key, name, quoted + "\"", 1, text + '\0');
}

void FakePrefix::SetValue(const std::string& key, const std::string& name, std::uint32_t number) {
  char data[16];
  std::snprintf(data, sizeof data, "dword:%08x", static_cast<unsigned>(number));
  const std::string bytes{static_cast<char>(number), static_cast<char>(number >> 8),
                          static_cast<char>(number >> 16), static_cast<char>(number >> 24)};
  SetRawValue(key, name, data, 4, bytes);
}

std::string FakePrefix::CreateFile(const std::string& windowsPath, const std::string& bytes) {
  WriteBytes(Native(windowsPath), bytes);
  Created(windowsPath);
  return Native(windowsPath);
}

std::string FakePrefix::CreateFolder(const std::string& windowsPath) {
  fs::create_directories(FileSystemPath(Native(windowsPath)));
  Created(windowsPath);
  return Native(windowsPath);
}

void FakePrefix::InstallGame() {
  SetValue(kBaseGameKey, "InstallPath", "C:\\Games\\Harrowgate\\Harrowgate.exe");
  SetValue(kExpansionKey, "InstallPath", kGameFolder + "gamemd.exe");
  SetValue(kExpansionKey, "Version", 0x00010001u);
  CreateFile("C:\\Games\\Harrowgate\\Harrowgate.exe");
  for (const char* file : {"gamemd.exe", "expandmd01.mix"}) CreateFile(kGameFolder + file);
}

}  // namespace kvpm::test
