// The theme file against the golden file of a new playlist; activation and deactivation.

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "playlist/NewPlaylist.h"
#include "playlist/Slots.h"
#include "playlistfiles/PlaylistReader.h"
#include "state/ShowState.h"
#include "support/Program.h"
#include "theme/Activation.h"

namespace kvpm {
namespace {

using Texts = std::vector<std::string>;
using test::Golden;
using ThemeFile = test::Program;

TEST_F(ThemeFile, EachEditOfTheNewPlaylistChangesOnlyItsLines) {
  Start();
  const std::pair<std::function<void(MainState&)>, test::Changes> cases[] = {
      {[](MainState& s) { s.playlist.music = Unticked; }, {{"Music=yes", "Music=no"}}},
      {[](MainState& s) { s.playlist.shuffle = Partial; }, {{"Shuffle=yes", "Shuffle=no"}}},
      {[](MainState& s) { s.playlist.kvlNames[1][15] = "Swamp Song"; }, {}},
      {[](MainState& s) { s.playlist.kvlNames[1][15] = "Swamp Song", s.settings.saveKvlNames = 1; },
       {{"vrequiem\r\nNormal=yes\r\n", "vrequiem\r\nNormal=yes\r\nKVLName=Swamp Song\r\n"}}},
      {[](MainState& s) { s.settings.saveKvlNames = true; }, {}},  // a new playlist: no kept names
  };
  for (const auto& [edit, changes] : cases) {
    NewPlaylist(state);
    state.playlist.music = state.playlist.shuffle = Ticked;
    edit(state);
    EXPECT_EQ(ThemeText(), Golden(changes));
  }
}

// A slot's sound line follows its option, its record keeps the custom track whatever the
// option, and the file reads back into the same slot. Custom tracks of the first, a generic
// and the last soundtrack (1/13's sound name is not its section id).
TEST_F(ThemeFile, EachSlotWritesItsSoundAndItsCustomTrackAndReadsBack) {
  Start();
  // Per slot: its sound line, the sounds of options 0 to 2, its record in a new playlist.
  const struct { std::string soundLine, sounds[3], newRecord; } kinds[] = {
      {"[INTRO] ;Sound was Quarn\r\nSound=", {"", "INTRO88", "Quarn"},
       "Soundtrack=9\r\nTrack=2\r\nOption=1"},
      {"[LOADING] ;Sound was Tamber\r\nSound=", {"", "LOAD88", "Tamber"},
       "Soundtrack=9\r\nTrack=5\r\nOption=1"},
      {"[SCORE]\r\nSound=", {"", "SCORE88", "ScoreX"}, "Soundtrack=9\r\nTrack=9\r\nOption=1"}};
  const struct { SlotId slot; int soundtrack, track; std::string sound; } slots[] = {
      {.slot = Intro, .soundtrack = 13, .track = 7, .sound = "USER07"},
      {.slot = Intro, .soundtrack = 1, .track = 1, .sound = "velrise"},
      {.slot = Loading, .soundtrack = 1, .track = 13, .sound = "ninthlk"},
      {.slot = Loading, .soundtrack = 14, .track = 50, .sound = "TRACK50"},
      {.slot = Score, .soundtrack = 14, .track = 1, .sound = "TRACK01"},
      {.slot = Score, .soundtrack = 1, .track = 21, .sound = "lastlite"},
  };
  for (const auto& c : slots) {
    for (const int option : {0, 1, 2, 3}) {
      const std::string record = "Soundtrack=" + std::to_string(c.soundtrack) + "\r\nTrack=" +
                                 std::to_string(c.track) + "\r\nOption=" + "0123"[option];
      SCOPED_TRACE(record);
      NewPlaylist(state);
      state.playlist.music = state.playlist.shuffle = Ticked;
      SetSlot(state, c.slot, c.soundtrack, c.track, option);
      const auto& kind = kinds[c.slot];
      const std::string sound = option == kCustomOption ? c.sound : kind.sounds[option];
      EXPECT_EQ(ThemeText(), Golden({{kind.soundLine + kind.sounds[1], kind.soundLine + sound},
                                     {kind.newRecord, record}}));
      prefix.CreateFile("C:\\slot.kvl", ThemeText());
      NewPlaylist(state);
      ASSERT_TRUE(LoadPlaylistFile(state, "C:\\slot.kvl"));
      EXPECT_EQ(state.playlist.slot[c.slot].option, option);
      EXPECT_EQ(state.playlist.slot[c.slot].soundtrack, c.soundtrack);
      EXPECT_EQ(state.playlist.slot[c.slot].track, c.track);
    }
  }
}

// Activation replaces an old theme file without asking and never creates HGMD.INI;
// deactivation deletes the theme file. A theme file the user made read-only is neither
// replaced nor deleted, and the game's settings then stay as they were.
TEST_F(ThemeFile, ActivationWritesTheGamesAudioKeysAndDeactivationDeletesTheFile) {
  const std::string activated = "Custom playlist activated.";
  const std::string zeroVolume = "You have opted to turn the in-game music on.\r\nHowever, the "
      "in-game music volume is set to 0.\r\nYou will need to change the in-game music volume "
      "yourself.";
  // Audio values before and after: IsScoreRepeat, IsScoreShuffle, InGameMusic, ScoreVolume.
  using Audio = std::array<const char*, 4>;
  const struct { int music, shuffle; Audio before, after; bool warned; } cases[] = {
      {Ticked, Ticked, {}, {}, false},
      {Ticked, Unticked, {"yes", "yes", "no", "0.000000"}, {"no", "no", "yes", "0.000000"}, true},
      {Unticked, Ticked, {"x", "no", "yes", "0.000000"}, {"no", "yes", "no", "0.000000"}, false},
      {Partial, Partial, {"x", "x", "x", "0.000000"}, {"no", "x", "x", "0.000000"}, false},
      {Ticked, Ticked, {"no", "no", "no", "0.0"}, {"no", "yes", "yes", "0.0"}, false},
  };
  const auto settings = [](const Audio& values) {
    return std::string("[Audio]\r\nIsScoreRepeat=") + values[0] + "\r\nIsScoreShuffle=" +
           values[1] + "\r\nInGameMusic=" + values[2] + "\r\nScoreVolume=" + values[3] +
           "\r\n\r\n[Options]\r\nInGameMusic=x\r\n";
  };
  Start();
  prefix.CreateFile(Game("thememd.ini"), "[Themes]\r\n1=SOMEONE ELSE'S\r\n");
  for (const auto& c : cases) {
    if (c.before[0]) prefix.CreateFile(Game("HGMD.INI"), settings(c.before));
    state.playlist.music = c.music;
    state.playlist.shuffle = c.shuffle;
    dialogs.texts.clear();
    EXPECT_EQ(ActivatePlaylist(state), Activation::Done);
    EXPECT_TRUE(ShowState(state).menu_disable.enabled);
    EXPECT_EQ(GameBytes("HGMD.INI"), c.before[0] ? settings(c.after) : "");
    EXPECT_EQ(dialogs.texts, (c.warned ? Texts{zeroVolume, activated} : Texts{activated}));
  }
  EXPECT_EQ(GameBytes("thememd.ini"), Golden());

  const std::string theme = prefix.Native(Game("thememd.ini"));
  std::filesystem::permissions(theme, std::filesystem::perms::owner_read);
  prefix.CreateFile(Game("HGMD.INI"), settings(cases[1].before));
  dialogs.texts.clear();
  EXPECT_EQ(ActivatePlaylist(state), Activation::Failed);
  EXPECT_EQ(GameBytes("HGMD.INI"), settings(cases[1].before));
  for (const bool undeletable : {true, false, false}) {  // the last time, nothing is left
    state.installation.themeFileExists = true;
    EXPECT_EQ(DeactivatePlaylist(state), !undeletable);
    EXPECT_EQ(ShowState(state).menu_disable.enabled, undeletable);
    EXPECT_EQ(GameBytes("thememd.ini"), undeletable ? Golden() : "");
    std::error_code gone;  // at the end
    std::filesystem::permissions(theme, std::filesystem::perms::owner_all, gone);
  }
  // A settings file over 16 MB is not read, so not replaced either.
  const std::string huge = settings(cases[1].before) + std::string(16 << 20, ';');
  prefix.CreateFile(Game("HGMD.INI"), huge);
  EXPECT_EQ(ActivatePlaylist(state), Activation::AudioSettingsKept);
  const std::string kept = GameBytes("HGMD.INI");
  EXPECT_EQ(kept.size(), huge.size());
  EXPECT_EQ(kept.substr(0, 80), huge.substr(0, 80));
  std::filesystem::remove(theme);
  std::filesystem::create_directory(theme);  // a folder of the theme file's name, no theme file
  state.installation.themeFileExists = true;
  EXPECT_TRUE(DeactivatePlaylist(state));
  EXPECT_FALSE(ShowState(state).menu_disable.enabled);
  EXPECT_EQ(dialogs.texts,
            (Texts{"Error activating playlist.", "Error deactivating playlist.",
                   "\"C:\\Games\\Korvale\\thememd.ini\" deleted - custom playlist deactivated.",
                   "Could not update the game's audio settings in \"" + Game("HGMD.INI") + "\".",
                   activated}));
}

}  // namespace
}  // namespace kvpm
