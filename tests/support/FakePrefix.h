#pragma once
// The world of one test: a temporary folder of its own and a game's registry and drives,
// answered through the platform layer as the program sees them.
// Linux: a Wine prefix in the temporary folder (drive_c, dosdevices/c:, system.reg, an empty
// mount table), in force while the object lives. Windows: the system itself (the tests run in
// a throwaway Wine prefix): values go to the registry, files where their path says, and all of
// it is removed again when the object goes. CD drives are platform::TestDrives().

#include <cstdint>
#include <filesystem>
#include <string>

#include "platform/Environment.h"

namespace kvpm::test {

inline const std::string kGameFolder = "C:\\Games\\Korvale\\";
inline const std::string kBaseGameKey = "Software\\Wow6432Node\\Tallowmere\\Harrowgate";
inline const std::string kExpansionKey = "Software\\Wow6432Node\\Tallowmere\\Korvale";
inline const std::string kCompilationKey =
    "Software\\Wow6432Node\\Morvane\\Morvane Games\\Velmora Anthology";

// A native path text as std::filesystem takes it: bytes on Linux, UTF-8 on Windows.
std::filesystem::path FileSystemPath(const std::string& nativePath);
void WriteBytes(const std::string& nativePath, const std::string& bytes);  // folders made too
std::string ReadBytes(const std::string& nativePath);  // "" for a missing file

class FakePrefix {
 public:
  FakePrefix();
  ~FakePrefix();
  FakePrefix(const FakePrefix&) = delete;
  FakePrefix& operator=(const FakePrefix&) = delete;

  // A native folder of the test's own (on Linux, the prefix).
  std::string Root() const { return root_; }

  // A value of a key under HKLM ("Software\\Wow6432Node\\..." is the 32-bit view).
  void SetValue(const std::string& key, const std::string& name, const std::string& text);
  void SetValue(const std::string& key, const std::string& name, std::uint32_t number);

  // By Windows path text ("C:\\Games\\x"): the native path, a file, a folder.
  std::string Native(const std::string& windowsPath) const;
  std::string CreateFile(const std::string& windowsPath, const std::string& bytes = "");
  std::string CreateFolder(const std::string& windowsPath);

  // The publisher's keys in the 32-bit view with version 1.001, and the files Harrowgate.exe,
  // gamemd.exe and expandmd01.mix.
  void InstallGame();

  // A CD-ROM drive of the letter, with an empty disc in it or without one; returns the disc's
  // native folder. CdRoot is its root as the program sees it.
  std::string AddCdDrive(char letter, bool withDisc = true);
  std::string CdRoot(char letter) const;

#ifndef _WIN32
  void AddDrive(char letter, const std::string& nativeTarget);  // dosdevices/<letter>:
  void SetMountTable(const std::string& text);
#endif

 private:
  void SetRawValue(const std::string& key, const std::string& name, const std::string& wineData,
                   std::uint32_t type, const std::string& bytes);
  void Created(const std::string& windowsPath);  // Windows: noted for the removal

  // Shared by the backends: a fresh temporary folder, and its removal.
  static std::string NewFolder();
  static void RemoveFolder(const std::string& folder);

  std::string root_;
#ifdef _WIN32
  std::string made_;  // top folders and keys made, one per line, removed at the end
#else
  platform::Environment previous_;
  std::string values_;  // one "\n[key] stamp\n"name"=data" per value
#endif
};

}  // namespace kvpm::test
