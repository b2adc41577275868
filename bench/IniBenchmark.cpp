// ReadIniValue parses the whole file for every value, so one lookup costs
// time in proportion to the file's size: a theme file of about 25 KB against
// a hostile 10 MB file. IniDocument answers many lookups from one parse.
// WriteIniValue rewrites the whole file, atomically.

#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <fstream>
#include <string>

#include "util/IniFile.h"
#include "util/TovrikStandardFunctions.h"

namespace {

// An INI file of about `size` bytes made of sections of track-like entries;
// the key looked for sits in the last section.
class IniFileOnDisk {
 public:
  explicit IniFileOnDisk(std::size_t size) {
    char pattern[] = "/tmp/kvpm-bench-XXXXXX";
    int fd = mkstemp(pattern);
    if (fd >= 0) close(fd);
    path_ = pattern;
    std::string bytes;
    for (int section = 0; bytes.size() < size; ++section) {
      bytes += "[Section" + std::to_string(section) + "] ;a track of the playlist\r\n";
      bytes += "Sound=Track" + std::to_string(section) + "\r\nName=Some track name\r\n";
      bytes += "Repeat=no\r\nShuffle=yes ;comment\r\n\r\n";
    }
    bytes += "[Last]\r\nWanted=found ;comment\r\n";
    std::ofstream(path_, std::ios::binary) << bytes;
  }
  ~IniFileOnDisk() { unlink(path_.c_str()); }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

void ReadOneValue(benchmark::State& state) {
  IniFileOnDisk file(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        TovrikStandardFunctions::ReadIniValue("Last", "Wanted", file.Path(), "missing"));
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(ReadOneValue)
    ->Arg(25 << 10)
    ->Arg(1 << 20)
    ->Arg(5 << 20)
    ->Arg(10 << 20)
    ->Arg(20 << 20)
    ->Unit(benchmark::kMicrosecond);

void LookupInParsedDocument(benchmark::State& state) {
  IniFileOnDisk file(static_cast<std::size_t>(state.range(0)));
  const TovrikStandardFunctions::IniDocument document =
      TovrikStandardFunctions::IniDocument::Load(file.Path());
  for (auto _ : state) benchmark::DoNotOptimize(document.RawValue("Last", "Wanted"));
}
BENCHMARK(LookupInParsedDocument)->Arg(25 << 10)->Arg(10 << 20);

// One value changed in a settings file of about 100 KB: the whole file is
// read, edited and written through a temporary file renamed over it.
void WriteOneValue(benchmark::State& state) {
  IniFileOnDisk file(static_cast<std::size_t>(state.range(0)));
  bool on = false;
  for (auto _ : state) {
    on = !on;
    if (!TovrikStandardFunctions::WriteIniValue("Last", "Wanted", on ? "yes" : "no", file.Path())) {
      state.SkipWithError("not written");
    }
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(WriteOneValue)->Arg(100 << 10)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
