// The theme file of a playlist with every track selected: building its text,
// writing it through a temporary file, and a whole activation with the
// game's settings file, all into a game folder in a temporary Wine prefix.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "SilentDialogs.h"
#include "platform/Environment.h"
#include "playlist/SoundtrackSelection.h"
#include "state/MainState.h"
#include "theme/Activation.h"
#include "theme/ThemeWriter.h"
#include "util/TovrikStandardFunctions.h"

namespace {

// A game folder, C:\Korvale in a Wine prefix of its own in the temporary
// folder, with an HGMD.INI, and the state of a playlist that holds every
// track. The game's paths are Windows paths, as the registry gives them.
class FullPlaylistInGameFolder {
 public:
  FullPlaylistInGameFolder() : previous_(platform::CurrentEnvironment()) {
    std::string pattern = (std::filesystem::temp_directory_path() / "kvpm-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) prefix_ = pattern;
    std::filesystem::create_directories(prefix_ / "drive_c" / "Korvale");
    std::filesystem::create_directories(prefix_ / "dosdevices");
    std::filesystem::create_directory_symlink("../drive_c", prefix_ / "dosdevices" / "c:");
    platform::SetEnvironment({prefix_.string()});
    std::ofstream(prefix_ / "drive_c" / "Korvale" / "HGMD.INI", std::ios::binary)
        << "[Video]\r\nWidth=800\r\n\r\n[Audio]\r\nIsScoreRepeat=yes\r\nIsScoreShuffle=no\r\n"
           "InGameMusic=no\r\nScoreVolume=0.5\r\n";
    kvpm::BuildSoundtrackTable(state.catalogue);
    state.installation.gameFolder = "C:\\Korvale";
    state.installation.themeFile =
        TovrikStandardFunctions::JoinPath(state.installation.gameFolder, "thememd.ini", "");
    for (int s = 1; s <= kvpm::kSoundtrackCount; ++s) kvpm::SetSoundtrackSelection(state, s, true);
  }
  ~FullPlaylistInGameFolder() {
    platform::SetEnvironment(previous_);
    std::error_code error;
    std::filesystem::remove_all(prefix_, error);
  }

  kvpm::bench::SilentDialogs dialogs;
  kvpm::MainState state{dialogs};

 private:
  platform::Environment previous_;
  std::filesystem::path prefix_;
};

void ThemeFileTextOfFullPlaylist(benchmark::State& bench) {
  FullPlaylistInGameFolder game;
  std::size_t size = 0;
  for (auto _ : bench) {
    const kvpm::MainState& state = game.state;
    std::string text =
        kvpm::ThemeFileText(state.playlist, state.catalogue, state.settings.saveKvlNames);
    size = text.size();
    benchmark::DoNotOptimize(text);
  }
  bench.SetBytesProcessed(bench.iterations() * static_cast<std::int64_t>(size));
}
BENCHMARK(ThemeFileTextOfFullPlaylist)->Unit(benchmark::kMicrosecond);

void WriteThemeFileOfFullPlaylist(benchmark::State& bench) {
  FullPlaylistInGameFolder game;
  for (auto _ : bench) {
    const kvpm::MainState& state = game.state;
    if (!kvpm::WriteThemeFile(state.playlist, state.catalogue, state.settings.saveKvlNames,
                              state.installation.themeFile)) {
      bench.SkipWithError("not written");
    }
  }
}
BENCHMARK(WriteThemeFileOfFullPlaylist)->Unit(benchmark::kMicrosecond);

void ActivateFullPlaylist(benchmark::State& bench) {
  FullPlaylistInGameFolder game;
  for (auto _ : bench) {
    if (kvpm::ActivatePlaylist(game.state) != kvpm::Activation::Done) {
      bench.SkipWithError("not activated with the game's audio settings");
    }
  }
}
BENCHMARK(ActivateFullPlaylist)->Unit(benchmark::kMicrosecond);

}  // namespace
