#include "fuzz/Properties.h"

#include <algorithm>
#include <filesystem>
#include <vector>

#include "lean/Program.h"
#include "platform/AsciiText.h"
#include "playlistfiles/PlaylistReader.h"
#include "theme/ThemeWriter.h"
#include "util/IniFile.h"
#include "util/TovrikStandardFunctions.h"

namespace kvpm::fuzz {
namespace {

namespace fs = std::filesystem;
namespace tsf = TovrikStandardFunctions;

// A write refuses what would break the file and then changes nothing;
// otherwise it takes away no line break (it changes the key's line at most)
// and the value reads back.
std::string IniWrite(test::FakePrefix& prefix, std::string_view input) {
  std::vector<std::string> f;  // section, key, value, file
  for (std::size_t nul; f.size() < 3 && (nul = input.find('\0')) != input.npos;
       input.remove_prefix(nul + 1)) {
    f.emplace_back(input.substr(0, nul));
  }
  const bool whole = f.size() == 3;  // else there is no file
  f.emplace_back(input);
  f.resize(4);
  const std::string &section = f[0], &key = f[1], &value = f[2], &before = f[3];
  const std::string ini = "C:\\Ini\\settings.ini", file = prefix.Native(ini);
  prefix.CreateFolder("C:\\Ini");
  fs::remove(file);
  if (whole) test::WriteBytes(file, before);
  const bool written = tsf::WriteIniValue(section, key, value, ini);
  const std::string after = test::ReadBytes(file);
  if (written != tsf::IniEntryAllowed(section, key, value)) return "wrongly refused or written";
  if (!written) return fs::exists(file) == whole && after == before ? "" : "changed though refused";
  std::size_t head = 0, tail = 0;
  while (head < before.size() && head < after.size() && before[head] == after[head]) ++head;
  while (head + tail < before.size() && head + tail < after.size() &&
         before[before.size() - 1 - tail] == after[after.size() - 1 - tail]) {
    ++tail;
  }
  if (before.find('\n', head) < before.size() - tail) return "more than the key's line changed";
  const std::string readable(platform::TrimBlanks(value));
  const bool plain = !readable.empty() && readable.size() <= tsf::maxIniValueLength &&
                     readable.find(';') == std::string::npos;
  return !plain || tsf::ReadIniValue(section, key, ini, "") == readable ? "" : "not read back";
}

// A file is refused with its message and changes nothing, or it is read,
// and the playlist read saves and reads back the same, silently.
std::string PlaylistFile(test::FakePrefix& prefix, std::string_view input) {
  const unsigned options = input.size() < 2 ? 0xFFFF : (input[0] & 0xFF) | (input[1] & 0xFF) << 8;
  input.remove_prefix(std::min<std::size_t>(input.size(), 2));
  if (!fs::exists(prefix.Root() + "/program/kvpm.ini")) {
    prefix.InstallGame();
    test::WriteBytes(prefix.Root() + "/program/kvpm.ini", "[General]\r\nShowDisclaimer=no\r\n");
  }
  for (unsigned i = 0; i < std::size(test::kArchives); ++i) {
    const std::string archive = prefix.Native(test::kGameFolder + test::kArchives[i]);
    options >> i & 1 ? test::WriteBytes(archive, "") : (void)fs::remove(archive);
  }
  fs::remove(prefix.Native(test::kGameFolder + "thememd.ini"));
  test::FakeDialogs dialogs;
  MainState state{dialogs};
  InitialiseMainWindow(state, prefix.Root() + "/program");
  const std::string path = options & 0x8000 ? state.themeFile : "C:\\Playlists\\fuzz.kvl";
  const std::string before = ThemeFileText(state);
  prefix.CreateFile(path, std::string(input));
  dialogs.texts.clear();
  if (!LoadPlaylistFile(state, path)) {
    const std::vector<std::string> refusal{"\"" + path + "\" is not a KVPM Playlist File!"};
    return ThemeFileText(state) == before && dialogs.texts == refusal ? "" : "badly refused";
  }
  state.saveKvlNames = true;
  const std::string read = ThemeFileText(state);
  prefix.CreateFile("C:\\Playlists\\again.kvl", read);
  dialogs.texts.clear();
  const bool again = LoadPlaylistFile(state, "C:\\Playlists\\again.kvl");
  return again && ThemeFileText(state) == read && dialogs.texts.empty() ? "" : "not read back";
}

}  // namespace

std::string CheckProperty(const std::string& target, std::string_view input,
                          test::FakePrefix& prefix) {
  if (target == "ini-write") return IniWrite(prefix, input);
  if (target == "playlist-file") return PlaylistFile(prefix, input);
  return "no property " + target;
}

}  // namespace kvpm::fuzz
