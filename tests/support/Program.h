#pragma once
// The program's state over a fake installation: the game with the archives of every
// soundtrack but Quillan (2), and a program folder whose kvpm.ini only turns the About window
// off. Tests change the installation, then Start.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "app/Startup.h"
#include "support/FakeDialogs.h"
#include "support/FakePrefix.h"
#include "theme/ThemeWriter.h"

namespace kvpm::test {

using Changes = std::vector<std::pair<std::string, std::string>>;

// The golden file of a new playlist with each text replaced once (a text it lacks throws).
inline std::string Golden(const Changes& changes = {}) {
  std::string text = ReadBytes(KVPM_FIXTURES_DIR "/theme/new-playlist.ini");
  for (const auto& [from, to] : changes) text.replace(text.find(from), from.size(), to);
  return text;
}

inline const char* const kArchives[] = {
    "ecachethemeVM.mix",  "ecachethemeBR.mix", "ecachethemeSL.mix",  "ecachethemeTV.mix",
    "ecachethemeOM.mix",  "ecachethemePW.mix", "ecachethemeHG.mix",  "thememd.mix",
    "ecachethemeZEP.mix", "ecachethemeHGX.mix", "ecachethemeNW.mix", "ecachethemeUSER.mix"};

class Program : public ::testing::Test {
 protected:
  Program() : programFolder(prefix.Root() + "/program") {
    prefix.InstallGame();
    for (const char* archive : kArchives) prefix.CreateFile(Game(archive));
    WriteBytes(programFolder + "/kvpm.ini", "[General]\r\nShowDisclaimer=no\r\n");
  }

  StartupOutcome Start() { return InitialiseMainWindow(state, programFolder); }

  // The Windows path of a file in the game folder, and its bytes.
  static std::string Game(const std::string& name) { return kGameFolder + name; }
  std::string GameBytes(const std::string& name) const {
    return ReadBytes(prefix.Native(Game(name)));
  }

  // What the theme writer makes of the playlist as the program holds it.
  std::string ThemeText() const {
    return ThemeFileText(state.playlist, state.catalogue, state.settings.saveKvlNames);
  }

  FakePrefix prefix;
  FakeDialogs dialogs;
  MainState state{dialogs};
  std::string programFolder;
};

}  // namespace kvpm::test
