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
#include "state/ShowState.h"
#include "support/Program.h"
#include "theme/Activation.h"

namespace kvpm {
namespace {

using Texts = std::vector<std::string>;
using Changes = std::vector<std::pair<std::string, std::string>>;

// The golden file with each text replaced once (a text it lacks throws).
std::string Golden(const Changes& changes = {}) {
  std::string text = test::ReadBytes(KVPM_FIXTURES_DIR "/theme/new-playlist.ini");
  for (const auto& [from, to] : changes) text.replace(text.find(from), from.size(), to);
  return text;
}

using ThemeFile = test::Program;

TEST_F(ThemeFile, EachEditOfTheNewPlaylistChangesOnlyItsLines) {
  Start();
  std::vector<std::pair<std::function<void(MainState&)>, Changes>> cases{
      {[](MainState& s) { s.playlist.music = Unticked; }, {{"Music=yes", "Music=no"}}},
      {[](MainState& s) { s.playlist.shuffle = Partial; }, {{"Shuffle=yes", "Shuffle=no"}}},
      {[](MainState& s) { s.playlist.kvlNames[1][15] = "Swamp Song"; }, {}},
      {[](MainState& s) { s.playlist.kvlNames[1][15] = "Swamp Song", s.settings.saveKvlNames = 1; },
       {{"vrequiem\r\nNormal=yes\r\n", "vrequiem\r\nNormal=yes\r\nKVLName=Swamp Song\r\n"}}},
      {[](MainState& s) { s.settings.saveKvlNames = true; }, {}},  // a new playlist: no kept names
  };
  const struct { SlotId slot; int track; std::string sound, sounds[4]; } slots[] = {
      {Intro, 2, "[INTRO] ;Sound was Quarn\r\nSound=", {"", "INTRO88", "Quarn", "OptionX"}},
      {Loading, 5, "[LOADING] ;Sound was Tamber\r\nSound=", {"", "LOAD88", "Tamber", "OptionX"}},
      {Score, 9, "[SCORE]\r\nSound=", {"", "SCORE88", "ScoreX", "OptionX"}},
  };
  for (const auto& c : slots) {
    for (const int option : {0, 1, 2, 3}) {
      // The Credits track, whose sound name is not its section id, as custom track.
      cases.push_back({[&c, option](MainState& s) { SetSlot(s, c.slot, 9, 10, option); },
                       {{c.sound + c.sounds[1], c.sound + c.sounds[option]},
                        {"Track=" + std::to_string(c.track) + "\r\nOption=1",
                         "Track=10\r\nOption=" + std::to_string(option)}}});
    }
  }
  for (const auto& [edit, changes] : cases) {
    NewPlaylist(state);
    state.playlist.music = state.playlist.shuffle = Ticked;
    edit(state);
    EXPECT_EQ(ThemeText(), Golden(changes));
  }
}

// Activation replaces an old theme file without asking and never creates
// HGMD.INI; deactivation deletes the theme file. A theme file the user made
// read-only is neither replaced nor deleted, and the game's settings then
// stay as they were.
TEST_F(ThemeFile, ActivationWritesTheGamesAudioKeysAndDeactivationDeletesTheFile) {
  const std::string activated = "Custom playlist activated.";
  const std::string zeroVolume =
      "You have opted to turn the in-game music on.\r\n"
      "However, the in-game music volume is set to 0.\r\n"
      "You will need to change the in-game music volume yourself.";
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
  EXPECT_EQ(dialogs.texts,
            (Texts{"Error activating playlist.", "Error deactivating playlist.",
                   "\"C:\\Games\\Korvale\\thememd.ini\" deleted - custom playlist deactivated."}));
}

}  // namespace
}  // namespace kvpm
