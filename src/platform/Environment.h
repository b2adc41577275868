#pragma once
// Where the program meets the Windows world on Linux: the Wine prefix that
// holds the registry and the drive letters, and the host's mount table.
// On Windows there is no prefix: the registry, the drives and the paths are
// the system's own, and the environment is kept only so that the same code
// compiles; nothing reads it there.

#include <string>

namespace platform {

// Whether the game lives in a Wine prefix (Linux) or in the system itself.
#ifdef _WIN32
inline constexpr bool kWinePrefixes = false;
#else
inline constexpr bool kWinePrefixes = true;
#endif

struct Environment {
  std::string prefix;                          // the Wine prefix folder
  std::string mountTable = "/proc/self/mounts";  // the host's mounted file systems
};

// The value of an environment variable; "" when it is not set.
std::string EnvironmentVariable(const char* name);

// $WINEPREFIX when set, else ~/.wine, as Wine itself decides; "" on Windows.
std::string DefaultPrefix();

// $HOME when set, else the user's entry in the password database;
// %USERPROFILE% on Windows.
std::string HomeFolder();

// Where the user's programs keep their files: the home folder and the XDG
// base folders. An XDG variable that is unset or relative is ignored, as the
// XDG rules say. Windows has no XDG folders: only the home is given.
struct UserFolders {
  std::string home;
  std::string config;  // $XDG_CONFIG_HOME, else ~/.config
  std::string data;    // $XDG_DATA_HOME, else ~/.local/share
};
UserFolders CurrentUserFolders();

// The environment in force; starts as DefaultPrefix() and the real mount table.
const Environment& CurrentEnvironment();
void SetEnvironment(const Environment& environment);

}  // namespace platform
