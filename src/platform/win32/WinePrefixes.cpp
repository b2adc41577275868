#include "platform/WinePrefixes.h"

namespace platform {

// The registry and the drives are the system's own.
std::vector<WinePrefix> LauncherPrefixes(const UserFolders&) { return {}; }

}  // namespace platform
