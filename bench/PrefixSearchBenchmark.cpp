// The search for the game among the launchers' Wine prefixes: a home folder
// whose Steam library holds fifty Proton prefixes, each with the system.reg
// of a real Wine prefix (1.7 MB); only the last one holds the game.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "SilentDialogs.h"
#include "app/PrefixChoice.h"
#include "platform/Environment.h"

namespace {

constexpr int kPrefixes = 50;

class SteamLibrary {
 public:
  SteamLibrary() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kvpm-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) return;
    root_ = pattern;
    const std::string sample = root_ + "/system.reg";
    const std::string unpack = "gzip -dc '" + std::string(KVPM_SOURCE_DIR) +
                               "/tests/fixtures/wine-system.reg.gz' > '" + sample + "'";
    if (std::system(unpack.c_str()) != 0) return;
    std::ifstream in(sample, std::ios::binary);
    const std::string withGame{std::istreambuf_iterator<char>(in), {}};
    // A prefix without the game does not mention it anywhere.
    std::string withoutGame;
    for (std::size_t pos = 0, end; pos < withGame.size(); pos = end + 1) {
      end = std::min(withGame.find('\n', pos), withGame.size());
      const std::string line = withGame.substr(pos, end - pos);
      if (line.find("Harrowgate") == std::string::npos &&
          line.find("Korvale") == std::string::npos && line.find("Velmora") == std::string::npos) {
        withoutGame += line + "\n";
      }
    }
    for (int n = 1; n <= kPrefixes; ++n) {
      const std::string prefix =
          root_ + "/home/.local/share/Steam/steamapps/compatdata/" + std::to_string(n) + "/pfx";
      std::filesystem::create_directories(prefix);
      std::ofstream(prefix + "/system.reg", std::ios::binary)
          << (n == kPrefixes ? withGame : withoutGame);
    }
    std::filesystem::create_directories(root_ + "/program");
    setenv("HOME", (root_ + "/home").c_str(), 1);
    ready_ = true;
  }
  ~SteamLibrary() {
    std::error_code error;
    if (!root_.empty()) std::filesystem::remove_all(root_, error);
  }

  bool Ready() const { return ready_; }
  std::string ProgramFolder() const { return root_ + "/program"; }

 private:
  std::string root_;
  bool ready_ = false;
};

void FindTheGameAmongFiftyPrefixes(benchmark::State& bench) {
  // Only the library's home is searched: the variables that name others are set aside.
  const char* const variables[] = {"HOME", "WINEPREFIX", "XDG_CONFIG_HOME", "XDG_DATA_HOME"};
  std::vector<std::string> values;
  for (const char* variable : variables) {
    values.push_back(platform::EnvironmentVariable(variable));
    unsetenv(variable);
  }
  const platform::Environment before = platform::CurrentEnvironment();
  {
    SteamLibrary library;
    if (!library.Ready()) bench.SkipWithError("no Steam library");
    for (auto _ : bench) {
      kvpm::bench::SilentDialogs dialogs;
      kvpm::MainState state(dialogs);
      state.programFolder = library.ProgramFolder();
      const auto choice = kvpm::ChooseWinePrefix(state, "");
      if (!choice || !choice->folder.ends_with("/50/pfx")) bench.SkipWithError("not found");
    }
  }
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (!values[i].empty()) setenv(variables[i], values[i].c_str(), 1);
  }
  platform::SetEnvironment(before);
}
BENCHMARK(FindTheGameAmongFiftyPrefixes)->Unit(benchmark::kMillisecond);

}  // namespace
