#pragma once
// A fake Wine prefix in a temporary folder, for tests that need a registry,
// drive letters or a game installation. While it lives it is the platform's
// environment (the previous one comes back when it goes), so every path text
// such as "C:\Games\Korvale\gamemd.exe" and every HKLM registry value is
// answered from it.
//
//   FakePrefix prefix;                    // drive C: and an empty system.reg
//   prefix.InstallGame();                 // a complete valid installation
//   prefix.SetRegistryValues(fakeExpansionKey, {RegDword("Version", 65536)});
//   prefix.CreateFile("C:\\Games\\Korvale\\HGMD.INI", "[Audio]\r\n");
//
// Its layout: <root>/drive_c, <root>/dosdevices/c: -> ../drive_c,
// <root>/system.reg, and an empty mount table <root>/mounts.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Environment.h"
#include "support/TempFolder.h"

namespace kvpm::testing {

// The installation that InstallGame lays out.
inline constexpr const char* fakeBaseGameExecutable = "C:\\Games\\Harrowgate\\Harrowgate.exe";
inline constexpr const char* fakeExpansionExecutable = "C:\\Games\\Korvale\\gamemd.exe";
inline constexpr const char* fakeGameFolder = "C:\\Games\\Korvale\\";
inline constexpr const char* fakeBaseGameKey = "Software\\Wow6432Node\\Tallowmere\\Harrowgate";
inline constexpr const char* fakeExpansionKey = "Software\\Wow6432Node\\Tallowmere\\Korvale";

// One value of a registry key: its name ("" for the key's default value,
// written "@") and its data as Wine writes it after the "=". Names and
// strings are escaped as Wine escapes them, except that bytes above 127 are
// written as they are.
struct RegistryValue {
  std::string name;
  std::string data;
};
RegistryValue RegString(const std::string& name, const std::string& text);
RegistryValue RegExpandString(const std::string& name, const std::string& text);  // str(2):
RegistryValue RegDword(const std::string& name, std::uint32_t number);
// Data of any other kind as it stands in the file, e.g. "hex:01,02".
RegistryValue RegData(const std::string& name, const std::string& data);

class FakePrefix {
 public:
  FakePrefix();
  ~FakePrefix();
  FakePrefix(const FakePrefix&) = delete;
  FakePrefix& operator=(const FakePrefix&) = delete;

  // The prefix folder (native).
  std::string Root() const;

  // Sets values of a key in system.reg, adding the key when it is new; a
  // value of the same name is replaced. The key path is relative to HKLM,
  // with single backslashes: "Software\\Wow6432Node\\Tallowmere".
  void SetRegistryValues(const std::string& keyPath, const std::vector<RegistryValue>& values);
  // Replaces system.reg with the given bytes; keys set afterwards follow them.
  void SetSystemReg(const std::string& bytes);

  // Makes a drive letter stand for a native folder (dosdevices/<letter>:).
  void AddDrive(char letter, const std::string& nativeTarget);
  // Replaces the mount table that the environment names.
  void SetMountTable(const std::string& text);

  // The native path for a Windows path text on a drive of the prefix,
  // spelled exactly as given ("\" and "/" both separate).
  std::string Native(const std::string& windowsPath) const;
  // Creates the file (and its folders) by Windows path text; returns its native path.
  std::string CreateFile(const std::string& windowsPath, const std::string& bytes = "");
  std::string CreateFolder(const std::string& windowsPath);

  // The publisher's keys in the 32-bit view (both InstallPath values and
  // Version 65537) and the files Harrowgate.exe, gamemd.exe and
  // expandmd01.mix, all as the fake* constants above say.
  void InstallGame();

 private:
  struct RegistryKey {
    std::string path;
    std::vector<RegistryValue> values;
  };
  void WriteSystemReg() const;

  TempFolder folder_;
  platform::Environment previous_;
  std::string systemRegStart_;
  std::vector<RegistryKey> keys_;
};

}  // namespace kvpm::testing
