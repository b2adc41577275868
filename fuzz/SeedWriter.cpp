// Writes the seed corpora of the fuzz targets from files the program itself
// writes (theme and playlist files, the default kvpm.ini) and from samples
// of the game's HGMD.INI and of a Wine system.reg.
//
//   fuzz-seed-writer <corpus folder> <unpacked wine-system.reg>
//
// Each seed is packed as FuzzProperties.h describes.

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "catalogue/SoundtrackNumbers.h"
#include "playlist/Playlist.h"
#include "playlist/Slots.h"
#include "playlist/SoundtrackSelection.h"
#include "settings/Settings.h"
#include "state/MainState.h"
#include "support/FakeDialogs.h"
#include "support/TempFolder.h"
#include "theme/ThemeWriter.h"

namespace {

using kvpm::testing::ReadBytes;
using Seeds = std::vector<std::pair<std::string, std::string>>;  // file name, bytes

const std::string kGameSettings =
    "[Video]\r\nScreenWidth=1024\r\nScreenHeight=768\r\n\r\n[Audio]\r\nSoundVolume=0.700000\r\n"
    "VoiceVolume=0.700000\r\nScoreVolume=0.000000\r\nIsScoreRepeat=yes\r\nIsScoreShuffle=no\r\n"
    "InGameMusic=no\r\n\r\n[Options]\r\nGameSpeed=3 ;fast\r\n";

std::string Packed(const std::vector<std::string>& fields) {
  std::string packed;
  for (std::size_t i = 0; i < fields.size(); ++i) packed += (i ? std::string(1, '\0') : "") + fields[i];
  return packed;
}

std::string OptionBytes(unsigned bits) {
  return {static_cast<char>(bits & 0xFF), static_cast<char>(bits >> 8)};
}

// Theme files of a few playlists, as WriteThemeFile writes them.
struct ThemeFiles {
  std::string newPlaylist, full, custom;
};

ThemeFiles MakeThemeFiles() {
  kvpm::testing::FakeDialogs dialogs;
  kvpm::MainState state(dialogs);
  kvpm::BuildSoundtrackTable(state.catalogue);
  for (int s = 1; s <= kvpm::kSoundtrackCount; ++s) {
    state.controls.comboSoundtrack.items.push_back({state.catalogue.soundtrackTitles[s], s});
  }
  kvpm::NewPlaylist(state);
  ThemeFiles files;
  files.newPlaylist = kvpm::ThemeFileText(state);
  kvpm::SetSlot(state, kvpm::Intro, 13, 7, 3);
  kvpm::SetSlot(state, kvpm::Score, 12, 4, 0);
  state.controls.cboxShuffle.value = kvpm::Ticked;
  state.controls.cboxMusic.value = kvpm::Unticked;
  files.custom = kvpm::ThemeFileText(state);
  state.saveKvlNames = true;
  for (int s = 1; s <= kvpm::kSoundtrackCount; ++s) {
    kvpm::SetSoundtrackSelection(state, s, true);
    for (int t = 1; t <= state.catalogue.trackCounts[s]; ++t) {
      state.kvlNames[s][t] = "Mod name " + std::to_string(t) + " \xE9t\xE9";
    }
  }
  files.full = kvpm::ThemeFileText(state);
  return files;
}

std::string DefaultSettings() {
  kvpm::testing::FakeDialogs dialogs;
  kvpm::MainState state(dialogs);
  kvpm::testing::TempFolder folder;
  state.settingsFile = folder.Native("kvpm.ini");
  kvpm::WriteDefaultSettings(state);
  return ReadBytes(state.settingsFile);
}

std::string WithLf(std::string text) {
  std::erase(text, '\r');
  return text;
}

// Blocks of the registry sample that start with a key line holding `needle`.
std::string RegistryBlocks(const std::string& reg, const std::string& needle, int most) {
  std::string blocks = reg.substr(0, reg.find("\n\n") + 2);  // the file's header
  for (std::size_t pos = reg.find("\n["); pos != std::string::npos && most > 0;
       pos = reg.find("\n[", pos + 1)) {
    const std::size_t lineEnd = reg.find('\n', pos + 1);
    if (reg.substr(pos, lineEnd - pos).find(needle) == std::string::npos) continue;
    const std::size_t end = reg.find("\n[", pos + 1);
    blocks += reg.substr(pos + 1, end == std::string::npos ? std::string::npos : end - pos);
    --most;
  }
  return blocks;
}

Seeds AllSeeds(const std::string& reg) {
  const ThemeFiles theme = MakeThemeFiles();
  const std::string settings = DefaultSettings();
  const std::string settingsWithRecent =
      settings + "0=C:\\Playlists\\mine.kvl\r\n1=\r\n2=/home/player/rock pop.kvl\r\n";
  return {
      {"ini-lookup/settings", Packed({"General", "MaxRecentFiles", settings})},
      {"ini-lookup/recent", Packed({"recentfiles", "2", settingsWithRecent})},
      {"ini-lookup/game-settings", Packed({"Audio", "ScoreVolume", kGameSettings})},
      {"ini-lookup/game-settings-lf", Packed({" audio ", "InGameMusic", WithLf(kGameSettings)})},
      {"ini-lookup/theme", Packed({"KVPMINTR", "Option", theme.custom})},
      {"ini-lookup/bom", Packed({"Themes", "39", "\xEF\xBB\xBF[Themes]\r\n39=TRACK01 ;x\r\n"})},
      {"ini-write/game-settings", Packed({"Audio", "InGameMusic", "yes", kGameSettings})},
      {"ini-write/game-settings-lf", Packed({"Audio", "IsScoreRepeat", "no", WithLf(kGameSettings)})},
      {"ini-write/new-section", Packed({"Audio", "IsScoreShuffle", "yes", "[Video]\r\nWidth=800"})},
      {"ini-write/disclaimer", Packed({"General", "ShowDisclaimer", "no", settings})},
      {"ini-write/recent", Packed({"RecentFiles", "0", "C:\\Playlists\\new.kvl", settingsWithRecent})},
      {"ini-write/no-file", Packed({"General", "ShowDisclaimer", "no"})},
      {"registry/game", Packed({"HKLM\\SOFTWARE\\Tallowmere\\Korvale\\Version",
                                RegistryBlocks(reg, "Tallowmere", 4)})},
      {"registry/drives", Packed({"HKLM\\Software\\Wine\\Drives\\d:",
                                  RegistryBlocks(reg, "Wine\\\\Drives", 1)})},
      {"registry/strings", Packed({"HKLM\\Software\\Microsoft\\Windows NT\\CurrentVersion\\"
                                   "ProductName",
                                   RegistryBlocks(reg, "Windows NT\\\\CurrentVersion]", 1)})},
      {"registry/fonts", Packed({"HKLM\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Fonts\\"
                                 "Arial (TrueType)",
                                 RegistryBlocks(reg, "Fonts]", 2)})},
      {"paths/game-files", Packed({"C:\\Games\\Korvale\\HGMD.INI", "c:\\games\\korvale\\user*.wav"})},
      {"paths/dots", Packed({"C:\\Link\\..\\Games\\.\\Korvale\\\\thememd.ini\\", "C:\\Loop\\x"})},
      {"paths/hidden", Packed({"C:\\Games\\Korvale\\.hidden.kvl", "C:\\Games\\Korvale\\ecache*"})},
      {"paths/native", Packed({"/tmp/../tmp/x\\y.kvl", "C:\\Playlists\\rock;pop.kvl"})},
      {"paths/mixed", Packed({"C:\\Games\\korvale\\mixed case/READ ME.txt", "a*b?c*"})},
      {"playlist-file/new", OptionBytes(0x3FFF) + theme.newPlaylist},
      {"playlist-file/full-some-missing", OptionBytes(0x0F0F) + theme.full},
      {"playlist-file/custom-active", OptionBytes(0x83FF) + theme.custom},
      {"playlist-file/custom-missing", OptionBytes(0x4000) + theme.custom},
      {"playlist-file/not-a-playlist", OptionBytes(0x3FFF) + kGameSettings},
  };
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 3) {
    std::cerr << "usage: fuzz-seed-writer <corpus folder> <unpacked wine-system.reg>\n";
    return 2;
  }
  const std::filesystem::path corpus = argv[1];
  const std::string reg = ReadBytes(argv[2]);
  if (reg.empty()) {
    std::cerr << "fuzz-seed-writer: cannot read " << argv[2] << "\n";
    return 1;
  }
  for (const auto& [name, bytes] : AllSeeds(reg)) {
    std::filesystem::create_directories((corpus / name).parent_path());
    std::ofstream(corpus / name, std::ios::binary) << bytes;
  }
  return 0;
}
