#include "app/PrefixChoice.h"

#include "app/GameDetection.h"
#include "platform/Environment.h"
#include "platform/WinePrefixes.h"
#include "settings/Settings.h"
#include "util/TovrikStandardFunctions.h"

namespace kvpm {

namespace tsf = TovrikStandardFunctions;

namespace {

void Use(const std::string& prefix) {
  platform::SetEnvironment({prefix, platform::CurrentEnvironment().mountTable});
}

// The game folder that the prefix's registry names; nothing when it does
// not hold the game. The prefix in force stays as it was.
std::optional<std::string> GameIn(const std::string& prefix) {
  const platform::Environment before = platform::CurrentEnvironment();
  Use(prefix);
  std::optional<std::string> gameFolder = RegisteredGameFolder();
  platform::SetEnvironment(before);
  return gameFolder;
}

}  // namespace

std::vector<FoundPrefix> SearchLauncherPrefixes() {
  std::vector<FoundPrefix> found;
  for (const platform::WinePrefix& prefix :
       platform::LauncherPrefixes(platform::CurrentUserFolders())) {
    const std::optional<std::string> gameFolder = GameIn(prefix.folder);
    found.push_back(
        {{prefix.launcher, prefix.folder, gameFolder.value_or("")}, gameFolder.has_value()});
  }
  return found;
}

std::optional<PrefixChoice> ChooseWinePrefix(MainState& state, const std::string& givenPrefix) {
  if (!platform::kWinePrefixes) return PrefixChoice{};
  PrefixChoice choice;
  choice.folder = givenPrefix.empty() ? platform::EnvironmentVariable("WINEPREFIX") : givenPrefix;
  if (choice.folder.empty()) {
    const std::string remembered =
        tsf::ReadIniValue("Wine", "Prefix", SettingsFilePath(state.programFolder), "");
    if (!remembered.empty() && GameIn(remembered)) choice.folder = remembered;
  }
  if (choice.folder.empty()) {
    std::vector<PrefixOffer> offers;
    for (const FoundPrefix& found : SearchLauncherPrefixes()) {
      if (found.holdsGame) offers.push_back(found.offer);
    }
    if (offers.size() == 1) choice.folder = offers.front().folder;
    if (offers.size() > 1) {
      const std::optional<PrefixAnswer> answer = state.dialogs.ChoosePrefix(offers);
      if (!answer) return std::nullopt;
      choice = {offers[answer->index].folder, answer->remember};
    }
  }
  if (!choice.folder.empty()) Use(choice.folder);
  return choice;
}

void RememberPrefix(const MainState& state, const PrefixChoice& choice) {
  if (choice.remember) tsf::WriteIniValue("Wine", "Prefix", choice.folder, state.settings.file);
}

}  // namespace kvpm
