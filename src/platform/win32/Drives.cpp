#include "platform/Drives.h"

#include <string>

#include "platform/win32/WindowsApi.h"

namespace platform {

namespace {

// A drive with removable media is ready when its volume can be read, that
// is when a disc is in. Fixed disks and network drives count as ready
// without asking: a lost connection would make the question hang, and the
// program only looks for CDs.
bool HasVolume(const std::string& root) {
  return GetVolumeInformationA(root.c_str(), nullptr, 0, nullptr, nullptr, nullptr, nullptr, 0) != 0;
}

}  // namespace

std::vector<Drive> ListDrives() {
  std::vector<Drive> drives = TestDrives();
  char roots[4 * 26 + 2] = {};
  const DWORD length = GetLogicalDriveStringsA(sizeof roots, roots);
  if (length == 0 || length >= sizeof roots) return drives;
  QuietDriveErrors quiet;
  for (const char* root = roots; *root != '\0'; root += std::char_traits<char>::length(root) + 1) {
    std::string rootPath = root;  // "D:\"
    const UINT type = GetDriveTypeA(rootPath.c_str());
    Drive drive;
    drive.cdrom = type == DRIVE_CDROM;
    drive.ready = type == DRIVE_FIXED || type == DRIVE_REMOTE || HasVolume(rootPath);
    if (!rootPath.empty() && rootPath.back() == '\\') rootPath.pop_back();
    drive.rootPath = rootPath;
    drives.push_back(drive);
  }
  return drives;
}

}  // namespace platform
