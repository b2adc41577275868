#include "playlistfiles/PlaylistReader.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string_view>

#include "catalogue/SoundtrackNumbers.h"
#include "platform/Files.h"
#include "playlist/NewPlaylist.h"
#include "playlist/Slots.h"
#include "playlist/SoundtrackSelection.h"
#include "playlist/TrackList.h"
#include "util/IniFile.h"
#include "util/TovrikStandardFunctions.h"

namespace kvpm {

namespace tsf = TovrikStandardFunctions;

namespace {

const std::string kLineBreak = "\r\n";

// The running numbers of the [Themes] list start after its five fixed entries.
constexpr int kFixedThemeEntries = 5;

struct SlotSection {
  SlotId slot;
  const char* section;
};
constexpr SlotSection kSlotSections[] = {
    {Intro, "KVPMINTR"}, {Loading, "KVPMLOAD"}, {Score, "KVPMSCOR"}};

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// A value exactly as ReadIniValue gives it with the empty default.
std::string Value(const tsf::IniDocument& document, std::string_view section,
                  std::string_view key) {
  return tsf::CutIniComment(document.RawValue(section, key));
}

// A slot value taken as a number: plain decimal digits only ("7", "07").
// A sign, a point, a hexadecimal prefix, a blank inside or a number too
// large for an int make it no number. Blanks around the value are the INI
// format's and were removed by the lookup.
std::optional<int> WholeNumber(const std::string& text) {
  if (text.empty() ||
      !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return std::nullopt;
  }
  int number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return number;
}

// Every track is selected or deselected by its running number in the file
// order, and gets the playlist name its own section keeps.
void ReadTracks(MainState& state, const tsf::IniDocument& document, PerSoundtrack<bool>& missing) {
  const Catalogue& catalogue = state.catalogue;
  int number = kFixedThemeEntries;
  for (int position = 1; position <= kSoundtrackCount; ++position) {
    const int s = catalogue.soundtrackOrder[position];
    for (int t = 1; t <= catalogue.trackCounts[s]; ++t) {
      const bool listed = !Value(document, "Themes", std::to_string(++number)).empty();
      if (listed && state.installation.available[s]) {
        SelectTrack(state, s, t);
      } else {
        if (listed) missing[s] = true;
        DeselectTrack(state, s, t);
      }
      state.playlist.kvlNames[s][t] = Value(document, catalogue.trackSections[s][t], "KVLName");
    }
  }
}

void ReadSwitches(MainState& state, const tsf::IniDocument& document) {
  const auto on = [&document](const char* key, bool defaultValue) {
    return tsf::ParseYesNo(Value(document, "KVPMOPTS", key), defaultValue) ? Ticked : Unticked;
  };
  state.playlist.music = on("Music", true);
  state.playlist.shuffle = on("Shuffle", false);
}

// A Custom slot of a soundtrack that is not available is left out like its
// tracks; options 0 to 2 do not play the custom track and are taken as read.
void ReadSlot(MainState& state, const tsf::IniDocument& document, const SlotSection& slot,
              PerSoundtrack<bool>& missing) {
  const std::optional<int> option = WholeNumber(Value(document, slot.section, "Option"));
  const std::optional<int> s = WholeNumber(Value(document, slot.section, "Soundtrack"));
  const std::optional<int> t = WholeNumber(Value(document, slot.section, "Track"));
  if (!option || *option < kNoTrackOption || *option > kCustomOption || !s || !t ||
      !IsTrack(state.catalogue, *s, *t)) {
    return;  // damaged: the slot keeps its new-playlist value
  }
  if (*option == kCustomOption && !state.installation.available[*s]) {
    missing[*s] = true;
    return;
  }
  SetSlot(state, slot.slot, *s, *t, *option);
}

// One message names every soundtrack that was left out, once, in number order.
void ReportMissing(MainState& state, const std::string& path, const PerSoundtrack<bool>& missing) {
  std::string list;
  for (int s = 1; s <= kSoundtrackCount; ++s) {
    if (missing[s]) list += kLineBreak + state.catalogue.soundtrackTitles[s];
  }
  if (list.empty()) return;
  if (path == state.installation.themeFile) {
    state.Message(
        "Some tracks in the currently active playlist could not be enabled because the "
        "soundtrack files that they belong to have been removed." +
        kLineBreak + "The following soundtrack files are missing:" + kLineBreak + list);
  } else {
    state.Message("Some tracks from the playlist " + Quoted(tsf::ExtractFileName(path)) +
                  " could not be enabled because you do not have the soundtrack files that "
                  "they belong to." +
                  kLineBreak + "Tracks from the following soundtracks have not been enabled:" +
                  kLineBreak + list);
  }
}

// Everything but the list's final jump to soundtrack 9.
bool ReadPlaylistFile(MainState& state, const std::string& path) {
  std::string bytes;
  const platform::ReadStatus status = tsf::PathExists(path, false)
                                          ? platform::ReadWholeFile(path, bytes)
                                          : platform::ReadStatus::Missing;
  // Missing after PathExists said yes: the file went in between, or the
  // path is a wildcard pattern that matched another file.
  if (status == platform::ReadStatus::Missing) {
    state.Message(Quoted(path) + " does not exist!");
    return false;
  }
  if (status == platform::ReadStatus::Unreadable) {
    state.Message(Quoted(path) + " could not be read.");
    return false;
  }
  const tsf::IniDocument document(bytes);
  if (Value(document, "KVPMINTR", "Option").empty()) {
    state.Message(Quoted(path) + " is not a KVPM Playlist File!");
    return false;
  }
  NewPlaylist(state);
  PerSoundtrack<bool> missing{};
  ReadTracks(state, document, missing);
  ReadSwitches(state, document);
  for (const SlotSection& slot : kSlotSections) ReadSlot(state, document, slot, missing);
  ReportMissing(state, path, missing);
  return true;
}

}  // namespace

bool LoadPlaylistFile(MainState& state, const std::string& path) {
  const bool read = ReadPlaylistFile(state, path);
  ShowSoundtrack(state, kKorvaleSoundtrack);
  return read;
}

}  // namespace kvpm
