#pragma once
// A fake game installation for tests that need a registry, drive letters or
// game files, answered through the platform layer as the program sees them.
//
//   FakePrefix prefix;                    // drive C: and an empty registry
//   prefix.InstallGame();                 // a complete valid installation
//   prefix.SetRegistryValues(fakeExpansionKey, {RegDword("Version", 65536)});
//   prefix.CreateFile("C:\\Games\\Korvale\\HGMD.INI", "[Audio]\r\n");
//
// Linux: a fake Wine prefix in a temporary folder. While it lives it is the
// platform's environment (the previous one comes back when it goes), so
// every path text such as "C:\Games\Korvale\gamemd.exe" and every HKLM
// registry value is answered from it. Its layout: <root>/drive_c,
// <root>/dosdevices/c: -> ../drive_c, <root>/system.reg, and an empty mount
// table <root>/mounts.
//
// Windows: the system itself. Registry keys are written through the registry
// API (a key path with Wow6432Node lands in the 32-bit view) and files where
// their path text says; whatever it made, it removes when it goes, so tests
// that use it must run one at a time (the test program runs them so). A name
// starting with "." is made hidden, as Wine shows such names. CD drives are
// folders listed through platform::TestDrives(), since Windows cannot fake
// a CD-ROM drive.

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
// written "@"), its data as Wine writes it after the "=", and the same as
// the registry API takes it (type and bytes). Names and strings are escaped
// as Wine escapes them, except that bytes above 127 are written as they are.
struct RegistryValue {
  std::string name;
  std::string data;
  std::uint32_t type = 0;
  std::string bytes;
};
RegistryValue RegString(const std::string& name, const std::string& text);
RegistryValue RegExpandString(const std::string& name, const std::string& text);  // str(2):
RegistryValue RegDword(const std::string& name, std::uint32_t number);
// Data of any other kind as it stands in the file, e.g. "hex:01,02". Only
// "hex:" data (binary) has a form for the registry API.
RegistryValue RegData(const std::string& name, const std::string& data);

// Wine's escaping of names and string data: a backslash before "\" and the
// delimiters, letter escapes for control characters, octal for the rest.
std::string WineEscaped(const std::string& text, const std::string& delimiters);

class FakePrefix {
 public:
  FakePrefix();
  ~FakePrefix();
  FakePrefix(const FakePrefix&) = delete;
  FakePrefix& operator=(const FakePrefix&) = delete;

  // A temporary folder of the test's own (on Linux the prefix folder).
  std::string Root() const;

  // Sets values of a key, adding the key when it is new; a value of the same
  // name is replaced. The key path is relative to HKLM, with single
  // backslashes: "Software\\Wow6432Node\\Tallowmere".
  void SetRegistryValues(const std::string& keyPath, const std::vector<RegistryValue>& values);

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

  // A ready CD-ROM drive for the letter with an empty disc in it: returns
  // the disc's native folder.
  std::string AddCdDrive(char letter);
  // A CD-ROM drive for the letter without a disc.
  void AddEmptyCdDrive(char letter);
  // The root path that the program sees for the CD drive of the letter.
  std::string CdRoot(char letter) const;

#ifndef _WIN32
  // Replaces system.reg with the given bytes; keys set afterwards follow them.
  void SetSystemReg(const std::string& bytes);
  // Makes a drive letter stand for a native folder (dosdevices/<letter>:).
  void AddDrive(char letter, const std::string& nativeTarget);
  // Replaces the mount table that the environment names.
  void SetMountTable(const std::string& text);
#endif

 private:
  TempFolder folder_;
#ifdef _WIN32
  // The outermost files, folders and registry keys made, removed at the end.
  void NoteNewPath(const std::string& path);
  std::vector<std::string> newPaths_;
  std::vector<std::string> newKeys_;
#else
  struct RegistryKey {
    std::string path;
    std::vector<RegistryValue> values;
  };
  void WriteSystemReg() const;
  void MarkCdDrive(char letter);

  platform::Environment previous_;
  std::string systemRegStart_;
  std::vector<RegistryKey> keys_;
#endif
};

}  // namespace kvpm::testing
