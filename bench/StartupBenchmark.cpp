// The start-up sequence without the window, InitialiseMainWindow, over the
// demo installation of tools/make-demo-prefix.sh in a temporary folder: the
// tables, game detection through the registry, settings and recent files,
// availability, and reading back the game's active theme file, which holds
// the full playlist (tracks of the soundtracks the demo lacks are told of).

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "FullPlaylist.h"
#include "SilentDialogs.h"
#include "app/Startup.h"
#include "platform/Environment.h"

namespace {

class DemoInstallation {
 public:
  DemoInstallation() : previous_(platform::CurrentEnvironment()) {
    std::string pattern = (std::filesystem::temp_directory_path() / "kvpm-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) return;
    root_ = pattern;
    const std::filesystem::path prefix = root_ / "prefix";
    const std::string script = std::string(KVPM_SOURCE_DIR) + "/tools/make-demo-prefix.sh";
    if (std::system((script + " '" + prefix.string() + "'").c_str()) != 0) return;
    platform::SetEnvironment({prefix.string(), (prefix / "mounts").string()});
    std::filesystem::create_directories(root_ / "program");
    std::ofstream(root_ / "program" / "kvpm.ini", std::ios::binary)
        << "[General]\r\nMaxRecentFiles=4\r\nShowDisclaimer=no\r\n\r\n[RecentFiles]\r\n"
           "0=C:\\Playlists\\mine.kvl\r\n1=C:\\Playlists\\rock.kvl\r\n";
    kvpm::bench::SilentDialogs dialogs;
    kvpm::MainState full(dialogs);
    kvpm::BuildSoundtrackTable(full.catalogue);
    std::ofstream(prefix / "drive_c" / "Games" / "Harrowgate" / "thememd.ini", std::ios::binary)
        << kvpm::bench::FullPlaylistText(full);
    ready_ = true;
  }
  ~DemoInstallation() {
    platform::SetEnvironment(previous_);
    std::error_code error;
    if (!root_.empty()) std::filesystem::remove_all(root_, error);
  }

  bool Ready() const { return ready_; }
  std::string ProgramFolder() const { return (root_ / "program").string(); }

 private:
  platform::Environment previous_;
  std::filesystem::path root_;
  bool ready_ = false;
};

void StartWithoutWindow(benchmark::State& bench) {
  DemoInstallation demo;
  if (!demo.Ready()) bench.SkipWithError("no demo installation");
  for (auto _ : bench) {
    kvpm::bench::SilentDialogs dialogs;
    kvpm::MainState state(dialogs);
    if (kvpm::InitialiseMainWindow(state, demo.ProgramFolder()) != kvpm::StartupOutcome::ShowWindow) {
      bench.SkipWithError("the start-up did not come up with the window");
    }
  }
}
BENCHMARK(StartWithoutWindow)->Unit(benchmark::kMicrosecond);

}  // namespace
