#pragma once
// The drives the program can search for a game CD.

#include <string>
#include <vector>

namespace platform {

struct Drive {
  std::string rootPath;  // "D:" for a drive letter, the mount point for host media
  bool cdrom = false;
  bool ready = false;
};

// The drives in order, after the test drives below.
// Linux: the prefix's drive letters (a CD-ROM drive when the prefix's
// registry says "cdrom" under Software\Wine\Drives, ready when its target
// folder can be read), then the host's mounted optical media.
// Windows: the system's drive letters, a CD-ROM drive by its drive type,
// ready when its volume can be read (a disc is in).
std::vector<Drive> ListDrives();

// Test hook: drives that ListDrives lists first, standing for CD drives
// that a test cannot make on the system (Windows has no way to fake one).
std::vector<Drive>& TestDrives();

}  // namespace platform
