#include "theme/ThemeWriter.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>

#include "app/AboutTexts.h"
#include "platform/Files.h"
#include "playlist/TrackList.h"

namespace kvpm {
namespace {

constexpr std::string_view kKvpmComment = " ;Fake track that stores information for KVPM";
constexpr std::string_view kSeparator = ";========================";

// A slot's place in the file: its game section with the fixed sounds of
// options 1 and 2, and the section that keeps the slot for this program.
struct SlotLayout {
  std::string_view gameSection;
  std::string_view genericSound;
  std::string_view originalSound;
  std::string_view kvpmSection;
  SlotId slot;
};

constexpr SlotLayout kIntroLayout{"[INTRO] ;Sound was Quarn", "INTRO88", "Quarn", "[KVPMINTR]",
                                  Intro};
constexpr SlotLayout kLoadingLayout{"[LOADING] ;Sound was Tamber", "LOAD88", "Tamber", "[KVPMLOAD]",
                                    Loading};
constexpr SlotLayout kScoreLayout{"[SCORE]", "SCORE88", "ScoreX", "[KVPMSCOR]", Score};

// The game's sections follow its [Themes] entries 1 to 3; ours follow the slot numbers.
constexpr std::array<const SlotLayout*, 3> kGameSectionOrder{&kIntroLayout, &kScoreLayout,
                                                             &kLoadingLayout};
constexpr std::array<const SlotLayout*, 3> kKvpmSectionOrder{&kIntroLayout, &kLoadingLayout,
                                                             &kScoreLayout};

class ThemeText {
 public:
  void Line(std::string_view line = {}) {
    text_ += line;
    text_ += "\r\n";
  }
  void Line(std::string_view key, std::string_view value) {
    text_ += key;
    text_ += '=';
    Line(value);
  }
  void Line(std::string_view key, int value) { Line(key, std::to_string(value)); }
  std::string Take() { return std::move(text_); }

 private:
  std::string text_;
};

void WriteHeader(ThemeText& text) {
  text.Line();
  text.Line("; " + kProgramTitle + " THEMEMD.INI");
  text.Line("; Do not manually edit this file!");
  text.Line("; Do not distribute this file! This file is for individual, personal use only!");
  text.Line();
}

// Every track has its running number, from 6 on in the file order; only the
// tracks in the playlist name their section.
void WriteThemesList(ThemeText& text, const Playlist& playlist, const Catalogue& catalogue) {
  text.Line("[Themes]");
  for (std::string_view entry : {"1=INTRO", "2=SCORE", "3=LOADING", "4=CREDITS", "5=HGOptions"}) {
    text.Line(entry);
  }
  int number = 6;
  for (int position = 1; position <= kSoundtrackCount; ++position) {
    const int s = catalogue.soundtrackOrder[position];
    text.Line();
    for (int t = 1; t <= catalogue.trackCounts[s]; ++t, ++number) {
      text.Line(std::to_string(number),
                playlist.trackSelected[s][t] ? catalogue.trackSections[s][t] : std::string());
    }
  }
}

std::string_view SlotSound(const Slot& slot, const SlotLayout& layout, const Catalogue& catalogue) {
  switch (slot.option) {
    case kGenericModOption:
      return layout.genericSound;
    case kOriginalOption:
      return layout.originalSound;
    case kCustomOption:
      if (IsTrack(catalogue, slot.soundtrack, slot.track)) {
        return catalogue.trackSounds[slot.soundtrack][slot.track];
      }
      return {};
    default:
      return {};
  }
}

void WriteSlotSections(ThemeText& text, const Playlist& playlist, const Catalogue& catalogue) {
  text.Line();
  for (const SlotLayout* layout : kGameSectionOrder) {
    text.Line(layout->gameSection);
    text.Line("Sound", SlotSound(playlist.slot[layout->slot], *layout, catalogue));
    text.Line("Normal=no");
    text.Line("Repeat=no ;yes");
    text.Line();
  }
  text.Line("[CREDITS]");
  text.Line("Sound=OptionX");
  text.Line("Normal=no");
  text.Line("Repeat=yes");
  text.Line();
  for (const SlotLayout* layout : kKvpmSectionOrder) {
    const Slot& slot = playlist.slot[layout->slot];
    text.Line(std::string(layout->kvpmSection).append(kKvpmComment));
    text.Line("Soundtrack", slot.soundtrack);
    text.Line("Track", slot.track);
    text.Line("Option", slot.option);
    text.Line();
  }
}

// Only a switch that is on is "yes"; a greyed one is written as "no".
std::string_view YesIfTicked(int value) { return value == Ticked ? "yes" : "no"; }

void WriteOptionsSection(ThemeText& text, const Playlist& playlist) {
  text.Line(std::string("[KVPMOPTS]").append(kKvpmComment));
  text.Line("Music", YesIfTicked(playlist.music));
  text.Line("Shuffle", YesIfTicked(playlist.shuffle));
}

void WriteTrackSection(ThemeText& text, const Playlist& playlist, const Catalogue& catalogue,
                       bool keepNames, int s, int t) {
  text.Line("[" + catalogue.trackSections[s][t] + "]");
  if (!catalogue.trackKeys[s][t].empty()) text.Line("Name", catalogue.trackKeys[s][t]);
  if (!catalogue.trackSounds[s][t].empty()) text.Line("Sound", catalogue.trackSounds[s][t]);
  text.Line("Normal=yes");
  if (keepNames && !playlist.kvlNames[s][t].empty()) {
    text.Line("KVLName", playlist.kvlNames[s][t]);
  }
  text.Line();
}

void WriteTrackSections(ThemeText& text, const Playlist& playlist, const Catalogue& catalogue,
                        bool keepNames) {
  for (int position = 1; position <= kSoundtrackCount; ++position) {
    const int s = catalogue.soundtrackOrder[position];
    text.Line(kSeparator);
    text.Line();
    for (int t = 1; t <= catalogue.trackCounts[s]; ++t) {
      WriteTrackSection(text, playlist, catalogue, keepNames, s, t);
    }
  }
}

}  // namespace

std::string ThemeFileText(const Playlist& playlist, const Catalogue& catalogue, bool keepNames) {
  ThemeText text;
  WriteHeader(text);
  WriteThemesList(text, playlist, catalogue);
  WriteSlotSections(text, playlist, catalogue);
  WriteOptionsSection(text, playlist);
  WriteTrackSections(text, playlist, catalogue, keepNames);
  text.Line();
  text.Line(";END OF FILE");
  text.Line();
  return text.Take();
}

bool WriteThemeFile(const Playlist& playlist, const Catalogue& catalogue, bool keepNames,
                    const std::string& path) {
  return platform::WriteWholeFile(path, ThemeFileText(playlist, catalogue, keepNames));
}

}  // namespace kvpm
