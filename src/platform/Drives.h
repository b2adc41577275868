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

// The prefix's drive letters in order (a CD-ROM drive when the prefix's
// registry says "cdrom" under Software\Wine\Drives, ready when its target
// folder can be read), then the host's mounted optical media.
std::vector<Drive> ListDrives();

}  // namespace platform
