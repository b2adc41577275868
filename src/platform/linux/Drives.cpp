#include "platform/Drives.h"

#include <dirent.h>

#include <memory>
#include <set>
#include <sstream>

#include "platform/AsciiText.h"
#include "platform/Environment.h"
#include "platform/Files.h"
#include "platform/Registry.h"

namespace platform {

namespace {

using Directory = std::unique_ptr<DIR, int (*)(DIR*)>;

// A drive is ready when its folder can be listed: a drive letter whose
// target is gone, or a mount point that cannot be read, holds no disc.
bool IsReadableFolder(const std::string& native) {
  return Directory(opendir(native.c_str()), closedir) != nullptr;
}

// The letters of the prefix's dosdevices entries named "<letter>:"; the
// devices beside them ("d::") and the serial and parallel ports are not drives.
std::set<char> DriveLetters(const std::string& dosdevices) {
  std::set<char> letters;
  Directory directory(opendir(dosdevices.c_str()), closedir);
  if (!directory) return letters;
  while (const dirent* entry = readdir(directory.get())) {
    const std::string name = entry->d_name;
    const char letter = LowerAscii(name.empty() ? '\0' : name[0]);
    if (name.size() == 2 && name[1] == ':' && letter >= 'a' && letter <= 'z') {
      letters.insert(letter);
    }
  }
  return letters;
}

std::vector<Drive> PrefixDrives() {
  std::vector<Drive> drives;
  const std::string dosdevices = CurrentEnvironment().prefix + "/dosdevices";
  for (char letter : DriveLetters(dosdevices)) {
    const std::string name = std::string(1, letter) + ":";
    Drive drive;
    drive.rootPath = std::string(1, static_cast<char>(letter - 'a' + 'A')) + ":";
    drive.cdrom = EqualNoCase(ReadRegistryText("HKLM\\Software\\Wine\\Drives\\" + name), "cdrom");
    drive.ready = IsReadableFolder(dosdevices + "/" + name);
    drives.push_back(drive);
  }
  return drives;
}

bool IsOctalDigit(char c) { return c >= '0' && c <= '7'; }

// The mount table writes blanks, tabs, line breaks and backslashes in a
// mount point as "\" and three octal digits ("\040" for a blank).
std::string DecodeMountField(const std::string& field) {
  std::string decoded;
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size() && IsOctalDigit(field[i + 1]) &&
        IsOctalDigit(field[i + 2]) && IsOctalDigit(field[i + 3])) {
      decoded += static_cast<char>(((field[i + 1] - '0') << 6) | ((field[i + 2] - '0') << 3) |
                                   (field[i + 3] - '0'));
      i += 3;
    } else {
      decoded += field[i];
    }
  }
  return decoded;
}

bool IsOpticalFileSystem(const std::string& type) { return type == "iso9660" || type == "udf"; }

std::vector<Drive> HostOpticalMedia() {
  std::vector<Drive> drives;
  std::string table;
  if (ReadWholeFile(CurrentEnvironment().mountTable, table) != ReadStatus::Ok) return drives;
  std::istringstream lines(table);
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream fields(line);
    std::string device, mountPoint, type;
    if (!(fields >> device >> mountPoint >> type) || !IsOpticalFileSystem(type)) continue;
    Drive drive;
    drive.rootPath = DecodeMountField(mountPoint);
    drive.cdrom = true;
    drive.ready = IsReadableFolder(drive.rootPath);
    drives.push_back(drive);
  }
  return drives;
}

}  // namespace

std::vector<Drive> ListDrives() {
  std::vector<Drive> drives = TestDrives();
  for (Drive& drive : PrefixDrives()) drives.push_back(std::move(drive));
  for (Drive& medium : HostOpticalMedia()) drives.push_back(std::move(medium));
  return drives;
}

}  // namespace platform
