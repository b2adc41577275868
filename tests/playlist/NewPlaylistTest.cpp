#include "playlist/Playlist.h"

#include <gtest/gtest.h>

#include "playlist/Slots.h"
#include "playlist/SoundtrackSelection.h"
#include "playlist/TrackList.h"
#include "support/EditingFixture.h"
#include "support/PlaylistRules.h"

namespace kvpm {
namespace {

class NewPlaylistTest : public testing::EditingFixture {
 protected:
  void ExpectNewPlaylist() const;
};

void NewPlaylistTest::ExpectNewPlaylist() const {
  EXPECT_TRUE(testing::PlaylistRulesHold(state));
  EXPECT_EQ(state.controls.caption, "New Playlist - KV Playlist Manager");
  EXPECT_EQ(ShownSoundtrack(state), 9);
  EXPECT_EQ(Ticks(), "1111111100");
  EXPECT_EQ(state.controls.lstTracks.currentIndex, -1);
  EXPECT_EQ(Boxes(), "00000000200001");
  EXPECT_EQ(state.dialogSave.fileName, "");

  EXPECT_EQ(state.introOption, 1);
  EXPECT_EQ(state.loadingOption, 1);
  EXPECT_EQ(state.scoreOption, 1);
  EXPECT_EQ(state.controls.optINTRO.selectedOption, 1);
  EXPECT_EQ(state.controls.optLOADING.selectedOption, 1);
  EXPECT_EQ(state.controls.optSCORE.selectedOption, 1);
  EXPECT_EQ(state.introSoundtrack * 100 + state.introTrack, 902);
  EXPECT_EQ(state.loadingSoundtrack * 100 + state.loadingTrack, 905);
  EXPECT_EQ(state.scoreSoundtrack * 100 + state.scoreTrack, 909);
  EXPECT_EQ(state.controls.optINTRO.label, "\"Quarn [KV Intro Theme]\"");
  EXPECT_EQ(state.controls.optLOADING.label, "\"Tamber Kit [KV Loading Theme]\"");
  EXPECT_EQ(state.controls.optSCORE.label, "\"Score Theme [KV Score Theme]\"");

  for (int s = 0; s <= kSoundtrackCount; ++s) {
    for (int t = 0; t <= kMaxTracks; ++t) {
      const bool selected = (s == 9 && t >= 1 && t <= 8) || (s == 14 && t >= 1);
      EXPECT_EQ(state.trackSelected[s][t], selected) << s << "/" << t;
      EXPECT_EQ(state.kvlNames[s][t], "") << s << "/" << t;
    }
  }
}

TEST_F(NewPlaylistTest, StartsWithTheDefaults) {
  ExpectNewPlaylist();
  EXPECT_EQ(ItemTexts().front(), "Korvale Ascendant");
  EXPECT_EQ(ItemTexts().back(), "Credits Theme [KV Credits Theme]");
}

TEST_F(NewPlaylistTest, ForgetsEveryEditOfThePlaylist) {
  state.controls.caption = "mine.kvl - KV Playlist Manager";
  state.dialogSave.fileName = "C:\\Playlists\\mine.kvl";
  SelectTrack(state, 1, 4);
  SelectTrack(state, 12, 4);
  DeselectTrack(state, 9, 1);
  state.controls.cboxSoundtrack[13].value = Unticked;
  SoundtrackBoxClicked(state, 13);
  SetSlot(state, Intro, 13, 50, kCustomOption);
  SelectOption(state, Score, kNoTrackOption);
  state.kvlNames[11][50] = "beyond the three tracks";
  state.kvlNames[9][3] = "Battle";
  ShowSoundtrack(state, 9);
  ASSERT_EQ(ItemTexts()[2], "Glass Meridian (Battle)");
  state.controls.lstTracks.currentIndex = 4;

  NewPlaylist(state);
  ExpectNewPlaylist();
  // The list was showing soundtrack 9 already, and is rebuilt all the same.
  EXPECT_EQ(ItemTexts()[2], "Glass Meridian");
}

TEST_F(NewPlaylistTest, CompletesWhileAShortSoundtrackIsShown) {
  ShowSoundtrack(state, 11);
  ASSERT_EQ(Ticks(), "000");
  NewPlaylist(state);
  ExpectNewPlaylist();
}

TEST_F(NewPlaylistTest, LeavesGameMusicAndShuffleAlone) {
  state.controls.cboxMusic.value = Unticked;
  state.controls.cboxShuffle.value = Ticked;
  NewPlaylist(state);
  EXPECT_EQ(state.controls.cboxMusic.value, Unticked);
  EXPECT_EQ(state.controls.cboxShuffle.value, Ticked);
  state.controls.cboxMusic.value = Ticked;
  state.controls.cboxShuffle.value = Unticked;
  NewPlaylist(state);
  EXPECT_EQ(state.controls.cboxMusic.value, Ticked);
  EXPECT_EQ(state.controls.cboxShuffle.value, Unticked);
}

TEST_F(NewPlaylistTest, UnavailableSoundtrackStaysDisabledAndUnticked) {
  EXPECT_FALSE(state.controls.cboxSoundtrack[1].enabled);
  EXPECT_EQ(state.controls.cboxSoundtrack[1].value, Unticked);
}

}  // namespace
}  // namespace kvpm
