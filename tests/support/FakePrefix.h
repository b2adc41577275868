#pragma once
// A fake Wine prefix in a temporary folder, for tests that need a registry,
// drive letters or a game installation. While it lives it is the platform's
// environment (the previous one comes back when it goes), so every path text
// such as "C:\Games\Korvale\gamemd.exe" and every HKLM registry value is
// answered from it.
//
//   FakePrefix prefix;                    // drive C: and an empty system.reg
//   prefix.InstallGame();                 // a complete valid installation
//   prefix.AddRegistryKey("Software\\Wow6432Node\\Tallowmere\\Korvale",
//                         {RegDword("Version", 65536)});  // later keys lose
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

// One value line of Wine's registry text. The name "" is the key's default
// value ("@"). Names and strings are escaped as Wine escapes them, except
// that bytes above 127 are written as they are.
struct RegistryValue {
  std::string line;
};
RegistryValue RegString(const std::string& name, const std::string& data);
RegistryValue RegExpandString(const std::string& name, const std::string& data);  // str(2):
RegistryValue RegDword(const std::string& name, std::uint32_t data);
// Any value line as it is, e.g. R"("Bin"=hex:01,02)".
RegistryValue RegRawLine(const std::string& line);

class FakePrefix {
 public:
  FakePrefix();
  ~FakePrefix();
  FakePrefix(const FakePrefix&) = delete;
  FakePrefix& operator=(const FakePrefix&) = delete;

  // The prefix folder (native).
  std::string Root() const;

  // Appends a key with its values to system.reg. The key path is relative
  // to HKLM, with single backslashes: "Software\\Wow6432Node\\Tallowmere".
  // When a key is added twice, the first one is the one read.
  void AddRegistryKey(const std::string& keyPath, const std::vector<RegistryValue>& values);
  // Replaces system.reg with the given bytes.
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
  TempFolder folder_;
  platform::Environment previous_;
};

}  // namespace kvpm::testing
