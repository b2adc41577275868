#include "theme/ThemeWriter.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>

#include "platform/Files.h"
#include "playlist/Slots.h"
#include "playlist/TrackList.h"

namespace kvpm {
namespace {

constexpr std::string_view kKvpmComment = " ;Fake track that stores information for KVPM";
constexpr std::string_view kSeparator = ";========================";

// A slot's place in the file: its game section with the fixed sounds of
// options 1 and 2, and the section that keeps its members for this program.
struct SlotLayout {
  std::string_view gameSection;
  std::string_view genericSound;
  std::string_view originalSound;
  std::string_view kvpmSection;
  int MainState::*option;
  int MainState::*soundtrack;
  int MainState::*track;
};

constexpr SlotLayout kIntroLayout{"[INTRO] ;Sound was Quarn", "INTRO88", "Quarn", "[KVPMINTR]",
                                  &MainState::introOption, &MainState::introSoundtrack,
                                  &MainState::introTrack};
constexpr SlotLayout kLoadingLayout{"[LOADING] ;Sound was Tamber", "LOAD88", "Tamber", "[KVPMLOAD]",
                                    &MainState::loadingOption, &MainState::loadingSoundtrack,
                                    &MainState::loadingTrack};
constexpr SlotLayout kScoreLayout{"[SCORE]", "SCORE88", "ScoreX", "[KVPMSCOR]",
                                  &MainState::scoreOption, &MainState::scoreSoundtrack,
                                  &MainState::scoreTrack};

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
void WriteThemesList(ThemeText& text, const MainState& state) {
  const Catalogue& catalogue = state.catalogue;
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
                state.trackSelected[s][t] ? catalogue.trackSections[s][t] : std::string());
    }
  }
}

std::string_view SlotSound(const MainState& state, const SlotLayout& slot) {
  switch (state.*slot.option) {
    case kGenericModOption:
      return slot.genericSound;
    case kOriginalOption:
      return slot.originalSound;
    case kCustomOption: {
      const int s = state.*slot.soundtrack;
      const int t = state.*slot.track;
      if (IsTrack(state.catalogue, s, t)) return state.catalogue.trackSounds[s][t];
      return {};
    }
    default:
      return {};
  }
}

void WriteSlotSections(ThemeText& text, const MainState& state) {
  text.Line();
  for (const SlotLayout* slot : kGameSectionOrder) {
    text.Line(slot->gameSection);
    text.Line("Sound", SlotSound(state, *slot));
    text.Line("Normal=no");
    text.Line("Repeat=no ;yes");
    text.Line();
  }
  text.Line("[CREDITS]");
  text.Line("Sound=OptionX");
  text.Line("Normal=no");
  text.Line("Repeat=yes");
  text.Line();
  for (const SlotLayout* slot : kKvpmSectionOrder) {
    text.Line(std::string(slot->kvpmSection).append(kKvpmComment));
    text.Line("Soundtrack", state.*slot->soundtrack);
    text.Line("Track", state.*slot->track);
    text.Line("Option", state.*slot->option);
    text.Line();
  }
}

// Only a ticked box is "yes"; a greyed one is written as "no".
std::string_view YesIfTicked(const CheckBox& box) { return box.value == Ticked ? "yes" : "no"; }

void WriteOptionsSection(ThemeText& text, const MainState& state) {
  text.Line(std::string("[KVPMOPTS]").append(kKvpmComment));
  text.Line("Music", YesIfTicked(state.controls.cboxMusic));
  text.Line("Shuffle", YesIfTicked(state.controls.cboxShuffle));
}

void WriteTrackSection(ThemeText& text, const MainState& state, int s, int t) {
  const Catalogue& catalogue = state.catalogue;
  text.Line("[" + catalogue.trackSections[s][t] + "]");
  if (!catalogue.trackKeys[s][t].empty()) text.Line("Name", catalogue.trackKeys[s][t]);
  if (!catalogue.trackSounds[s][t].empty()) text.Line("Sound", catalogue.trackSounds[s][t]);
  text.Line("Normal=yes");
  if (state.saveKvlNames && !state.kvlNames[s][t].empty()) {
    text.Line("KVLName", state.kvlNames[s][t]);
  }
  text.Line();
}

void WriteTrackSections(ThemeText& text, const MainState& state) {
  const Catalogue& catalogue = state.catalogue;
  for (int position = 1; position <= kSoundtrackCount; ++position) {
    const int s = catalogue.soundtrackOrder[position];
    text.Line(kSeparator);
    text.Line();
    for (int t = 1; t <= catalogue.trackCounts[s]; ++t) WriteTrackSection(text, state, s, t);
  }
}

}  // namespace

std::string ThemeFileText(const MainState& state) {
  ThemeText text;
  WriteHeader(text);
  WriteThemesList(text, state);
  WriteSlotSections(text, state);
  WriteOptionsSection(text, state);
  WriteTrackSections(text, state);
  text.Line();
  text.Line(";END OF FILE");
  text.Line();
  return text.Take();
}

bool WriteThemeFile(const MainState& state, const std::string& path) {
  return platform::WriteWholeFile(path, ThemeFileText(state));
}

}  // namespace kvpm
