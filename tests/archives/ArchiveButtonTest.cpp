#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "archives/SoundtrackArchives.h"
#include "support/ArchiveFixture.h"

namespace kvpm {
namespace {

class ArchiveButtonTest : public testing::ArchiveFixture {
 protected:
  // The first question a click asks; the user cancels it.
  std::string QuestionOfClick(int s) {
    dialogs.messages.clear();
    dialogs.answers = {AnswerCancel};
    ArchiveButtonClicked(state, s);
    return dialogs.messages.empty() ? "" : dialogs.messages.front().text;
  }
};

TEST_F(ArchiveButtonTest, TheCaptionDecidesBetweenCopyAndDelete) {
  Start({.hgArchive = false, .allowKvDeletion = true});
  EXPECT_EQ(QuestionOfClick(8), "Please insert a Harrowgate CD and click OK.");
  EXPECT_EQ(QuestionOfClick(9),
            "Are you sure you wish to delete the Korvale soundtrack from your computer?");

  // Only the exact copy caption copies: one blank after KV is not it.
  state.controls.cmdKV.caption = "Copy KV Soundtrack from CD";
  EXPECT_EQ(QuestionOfClick(9),
            "Are you sure you wish to delete the Korvale soundtrack from your computer?");
  state.controls.cmdKV.caption = kCopyKvCaption;
  EXPECT_EQ(QuestionOfClick(9), "Please insert a Korvale CD and click OK.");
}

TEST_F(ArchiveButtonTest, ADisabledButtonAndOtherSoundtracksDoNothing) {
  Start({});
  ASSERT_FALSE(state.controls.cmdHG.enabled);
  EXPECT_EQ(QuestionOfClick(8), "");
  for (int s : {0, 1, 7, 10, 14, 15}) EXPECT_EQ(QuestionOfClick(s), "") << s;
  CopySoundtrackArchive(state, 7);
  DeleteSoundtrackArchive(state, 10);
  EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace
}  // namespace kvpm
