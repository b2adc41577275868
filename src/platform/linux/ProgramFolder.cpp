#include "platform/ProgramFolder.h"

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "platform/Environment.h"
#include "platform/Paths.h"

namespace platform {

std::string ExecutableFolder() {
  std::error_code error;
  std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string() : executable.parent_path().string();
}

std::string UserConfigFolder() { return CurrentUserFolders().config + "/kvpm"; }

// Creating a file needs write and search permission on the folder. The
// kernel answers for the effective user without anything being written: by
// the permission bits (and access lists), and for root, who may write
// whatever the bits say, by whether the file system is mounted read-only.
bool FolderWritable(const std::string& folder) {
  const std::string native = ResolvePath(folder);
  std::error_code error;
  return !native.empty() && std::filesystem::is_directory(native, error) &&
         faccessat(AT_FDCWD, native.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

void CreateFolders(const std::string& folder) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
}

}  // namespace platform
