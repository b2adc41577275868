#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "archives/SoundtrackArchives.h"
#include "playlist/SoundtrackSelection.h"
#include "support/ArchiveFixture.h"
#include "support/PlaylistRules.h"

namespace kvpm {
namespace {

using testing::PlaylistRulesHold;
using testing::ReadBytes;

const std::string kAskHg =
    "Are you sure you wish to delete the Harrowgate soundtrack from your computer?";
const std::string kAskKv =
    "Are you sure you wish to delete the Korvale soundtrack from your computer?";

class DeleteSoundtrackArchiveTest : public testing::ArchiveFixture {};

TEST_F(DeleteSoundtrackArchiveTest, DeletingTheBaseGamesArchiveMakesItUnavailable) {
  Start({.allowHgDeletion = true});
  ASSERT_EQ(ComboSoundtracks(), "1,3,4,5,6,7,8,9,10,11,12,13,14");
  SetSoundtrackSelection(state, 8, true);
  dialogs.answers = {AnswerOk};

  DeleteSoundtrackArchive(state, 8);

  EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{kAskHg, "Harrowgate soundtrack deleted."}));
  EXPECT_EQ(dialogs.messages[0].buttons, Buttons::OkCancel);
  EXPECT_EQ(state.msgResult, AnswerOk);
  EXPECT_FALSE(std::filesystem::exists(GameFile("ecachethemeHG.mix")));
  EXPECT_EQ(state.controls.cmdHG.caption, kCopyHgCaption);
  EXPECT_TRUE(state.controls.cmdHG.enabled);
  EXPECT_EQ(state.controls.cboxSoundtrack[7].value, Unticked);
  EXPECT_FALSE(state.controls.cboxSoundtrack[7].enabled);
  EXPECT_EQ(ComboSoundtracks(), "1,3,4,5,6,7,9,10,11,12,13,14");
  EXPECT_EQ(ShownSoundtrack(state), 9);
  // The playlist keeps no tracks of a soundtrack that is gone.
  EXPECT_TRUE(PlaylistRulesHold(state));
}

TEST_F(DeleteSoundtrackArchiveTest, TheListLeavesADeletedSoundtrackForTheExpansions) {
  Start({.allowHgDeletion = true});
  ShowSoundtrack(state, 8);
  dialogs.answers = {AnswerOk};

  DeleteSoundtrackArchive(state, 8);

  EXPECT_EQ(ShownSoundtrack(state), 9);
  EXPECT_EQ(state.controls.lstTracks.items.size(), 10u);
  EXPECT_TRUE(PlaylistRulesHold(state));
}

TEST_F(DeleteSoundtrackArchiveTest, TheListKeepsShowingASoundtrackListedAfterTheDeletedOne) {
  Start({.allowHgDeletion = true});
  ShowSoundtrack(state, 12);
  state.controls.lstTracks.currentIndex = 2;
  dialogs.answers = {AnswerOk};

  DeleteSoundtrackArchive(state, 8);

  EXPECT_EQ(ShownSoundtrack(state), 12);
  EXPECT_EQ(state.controls.lstTracks.currentIndex, 2);
  EXPECT_TRUE(PlaylistRulesHold(state));
}

TEST_F(DeleteSoundtrackArchiveTest, DeletingTheExpansionsArchiveKeepsItAvailable) {
  Start({.allowKvDeletion = true});
  dialogs.answers = {AnswerOk};

  DeleteSoundtrackArchive(state, 9);

  EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{kAskKv, "Korvale soundtrack deleted."}));
  EXPECT_FALSE(std::filesystem::exists(GameFile("thememd.mix")));
  EXPECT_EQ(state.controls.cmdKV.caption, kCopyKvCaption);
  EXPECT_TRUE(state.controls.cmdKV.enabled);
  // Its tracks still play from the CD: the new playlist's selection stays.
  EXPECT_EQ(state.controls.cboxSoundtrack[8].value, Partial);
  EXPECT_TRUE(state.trackSelected[9][1]);
  EXPECT_TRUE(state.controls.cboxSoundtrack[8].enabled);
  EXPECT_EQ(ComboSoundtracks(), "1,3,4,5,6,7,8,9,10,11,12,13,14");
  EXPECT_EQ(ShownSoundtrack(state), 9);
  EXPECT_TRUE(PlaylistRulesHold(state));
}

TEST_F(DeleteSoundtrackArchiveTest, CancelChangesNothing) {
  Start({.allowHgDeletion = true});
  dialogs.answers = {AnswerCancel};

  DeleteSoundtrackArchive(state, 8);

  EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{kAskHg});
  EXPECT_EQ(state.msgResult, AnswerCancel);
  EXPECT_EQ(ReadBytes(GameFile("ecachethemeHG.mix")), "HG archive");
  EXPECT_EQ(state.controls.cmdHG.caption, kDeleteHgCaption);
  EXPECT_TRUE(state.controls.cboxSoundtrack[7].enabled);
  EXPECT_EQ(ComboSoundtracks(), "1,3,4,5,6,7,8,9,10,11,12,13,14");
}

TEST_F(DeleteSoundtrackArchiveTest, AnArchiveThatVanishedMeanwhileIsPassedOverSilently) {
  Start({.allowHgDeletion = true});
  std::filesystem::remove(GameFile("ecachethemeHG.mix"));
  dialogs.answers = {AnswerOk};

  DeleteSoundtrackArchive(state, 8);

  EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{kAskHg});
  EXPECT_EQ(state.controls.cmdHG.caption, kCopyHgCaption);
  EXPECT_TRUE(state.controls.cmdHG.enabled);
  EXPECT_FALSE(state.controls.cboxSoundtrack[7].enabled);
  EXPECT_EQ(ComboSoundtracks(), "1,3,4,5,6,7,9,10,11,12,13,14");
  EXPECT_TRUE(PlaylistRulesHold(state));
}

TEST_F(DeleteSoundtrackArchiveTest, AnArchiveThatCannotBeDeletedIsReported) {
  Start({.allowHgDeletion = true});
  faults->failDelete = true;
  dialogs.answers = {AnswerOk};

  DeleteSoundtrackArchive(state, 8);

  EXPECT_EQ(dialogs.Texts(),
            (std::vector<std::string>{kAskHg, "Error deleting Harrowgate soundtrack."}));
  EXPECT_EQ(ReadBytes(GameFile("ecachethemeHG.mix")), "HG archive");
  EXPECT_EQ(state.controls.cmdHG.caption, kDeleteHgCaption);
  EXPECT_TRUE(state.controls.cmdHG.enabled);
  // The box and the list follow all the same.
  EXPECT_EQ(state.controls.cboxSoundtrack[7].value, Unticked);
  EXPECT_FALSE(state.controls.cboxSoundtrack[7].enabled);
  EXPECT_EQ(ComboSoundtracks(), "1,3,4,5,6,7,9,10,11,12,13,14");
  EXPECT_TRUE(PlaylistRulesHold(state));
}

#ifndef _WIN32  // on Windows the two spellings name one file
TEST_F(DeleteSoundtrackArchiveTest, ACopyOfAnotherLetterCaseThatStaysIsAFailure) {
  Start({.allowHgDeletion = true});
  testing::WriteBytes(GameFile("ECACHETHEMEHG.MIX"), "a second copy");
  dialogs.answers = {AnswerOk};

  DeleteSoundtrackArchive(state, 8);

  EXPECT_EQ(dialogs.Texts(),
            (std::vector<std::string>{kAskHg, "Error deleting Harrowgate soundtrack."}));
  EXPECT_EQ(state.controls.cmdHG.caption, kDeleteHgCaption);
}
#endif

}  // namespace
}  // namespace kvpm
