#include "platform/Drives.h"

#include <cwchar>
#include <iterator>
#include <string>

#include "platform/win32/WindowsApi.h"

namespace platform {

namespace {

// A drive with removable media is ready when its volume can be read, that
// is when a disc is in. Fixed disks and network drives count as ready
// without asking: a lost connection would make the question hang, and the
// program only looks for CDs.
bool HasVolume(const std::wstring& root) {
  return GetVolumeInformationW(root.c_str(), nullptr, 0, nullptr, nullptr, nullptr, nullptr, 0) !=
         0;
}

}  // namespace

std::vector<Drive> ListDrives() {
  std::vector<Drive> drives = TestDrives();
  wchar_t roots[4 * 26 + 2] = {};
  const DWORD length = GetLogicalDriveStringsW(std::size(roots), roots);
  if (length == 0 || length >= std::size(roots)) return drives;
  QuietDriveErrors quiet;
  for (const wchar_t* root = roots; *root != L'\0'; root += std::wcslen(root) + 1) {
    const std::wstring rootPath = root;  // "D:\"
    const UINT type = GetDriveTypeW(rootPath.c_str());
    Drive drive;
    drive.cdrom = type == DRIVE_CDROM;
    drive.ready = type == DRIVE_FIXED || type == DRIVE_REMOTE || HasVolume(rootPath);
    drive.rootPath = Utf8(rootPath.substr(0, rootPath.find_last_not_of(L'\\') + 1));
    drives.push_back(drive);
  }
  return drives;
}

}  // namespace platform
