#include "platform/ProgramFolder.h"

#include <unistd.h>

#include <cstdlib>
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

std::string UserConfigFolder() {
  const std::string configHome = EnvironmentVariable("XDG_CONFIG_HOME");
  // Relative values are invalid by the XDG rules and are ignored.
  if (configHome.starts_with('/')) return configHome + "/kvpm";
  return HomeFolder() + "/.config/kvpm";
}

bool FolderWritable(const std::string& folder) {
  const std::string native = ResolvePath(folder);
  if (native.empty()) return false;
  std::string probe = native + "/.kvpm-probe-XXXXXX";
  int fd = mkstemp(probe.data());
  if (fd < 0) return false;
  close(fd);
  unlink(probe.c_str());
  return true;
}

void CreateFolders(const std::string& folder) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
}

}  // namespace platform
