// LoadPlaylistFile of a full playlist file (every track selected and named,
// about 25 KB) against hostile files of 10 MB: endless sections and keys
// behind a playlist, which is read, and garbage, which is refused. The
// reader parses a file once, so its time grows with the file's size only.

#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <fstream>
#include <random>
#include <string>

#include "FullPlaylist.h"
#include "SilentDialogs.h"
#include "playlist/NewPlaylist.h"
#include "playlistfiles/PlaylistReader.h"
#include "state/MainState.h"

namespace {

constexpr std::size_t kHostileSize = 10 << 20;

// A main window with every soundtrack available and listed.
class ReaderState {
 public:
  ReaderState() {
    kvpm::BuildSoundtrackTable(state.catalogue);
    state.installation.listed.fill(true);
    kvpm::NewPlaylist(state);
  }

  std::string FullPlaylistText() { return kvpm::bench::FullPlaylistText(state); }

  kvpm::bench::SilentDialogs dialogs;
  kvpm::MainState state{dialogs};
};

class FileOnDisk {
 public:
  explicit FileOnDisk(const std::string& bytes) {
    char pattern[] = "/tmp/kvpm-bench-XXXXXX";
    int fd = mkstemp(pattern);
    if (fd >= 0) close(fd);
    path_ = pattern;
    std::ofstream(path_, std::ios::binary) << bytes;
  }
  ~FileOnDisk() { unlink(path_.c_str()); }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

void Load(benchmark::State& bench, ReaderState& reader, const std::string& bytes, bool readable) {
  FileOnDisk file(bytes);
  for (auto _ : bench) {
    if (kvpm::LoadPlaylistFile(reader.state, file.Path()) != readable) {
      bench.SkipWithError("read differently");
    }
  }
  bench.SetBytesProcessed(bench.iterations() * static_cast<std::int64_t>(bytes.size()));
}

void LoadFullPlaylistFile(benchmark::State& bench) {
  ReaderState reader;
  const std::string text = reader.FullPlaylistText();
  Load(bench, reader, text, true);
}
BENCHMARK(LoadFullPlaylistFile)->Unit(benchmark::kMicrosecond);

void LoadPlaylistWithEndlessSections(benchmark::State& bench) {
  ReaderState reader;
  std::string bytes = reader.FullPlaylistText();
  for (int n = 0; bytes.size() < kHostileSize; ++n) {
    const std::string number = std::to_string(n);
    bytes += "[Noise" + number + "]\r\nKVLName=" + number + "\r\n[Themes]\r\nk" + number + "=v\r\n";
  }
  Load(bench, reader, bytes, true);
}
BENCHMARK(LoadPlaylistWithEndlessSections)->Unit(benchmark::kMillisecond);

void RefuseGarbage(benchmark::State& bench) {
  ReaderState reader;
  std::mt19937 random(7);
  const std::string alphabet = "[]=;\r\n KVPMINTRoption0123456789\t";
  std::string bytes(kHostileSize, ' ');
  for (char& c : bytes) c = alphabet[random() % alphabet.size()];
  Load(bench, reader, bytes, false);
}
BENCHMARK(RefuseGarbage)->Unit(benchmark::kMillisecond);

}  // namespace
