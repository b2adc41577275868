#include "app/GameDetection.h"

#include "platform/Registry.h"
#include "util/TovrikStandardFunctions.h"

namespace kvpm {

namespace tsf = TovrikStandardFunctions;

namespace {

const std::string kBaseGameKey = "HKLM\\SOFTWARE\\Tallowmere\\Harrowgate\\";
const std::string kExpansionKey = "HKLM\\SOFTWARE\\Tallowmere\\Korvale\\";
const std::string kCompilationKey = "HKLM\\SOFTWARE\\Morvane\\Morvane Games\\Velmora Anthology\\";

// The accepted expansion version, 1.001: 1 in the upper and 1 in the lower 16 bits.
const std::string kExpansionVersion = "65537";

// Length of the expansion executable's file name, which the install path ends in.
constexpr std::size_t kExecutableNameLength = 10;

std::string Registry(const std::string& key, const std::string& name) {
  return tsf::ReadRegistryValue(key + name, "");
}

bool FileExists(const std::string& path) { return tsf::PathExists(path, false); }

// The expansion's folder: its install path less the executable's name.
std::optional<std::string> ExpansionFolder(const std::string& installPath) {
  if (installPath.size() < kExecutableNameLength) return std::nullopt;
  return installPath.substr(0, installPath.size() - kExecutableNameLength);
}

}  // namespace

bool DetectBaseGame(MainState& state) {
  const std::string installPath = Registry(kBaseGameKey, "InstallPath");
  if (!installPath.empty() && FileExists(installPath)) return true;

  const std::string folder = Registry(kCompilationKey, "hg_folder");
  if (!folder.empty() && FileExists(folder + "\\" + Registry(kCompilationKey, "hg_executable"))) {
    return true;
  }
  state.Message("Harrowgate is not installed! Please install Harrowgate.");
  return false;
}

bool DetectExpansion(MainState& state) {
  const std::string installPath = Registry(kExpansionKey, "InstallPath");
  if (const std::optional<std::string> folder = ExpansionFolder(installPath)) {
    state.installation.gameFolder = *folder;
    state.installation.compilationInstall = false;
    if (FileExists(installPath)) return true;
  }
  // A value too short to hold the executable's name names no folder; the
  // compilation's keys are tried as for a missing value.

  const std::string folder = Registry(kCompilationKey, "kv_folder");
  if (!folder.empty()) {
    state.installation.gameFolder = folder;
    state.installation.compilationInstall = true;
    if (FileExists(folder + "\\" + Registry(kCompilationKey, "kv_executable"))) return true;
  }
  state.Message("Korvale is not installed! Please install Korvale");
  return false;
}

std::optional<std::string> RegisteredGameFolder() {
  // Most prefixes that the search meets hold nothing of the game: a quick
  // look spares reading their registry once for each value.
  if (!platform::RegistryMayHoldAnyKey({kBaseGameKey, kCompilationKey}) ||
      (Registry(kBaseGameKey, "InstallPath").empty() &&
       Registry(kCompilationKey, "hg_folder").empty())) {
    return std::nullopt;
  }
  return ExpansionFolder(Registry(kExpansionKey, "InstallPath"))
      .value_or(Registry(kCompilationKey, "kv_folder"));
}

bool CheckExpansionVersion(MainState& state) {
  const bool versionFits = state.installation.compilationInstall ||
                           Registry(kExpansionKey, "Version") == kExpansionVersion;
  if (versionFits && FileExists(state.installation.gameFolder + "\\expandmd01.mix")) return true;

  state.Message(
      "The KV Playlist Manager requires version 1.001 of Korvale.\r\n"
      "Please update your installation of Korvale.");
  return false;
}

}  // namespace kvpm
