// Walks the whole built catalogue and checks the rules that the theme file
// and the reader rely on. Every failure names the track (s, t) at fault.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "catalogue/Catalogue.h"
#include "catalogue/TrackKey.h"
#include "catalogue/TrackRows.h"

namespace kvpm {
namespace {

constexpr int kGameSoundtracks = 12;

const Catalogue& Built() {
  static const std::unique_ptr<Catalogue> catalogue = [] {
    auto built = std::make_unique<Catalogue>();
    BuildSoundtrackTable(*built);
    return built;
  }();
  return *catalogue;
}

std::string At(int s, int t) {
  return "track (" + std::to_string(s) + ", " + std::to_string(t) + ")";
}

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

bool HasLower(const std::string& text) {
  return std::any_of(text.begin(), text.end(), [](unsigned char c) { return std::islower(c); });
}
bool HasUpper(const std::string& text) {
  return std::any_of(text.begin(), text.end(), [](unsigned char c) { return std::isupper(c); });
}
bool IsUpperCase(const std::string& text) { return HasUpper(text) && !HasLower(text); }
bool IsLowerCase(const std::string& text) { return HasLower(text) && !HasUpper(text); }
bool IsMixedCase(const std::string& text) { return HasUpper(text) && HasLower(text); }
bool IsPlain(const std::string& text) {
  return std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isalnum(c); });
}

struct TrackRef {
  int s;
  int t;
};

std::vector<TrackRef> Tracks(int firstSoundtrack, int lastSoundtrack) {
  std::vector<TrackRef> tracks;
  for (int s = firstSoundtrack; s <= lastSoundtrack; ++s) {
    for (int t = 1; t <= Built().trackCounts[s]; ++t) tracks.push_back({s, t});
  }
  return tracks;
}
std::vector<TrackRef> AllTracks() { return Tracks(1, kSoundtrackCount); }
std::vector<TrackRef> GameTracks() { return Tracks(1, kGameSoundtracks); }

// Fails for every text that an earlier track already has, compared without
// regard to case as INI lookups compare section names.
void ExpectDistinctIgnoringCase(const PerTrack<std::string>& table, const std::string& what,
                                const std::set<std::string>& reserved = {}) {
  std::map<std::string, std::string> seen;
  for (const std::string& name : reserved) seen[Lower(name)] = "a fixed name";
  for (const auto [s, t] : AllTracks()) {
    const auto [it, inserted] = seen.emplace(Lower(table[s][t]), At(s, t));
    EXPECT_TRUE(inserted) << what << " \"" << table[s][t] << "\" of " << At(s, t)
                          << " repeats that of " << it->second;
  }
}

// ---- Soundtrack table ----------------------------------------------------

struct ExpectedSoundtrack {
  const char* code;
  const char* title;
  std::array<const char*, 3> archives;
  int tracks;
};

TEST(SoundtrackTable, HoldsCodesTitlesArchivesAndTrackCounts) {
  const std::array<ExpectedSoundtrack, kSoundtrackCount> expected{{
      {"VM", "Velmora", {"ecachethemeVM.mix", "", ""}, 21},
      {"QN", "Quillan", {"ecachethemeQN.mix", "", ""}, 14},
      {"BR", "Brannoch", {"ecachethemeBR.mix", "ecachethemeBRD1.mix", "ecachethemeBRD2.mix"}, 23},
      {"SL", "Sollet", {"ecachethemeSL.mix", "", ""}, 8},
      {"TV", "Tarvik", {"ecachethemeTV.mix", "", ""}, 8},
      {"OM", "Ombrith", {"ecachethemeOM.mix", "ecachethemeOM1.mix", "ecachethemeOM2.mix"}, 21},
      {"PW", "Pellow", {"ecachethemePW.mix", "", ""}, 10},
      {"HG", "Harrowgate", {"ecachethemeHG.mix", "", ""}, 16},
      {"KV", "Harrowgate: Korvale", {"thememd.mix", "", ""}, 10},
      {"ZEP", "Zephran", {"ecachethemeZEP.mix", "ecachethemeZEP1.mix", "ecachethemeZEP2.mix"}, 20},
      {"HGX", "Harrowgate Extra Tracks", {"ecachethemeHGX.mix", "", ""}, 3},
      {"NW", "Korvale: Nightward", {"ecachethemeNW.mix", "", ""}, 4},
      {"USER", "Custom User Soundtrack", {"ecachethemeUSER.mix", "user*.wav", ""}, 50},
      {"TRACK", "Generic Mod Soundtrack", {"", "", ""}, 50},
  }};
  const Catalogue& catalogue = Built();
  int archiveNames = 0;
  int trackSum = 0;
  for (int s = 1; s <= kSoundtrackCount; ++s) {
    const ExpectedSoundtrack& want = expected[s - 1];
    EXPECT_EQ(catalogue.soundtrackCodes[s], want.code) << "soundtrack " << s;
    EXPECT_EQ(catalogue.soundtrackTitles[s], want.title) << "soundtrack " << s;
    EXPECT_EQ(catalogue.trackCounts[s], want.tracks) << "soundtrack " << s;
    EXPECT_EQ(catalogue.soundtrackArchives[s][0], "") << "soundtrack " << s << ", slot 0";
    for (int slot = 1; slot <= kArchiveSlots; ++slot) {
      EXPECT_EQ(catalogue.soundtrackArchives[s][slot], want.archives[slot - 1])
          << "soundtrack " << s << ", slot " << slot;
      if (!catalogue.soundtrackArchives[s][slot].empty()) ++archiveNames;
    }
    trackSum += catalogue.trackCounts[s];
  }
  // 20 names: slot 2 of soundtrack 13 is the pattern user*.wav.
  EXPECT_EQ(archiveNames, 20);
  EXPECT_EQ(trackSum, 258);
}

TEST(SoundtrackTable, LeavesEntryZeroUnused) {
  const Catalogue& catalogue = Built();
  EXPECT_EQ(catalogue.soundtrackCodes[0], "");
  EXPECT_EQ(catalogue.soundtrackTitles[0], "");
  EXPECT_EQ(catalogue.trackCounts[0], 0);
  EXPECT_EQ(catalogue.soundtrackOrder[0], 0);
  for (const std::string& archive : catalogue.soundtrackArchives[0]) EXPECT_EQ(archive, "");
}

TEST(SoundtrackTable, FileOrderListsEverySoundtrackOnce) {
  const std::array<int, kSoundtrackCount + 1> expected{0, 12, 8, 11, 9, 14, 7, 6,
                                                       5, 4,  3, 2,  1, 10, 13};
  EXPECT_EQ(Built().soundtrackOrder, expected);
}

TEST(SoundtrackTable, BuildingAgainGivesTheSameTables) {
  Catalogue again;
  BuildSoundtrackTable(again);
  BuildSoundtrackTable(again);
  EXPECT_EQ(again.trackKeys, Built().trackKeys);
  EXPECT_EQ(again.trackTitles, Built().trackTitles);
  EXPECT_EQ(again.trackSections, Built().trackSections);
  EXPECT_EQ(again.trackSounds, Built().trackSounds);
}

// ---- Extent of the track tables ------------------------------------------

TEST(TrackCatalogue, GameRowsCoverEveryGameTrackExactlyOnce) {
  std::map<std::pair<int, int>, int> rowsPerTrack;
  for (const TrackRow& row : GameTrackRows()) {
    const bool inRange = row.soundtrack >= 1 && row.soundtrack <= kGameSoundtracks &&
                         row.track >= 1 && row.track <= Built().trackCounts[row.soundtrack];
    EXPECT_TRUE(inRange) << "a row names " << At(row.soundtrack, row.track)
                         << ", which does not exist";
    ++rowsPerTrack[{row.soundtrack, row.track}];
  }
  for (const auto [s, t] : GameTracks()) {
    EXPECT_EQ((rowsPerTrack[{s, t}]), 1) << "rows for " << At(s, t);
  }
  EXPECT_EQ(GameTrackRows().size(), 158u);
}

TEST(TrackCatalogue, FillsExactlyTheTracksUpToEachCount) {
  const Catalogue& catalogue = Built();
  for (int s = 0; s <= kSoundtrackCount; ++s) {
    for (int t = 0; t <= kMaxTracks; ++t) {
      const bool exists = s >= 1 && t >= 1 && t <= catalogue.trackCounts[s];
      EXPECT_EQ(!catalogue.trackKeys[s][t].empty(), exists) << "key of " << At(s, t);
      EXPECT_EQ(!catalogue.trackTitles[s][t].empty(), exists) << "title of " << At(s, t);
      EXPECT_EQ(!catalogue.trackSections[s][t].empty(), exists) << "section id of " << At(s, t);
      EXPECT_EQ(!catalogue.trackSounds[s][t].empty(), exists) << "sound name of " << At(s, t);
    }
  }
}

// ---- Keys ------------------------------------------------------------------

TEST(TrackCatalogue, GameTrackKeysFollowTheKeyRule) {
  const Catalogue& catalogue = Built();
  for (const auto [s, t] : GameTracks()) {
    const std::string& key = catalogue.trackKeys[s][t];
    EXPECT_EQ(key, TrackKey(catalogue.soundtrackCodes[s], catalogue.trackTitles[s][t])) << At(s, t);
    EXPECT_EQ(key.rfind("THEME:" + catalogue.soundtrackCodes[s] + "_", 0), 0u)
        << key << " of " << At(s, t);
    EXPECT_EQ(key.find(' '), std::string::npos) << key << " of " << At(s, t);
  }
}

TEST(TrackCatalogue, KeysAreDistinct) {
  std::map<std::string, std::string> seen;
  for (const auto [s, t] : AllTracks()) {
    const auto [it, inserted] = seen.emplace(Built().trackKeys[s][t], At(s, t));
    EXPECT_TRUE(inserted) << "key " << it->first << " of " << At(s, t) << " repeats that of "
                          << it->second;
  }
}

TEST(TrackCatalogue, TitlesExerciseEveryPartOfTheKeyRule) {
  // Keys that keep these characters must reach the theme file unchanged.
  const std::map<std::string, bool (*)(const std::string&)> kinds{
      {"an ampersand", [](const std::string& k) { return k.find('&') != std::string::npos; }},
      {"an apostrophe", [](const std::string& k) { return k.find('\'') != std::string::npos; }},
      {"parentheses", [](const std::string& k) { return k.find("(") != std::string::npos; }},
      {"a full stop", [](const std::string& k) { return k.find('.') != std::string::npos; }},
      {"a digit",
       [](const std::string& k) { return k.find_first_of("0123456789", 6) != std::string::npos; }},
      {"a trailing asterisk", [](const std::string& k) { return k.back() == '*'; }},
  };
  for (const auto& [kind, holds] : kinds) {
    bool found = false;
    for (const auto [s, t] : GameTracks()) found = found || holds(Built().trackKeys[s][t]);
    EXPECT_TRUE(found) << "no game track key with " << kind;
  }
}

// ---- Section ids -------------------------------------------------------------

TEST(TrackCatalogue, SectionIdsAreShortPlainAndDistinctFromEveryOtherSection) {
  for (const auto [s, t] : AllTracks()) {
    const std::string& section = Built().trackSections[s][t];
    EXPECT_LE(section.size(), 13u) << section << " of " << At(s, t);
    EXPECT_TRUE(IsPlain(section)) << section << " of " << At(s, t);
  }
  ExpectDistinctIgnoringCase(Built().trackSections, "section id",
                             {"Themes", "INTRO", "SCORE", "LOADING", "CREDITS", "KVPMINTR",
                              "KVPMLOAD", "KVPMSCOR", "KVPMOPTS", "HGOptions"});
}

TEST(TrackCatalogue, SectionIdsAreUpperCaseButMostlyMixedInTheTwoGameSoundtracks) {
  const std::map<int, int> mixedCount{{8, 13}, {9, 8}};
  for (int s = 1; s <= kSoundtrackCount; ++s) {
    int mixed = 0;
    std::string listing;
    for (int t = 1; t <= Built().trackCounts[s]; ++t) {
      const std::string& section = Built().trackSections[s][t];
      EXPECT_TRUE(IsUpperCase(section) || IsMixedCase(section)) << section << " of " << At(s, t);
      if (IsMixedCase(section)) {
        ++mixed;
        listing += "\n  " + At(s, t) + " " + section;
      }
    }
    const auto want = mixedCount.find(s);
    EXPECT_EQ(mixed, want == mixedCount.end() ? 0 : want->second)
        << "mixed-case section ids of soundtrack " << s << ":" << listing;
  }
}

// ---- Sound names -------------------------------------------------------------

TEST(TrackCatalogue, SoundNamesAreShortPlainAndDistinct) {
  for (const auto [s, t] : AllTracks()) {
    const std::string& sound = Built().trackSounds[s][t];
    EXPECT_LE(sound.size(), 8u) << sound << " of " << At(s, t);
    EXPECT_TRUE(IsPlain(sound)) << sound << " of " << At(s, t);
  }
  // The generic sounds of a game modification fill the slots, never a track.
  ExpectDistinctIgnoringCase(Built().trackSounds, "sound name", {"INTRO88", "SCORE88", "LOAD88"});
}

TEST(TrackCatalogue, TwentyOneGameTracksHaveASoundNameOfTheirOwn) {
  std::vector<std::string> ownNames;
  for (const auto [s, t] : GameTracks()) {
    if (Lower(Built().trackSounds[s][t]) != Lower(Built().trackSections[s][t])) {
      ownNames.push_back(At(s, t) + " " + Built().trackSections[s][t] + "/" +
                         Built().trackSounds[s][t]);
    }
  }
  std::string listing;
  for (const std::string& name : ownNames) listing += "\n  " + name;
  EXPECT_EQ(ownNames.size(), 21u) << "game tracks whose sound name is not their section id:"
                                  << listing;
  for (const int t : {5, 9, 10}) {
    EXPECT_NE(Lower(Built().trackSounds[9][t]), Lower(Built().trackSections[9][t])) << At(9, t);
  }
}

TEST(TrackCatalogue, SoundNameCaseVariesBySoundtrack) {
  std::set<std::string> styles;
  for (int s = 1; s <= kGameSoundtracks; ++s) {
    bool allLower = true;
    bool allUpper = true;
    for (int t = 1; t <= Built().trackCounts[s]; ++t) {
      allLower = allLower && IsLowerCase(Built().trackSounds[s][t]);
      allUpper = allUpper && IsUpperCase(Built().trackSounds[s][t]);
    }
    styles.insert(allLower ? "lower" : allUpper ? "upper" : "mixed");
  }
  EXPECT_EQ(styles, (std::set<std::string>{"lower", "mixed", "upper"}));
}

// ---- Titles ------------------------------------------------------------------

TEST(TrackCatalogue, SevenPlainTitlesAreSharedByTwoOrThreeSoundtracks) {
  std::map<std::string, std::vector<TrackRef>> tracksByTitle;
  for (const auto track : AllTracks())
    tracksByTitle[Built().trackTitles[track.s][track.t]].push_back(track);
  int shared = 0;
  for (const auto& [title, tracks] : tracksByTitle) {
    if (tracks.size() == 1) continue;
    ++shared;
    std::string where;
    std::set<int> soundtracks;
    for (const TrackRef& r : tracks) {
      where += " " + At(r.s, r.t);
      soundtracks.insert(r.s);
    }
    EXPECT_LE(tracks.size(), 3u) << "\"" << title << "\" at" << where;
    EXPECT_EQ(soundtracks.size(), tracks.size())
        << "\"" << title << "\" twice in one soundtrack at" << where;
    EXPECT_EQ(title.find('['), std::string::npos) << "\"" << title << "\" at" << where;
  }
  EXPECT_EQ(shared, 7);
}

TEST(TrackCatalogue, EightTitlesCarryTheGamesThemeRemarks) {
  const std::map<std::pair<int, int>, std::string> remarks{
      {{8, 1}, " [HG Intro Theme]"},  {{8, 8}, " [HG Loading Theme]"},
      {{8, 15}, " [HG Score Theme]"}, {{8, 16}, " [HG Credits Theme]"},
      {{9, 2}, " [KV Intro Theme]"},  {{9, 5}, " [KV Loading Theme]"},
      {{9, 9}, " [KV Score Theme]"},  {{9, 10}, " [KV Credits Theme]"},
  };
  for (const auto [s, t] : AllTracks()) {
    const std::string& title = Built().trackTitles[s][t];
    const auto remark = remarks.find({s, t});
    if (remark == remarks.end()) {
      EXPECT_EQ(title.find_first_of("[]"), std::string::npos)
          << "\"" << title << "\" of " << At(s, t);
      continue;
    }
    const std::string& suffix = remark->second;
    ASSERT_GT(title.size(), suffix.size()) << At(s, t);
    EXPECT_EQ(title.substr(title.size() - suffix.size()), suffix) << At(s, t);
    EXPECT_EQ(title.find('['), title.size() - suffix.size() + 1)
        << "\"" << title << "\" of " << At(s, t);
  }
}

// ---- Fixed rows --------------------------------------------------------------

TEST(TrackCatalogue, ExpansionsOwnSlotTracksAreFixed) {
  struct Row {
    int t;
    const char* key;
    const char* title;
    const char* section;
    const char* sound;
  };
  for (const Row& row :
       {Row{2, "THEME:KV_Quarn", "Quarn [KV Intro Theme]", "Quarn", "Quarn"},
        Row{5, "THEME:KV_TamberKit", "Tamber Kit [KV Loading Theme]", "TamberKit", "Tamber"},
        Row{9, "THEME:KV_ScoreTheme", "Score Theme [KV Score Theme]", "KVSCORE", "ScoreX"},
        Row{10, "THEME:KV_CreditsTheme", "Credits Theme [KV Credits Theme]", "KVCREDITS",
            "OptionX"}}) {
    EXPECT_EQ(Built().trackKeys[9][row.t], row.key) << At(9, row.t);
    EXPECT_EQ(Built().trackTitles[9][row.t], row.title) << At(9, row.t);
    EXPECT_EQ(Built().trackSections[9][row.t], row.section) << At(9, row.t);
    EXPECT_EQ(Built().trackSounds[9][row.t], row.sound) << At(9, row.t);
  }
}

TEST(TrackCatalogue, GenericTracksAreNumberedWithTwoDigits) {
  const Catalogue& catalogue = Built();
  for (const auto [s, t] : Tracks(13, 14)) {
    const std::string nn = (t < 10 ? "0" : "") + std::to_string(t);
    const std::string name = (s == 13 ? "USER" : "TRACK") + nn;
    EXPECT_EQ(catalogue.trackKeys[s][t], "THEME:" + name) << At(s, t);
    EXPECT_EQ(catalogue.trackTitles[s][t], (s == 13 ? "Personal Track " : "Mod Track ") + nn)
        << At(s, t);
    EXPECT_EQ(catalogue.trackSections[s][t], name) << At(s, t);
    EXPECT_EQ(catalogue.trackSounds[s][t], name) << At(s, t);
  }
  EXPECT_EQ(catalogue.trackKeys[13][1], "THEME:USER01");
  EXPECT_EQ(catalogue.trackTitles[13][7], "Personal Track 07");
  EXPECT_EQ(catalogue.trackSections[13][7], "USER07");
  EXPECT_EQ(catalogue.trackSounds[13][50], "USER50");
  EXPECT_EQ(catalogue.trackKeys[14][1], "THEME:TRACK01");
  EXPECT_EQ(catalogue.trackKeys[14][50], "THEME:TRACK50");
  EXPECT_EQ(catalogue.trackTitles[14][50], "Mod Track 50");
  EXPECT_EQ(catalogue.trackSections[14][50], "TRACK50");
  EXPECT_EQ(catalogue.trackSounds[14][50], "TRACK50");
}

}  // namespace
}  // namespace kvpm
