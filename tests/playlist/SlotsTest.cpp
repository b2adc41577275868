#include "playlist/Slots.h"

#include <gtest/gtest.h>

#include "playlist/SoundtrackSelection.h"
#include "playlist/TrackList.h"
#include "support/EditingFixture.h"
#include "support/PlaylistRules.h"
#include "support/TempFolder.h"

namespace kvpm {
namespace {

using testing::PlaylistRulesHold;

constexpr int kRight = 2;

class SlotsTest : public testing::EditingFixture {
 protected:
  // Right click on a track of soundtrack s and choose the slot's menu item.
  void UseAs(SlotId slot, int s, int t) {
    ShowSoundtrack(state, s);
    dialogs.menuChoices.push_back(slot);
    TrackListMouseUp(state, kRight, t);
  }
};

TEST_F(SlotsTest, UsingTheCustomTrackInUseAgainFallsBackToTheGenericTrack) {
  UseAs(Intro, 9, 2);
  EXPECT_TRUE(PlaylistRulesHold(state));
  EXPECT_EQ(state.introOption, kCustomOption);
  EXPECT_EQ(state.controls.optINTRO.selectedOption, kCustomOption);
  EXPECT_EQ(state.controls.optINTRO.label, "\"Quarn [KV Intro Theme]\"");

  UseAs(Intro, 9, 2);
  EXPECT_TRUE(state.controls.menu_intro.checked);
  EXPECT_TRUE(PlaylistRulesHold(state));
  EXPECT_EQ(state.introOption, kGenericModOption);
  EXPECT_EQ(state.introSoundtrack, 9);
  EXPECT_EQ(state.introTrack, 2);
  EXPECT_EQ(state.controls.optINTRO.label, "\"Quarn [KV Intro Theme]\"");

  // Not in use any more, so the next command takes it up again.
  UseAs(Intro, 9, 2);
  EXPECT_EQ(state.introOption, kCustomOption);
}

TEST_F(SlotsTest, AnyTrackOfAnAvailableSoundtrackCanBecomeACustomTrack) {
  UseAs(Loading, 13, 7);
  EXPECT_TRUE(PlaylistRulesHold(state));
  EXPECT_EQ(state.loadingOption, kCustomOption);
  EXPECT_EQ(state.loadingSoundtrack, 13);
  EXPECT_EQ(state.loadingTrack, 7);
  EXPECT_EQ(state.controls.optLOADING.label, "\"Personal Track 07\"");
  // The other slots keep theirs.
  EXPECT_EQ(state.introOption, kGenericModOption);
  EXPECT_EQ(state.scoreOption, kGenericModOption);
  // Choosing a custom track selects nothing for the playlist.
  EXPECT_FALSE(state.trackSelected[13][7]);
}

TEST_F(SlotsTest, OneTrackServesSeveralSlotsEachWithItsOwnMark) {
  UseAs(Intro, 1, 6);
  UseAs(Score, 1, 6);
  EXPECT_TRUE(PlaylistRulesHold(state));
  EXPECT_EQ(state.controls.optINTRO.label, "\"Blood & Brass\"");
  EXPECT_EQ(state.controls.optSCORE.label, "\"Blood & Brass\"");

  UseAs(Score, 1, 6);  // Score had its mark, Intro too: only Score falls back
  EXPECT_TRUE(state.controls.menu_intro.checked);
  EXPECT_FALSE(state.controls.menu_loading.checked);
  EXPECT_TRUE(state.controls.menu_score.checked);
  EXPECT_EQ(state.scoreOption, kGenericModOption);
  EXPECT_EQ(state.introOption, kCustomOption);
  EXPECT_TRUE(PlaylistRulesHold(state));
}

TEST_F(SlotsTest, TheCustomTrackNotInUseIsTakenUpRatherThanDropped) {
  // A new playlist names 9/5 as Loading's custom track but plays option 1.
  UseAs(Loading, 9, 5);
  EXPECT_FALSE(state.controls.menu_loading.checked);
  EXPECT_EQ(state.loadingOption, kCustomOption);

  SelectOption(state, Loading, kOriginalOption);
  UseAs(Loading, 9, 5);
  EXPECT_EQ(state.loadingOption, kCustomOption);
  EXPECT_TRUE(PlaylistRulesHold(state));
}

TEST_F(SlotsTest, OptionButtonsAndTheLabelSetTheOptionAndKeepTheCustomTrack) {
  UseAs(Score, 12, 3);
  for (int k : {kNoTrackOption, kGenericModOption, kOriginalOption, kCustomOption}) {
    SelectOption(state, Score, k);
    EXPECT_EQ(state.scoreOption, k);
    EXPECT_EQ(state.controls.optSCORE.selectedOption, k);
    EXPECT_EQ(state.scoreSoundtrack * 100 + state.scoreTrack, 1203);
    EXPECT_TRUE(PlaylistRulesHold(state));
  }
  SelectOption(state, Score, kNoTrackOption);
  SlotLabelClicked(state, Score);
  EXPECT_EQ(state.scoreOption, kCustomOption);
  EXPECT_EQ(state.controls.optSCORE.selectedOption, kCustomOption);
  EXPECT_TRUE(PlaylistRulesHold(state));
}

TEST_F(SlotsTest, OptionsOutsideTheButtonsAreIgnored) {
  SelectOption(state, Intro, 4);
  SelectOption(state, Intro, -1);
  EXPECT_EQ(state.introOption, kGenericModOption);
  EXPECT_TRUE(PlaylistRulesHold(state));
}

TEST_F(SlotsTest, AMenuAnswerThatIsNoSlotDoesNothing) {
  ShowSoundtrack(state, 9);
  dialogs.menuChoices = {3, -1};
  TrackListMouseUp(state, kRight, 4);
  TrackListMouseUp(state, kRight, 4);
  EXPECT_EQ(state.introOption, kGenericModOption);
  EXPECT_EQ(state.loadingOption, kGenericModOption);
  EXPECT_EQ(state.scoreOption, kGenericModOption);
  EXPECT_TRUE(PlaylistRulesHold(state));
}

TEST_F(SlotsTest, AMenuCommandWithoutARememberedTrackDoesNothing) {
  for (const char* tag : {"", "x", "3x", "11"}) {
    state.controls.menuRcTag = tag;
    SlotMenuCommand(state, Intro);
    EXPECT_EQ(state.introOption, kGenericModOption) << tag;
    EXPECT_EQ(state.introTrack, 2) << tag;
  }
  EXPECT_TRUE(PlaylistRulesHold(state));
}

class IsPlaylistFileTest : public ::testing::Test {
 protected:
  bool Check(const std::string& bytes) {
    testing::WriteBytes(folder.Path() / "thememd.ini", bytes);
    return IsPlaylistFile(folder.Native("thememd.ini"));
  }
  testing::TempFolder folder;
};

TEST_F(IsPlaylistFileTest, NeedsAnIntroOptionValue) {
  EXPECT_TRUE(Check("[KVPMINTR]\r\nSoundtrack=9\r\nTrack=2\r\nOption=3\r\n"));
  EXPECT_TRUE(Check("[KVPMINTR]\nOption=0\n"));
  EXPECT_TRUE(Check("[Themes]\r\n1=Quarn\r\n[kvpmintr]\r\noption = 1 ; mine\r\n"));

  EXPECT_FALSE(Check("[Themes]\r\n1=Quarn\r\n\r\n[INTRO]\r\nSound=INTRO88\r\n"));
  EXPECT_FALSE(Check("[KVPMINTR]\r\nOption=;3\r\n"));
  EXPECT_FALSE(Check("[KVPMINTR]\r\nOption=   \r\n"));
  EXPECT_FALSE(Check("[KVPMINTR]\r\nSoundtrack=9\r\n[KVPMLOAD]\r\nOption=1\r\n"));
  EXPECT_FALSE(Check(""));
  EXPECT_FALSE(IsPlaylistFile(folder.Native("missing.kvl")));
  EXPECT_FALSE(IsPlaylistFile(""));
}

}  // namespace
}  // namespace kvpm
