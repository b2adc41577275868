#include "fuzz/Properties.h"

#include <filesystem>
#include <vector>

#include "lean/Program.h"
#include "platform/AsciiText.h"
#include "platform/Paths.h"
#include "platform/Registry.h"
#include "playlistfiles/PlaylistReader.h"
#include "theme/ThemeWriter.h"
#include "util/IniFile.h"
#include "util/TovrikStandardFunctions.h"

namespace kvpm::fuzz {

namespace {

namespace fs = std::filesystem;
namespace tsf = TovrikStandardFunctions;
using test::FakePrefix;

// The input's first count-1 NUL-separated texts and the rest; missing ones
// are empty, and `whole` tells whether all were there.
std::vector<std::string> Fields(std::string_view input, std::size_t count, bool* whole = nullptr) {
  std::vector<std::string> fields;
  for (; fields.size() + 1 < count && input.find('\0') != std::string_view::npos;
       input.remove_prefix(input.find('\0') + 1)) {
    fields.emplace_back(input.substr(0, input.find('\0')));
  }
  if (whole != nullptr) *whole = fields.size() + 1 == count;
  fields.emplace_back(input);
  fields.resize(count);
  return fields;
}

void Remove(FakePrefix& prefix, const std::string& windowsPath) {
  std::error_code error;
  fs::remove(prefix.Native(windowsPath), error);
}

// A write refuses what would break the file, changes at most one line of it
// (what it takes away holds no line break), and the value reads back.
std::string IniWrite(FakePrefix& prefix, std::string_view input) {
  bool whole = false;
  const std::vector<std::string> f = Fields(input, 4, &whole);
  const std::string &section = f[0], &key = f[1], &value = f[2], before = whole ? f[3] : "";
  const std::string file = "C:\\Ini\\settings.ini";
  prefix.CreateFolder("C:\\Ini");
  Remove(prefix, file);
  if (whole) prefix.CreateFile(file, before);
  const bool written = tsf::WriteIniValue(section, key, value, file);
  const std::string after = test::ReadBytes(prefix.Native(file));
  if (written != tsf::IniEntryAllowed(section, key, value)) return "allowed is not written";
  if (!written) {
    const bool kept = fs::exists(prefix.Native(file)) == whole && after == before;
    return kept ? "" : "a refused write changed the file";
  }
  std::size_t head = 0, tail = 0;
  while (head < before.size() && head < after.size() && before[head] == after[head]) ++head;
  while (tail + head < before.size() && tail + head < after.size() &&
         before[before.size() - 1 - tail] == after[after.size() - 1 - tail]) {
    ++tail;
  }
  if (before.substr(head, before.size() - head - tail).find('\n') != std::string::npos) {
    return "more than the key's line changed";
  }
  const std::string readable(platform::TrimBlanks(value));
  const bool plain = !readable.empty() && readable.size() <= tsf::maxIniValueLength &&
                     readable.find(';') == std::string::npos;
  return !plain || tsf::ReadIniValue(section, key, file, "") == readable ? "" : "no read back";
}

#ifndef _WIN32
// Whatever system.reg holds, a text set after it reads back whole.
std::string Registry(FakePrefix& prefix, std::string_view input) {
  const std::vector<std::string> f = Fields(input, 2);
  prefix.SetSystemReg(f[1]);
  platform::ReadRegistryText(f[0]);
  platform::ReadRegistryText("HKLM\\SOFTWARE\\Tallowmere\\Korvale\\Version");
  if (f[0].find('\n') != std::string::npos ||
      platform::LowerAscii(f[1]).find("kvpm fuzz") != std::string::npos) {
    return "";
  }
  prefix.SetValue("Software\\Wow6432Node\\Kvpm Fuzz", "Text", f[0]);
  return platform::ReadRegistryText("HKLM\\Software\\Kvpm Fuzz\\Text") == f[0] ? "" : "no read back";
}

// A path text stays on its drive, and the search, the short form and the
// path helpers keep their promises.
std::string Paths(FakePrefix& prefix, std::string_view input) {
  prefix.CreateFile("C:\\Games\\Korvale\\HGMD.INI");
  prefix.CreateFile("C:\\Games\\Korvale\\.hidden.kvl");
  prefix.CreateFolder("C:\\Games\\Korvale\\folder.mix");
  for (const std::string& text : Fields(input, 2)) {
    const std::string native = platform::ResolvePath(text);
    const bool onC = text.size() >= 2 && text[1] == ':' && platform::LowerAscii(text[0]) == 'c';
    if (onC && !native.starts_with(prefix.Root() + "/dosdevices/c:")) return "left drive C:";
    if (native.find("//") != std::string::npos) return "an empty component";
    if (text.starts_with('\\') && !native.empty()) return "resolved without a drive";
    if (platform::AnyMatch(text, false) && !platform::AnyMatch(text, true)) return "file only";
    const std::string shortPath = tsf::GetShortPath(text);
    if (!shortPath.empty() && tsf::GetShortPath(shortPath) != shortPath) return "short form moves";
    if (!platform::WildcardMatch(text, text) || !platform::WildcardMatch(text, "*")) {
      return "a name misses itself";
    }
    std::string name, folder;
    tsf::SplitPath(text, name, folder);
    const std::string rest = text.substr(0, text.size() - (text.ends_with('\\') || text.ends_with('/')));
    const std::size_t cut = folder.size();
    const bool rejoins = rest == name || (rest.size() == cut + 1 + name.size() &&
                                          rest.starts_with(folder) && rest.ends_with(name) &&
                                          (rest[cut] == '\\' || rest[cut] == '/'));
    if (!rejoins || name.find('\\') != std::string::npos) return "SplitPath does not rejoin";
  }
  return "";
}
#endif

// A file is refused with its message and changes nothing, or it is read,
// keeping every soundtrack box in step with its tracks; the playlist read
// saves and reads back the same, silently.
std::string PlaylistFile(FakePrefix& prefix, std::string_view input) {
  const unsigned options = input.size() < 2 ? 0xFFFFu
                                            : static_cast<unsigned char>(input[0]) |
                                                  static_cast<unsigned char>(input[1]) << 8;
  prefix.InstallGame();
  for (unsigned i = 0; i < std::size(test::kArchives); ++i) {
    const std::string archive = test::kGameFolder + test::kArchives[i];
    if (options >> i & 1) {
      prefix.CreateFile(archive);
    } else {
      Remove(prefix, archive);
    }
  }
  Remove(prefix, test::kGameFolder + "thememd.ini");
  test::WriteBytes(prefix.Root() + "/program/kvpm.ini", "[General]\r\nShowDisclaimer=no\r\n");
  test::FakeDialogs dialogs;
  MainState state{dialogs};
  InitialiseMainWindow(state, prefix.Root() + "/program");
  const std::string path = options & 0x8000 ? state.themeFile : "C:\\Playlists\\fuzz.kvl";
  prefix.CreateFile(path, std::string(input.substr(std::min<std::size_t>(input.size(), 2))));
  const std::string before = ThemeFileText(state);
  dialogs.texts.clear();
  if (!LoadPlaylistFile(state, path)) {
    if (ThemeFileText(state) != before) return "a refused file changed the playlist";
    const std::string refusal = "\"" + path + "\" is not a KVPM Playlist File!";
    return dialogs.texts == std::vector<std::string>{refusal} ? "" : "no refusal message";
  }
  if (dialogs.texts.size() > 1) return "more than one message";
  for (int s = 1; s <= 14; ++s) {
    int selected = 0;
    for (int t = 1; t <= state.catalogue.trackCounts[s]; ++t) selected += state.trackSelected[s][t];
    const int expected = selected == 0 ? Unticked
                         : selected == state.catalogue.trackCounts[s] ? Ticked : Partial;
    if (state.controls.cboxSoundtrack[s - 1].value != expected) return "a box is out of step";
  }
  state.saveKvlNames = true;
  const std::string read = ThemeFileText(state);
  prefix.CreateFile("C:\\Playlists\\again.kvl", read);
  dialogs.texts.clear();
  const bool again = LoadPlaylistFile(state, "C:\\Playlists\\again.kvl");
  return again && ThemeFileText(state) == read && dialogs.texts.empty() ? "" : "no read back";
}

}  // namespace

std::string CheckProperty(const std::string& target, std::string_view input, FakePrefix& prefix) {
  if (target == "ini-write") return IniWrite(prefix, input);
  if (target == "playlist-file") return PlaylistFile(prefix, input);
#ifndef _WIN32
  if (target == "registry") return Registry(prefix, input);
  if (target == "paths") return Paths(prefix, input);
#endif
  return "no property " + target;
}

}  // namespace kvpm::fuzz
