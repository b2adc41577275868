#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "archives/SoundtrackArchives.h"
#include "support/ArchiveFixture.h"
#include "support/PlaylistRules.h"

namespace kvpm {
namespace {

using testing::PlaylistRulesHold;
using testing::ReadBytes;
using testing::WriteBytes;

const std::string kInsertHg = "Please insert a Harrowgate CD and click OK.";
const std::string kNoHgCd = "Could not detect a Harrowgate CD.";
const std::string kHgCopied = "Harrowgate soundtrack successfully copied.";
const std::string kHgTarget = "C:\\Games\\Korvale\\\\ecachethemeHG.mix";

class CopySoundtrackArchiveTest : public testing::ArchiveFixture {
 protected:
  // A disc's archive of a few chunks of the copy, with a recognisable pattern.
  static std::string ArchiveBytes(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(i * 7 % 251);
    return bytes;
  }
};

TEST_F(CopySoundtrackArchiveTest, WithoutAnyCdDriveItSearchesThreeTimesAndGivesUp) {
  Start({.hgArchive = false});
  prefix.CreateFile("C:\\theme.mix", "a fixed drive is never searched");
  dialogs.answers = {AnswerOk, AnswerRetry, AnswerRetry};

  CopySoundtrackArchive(state, 8);

  ASSERT_EQ(dialogs.messages.size(), 4u);
  EXPECT_EQ(dialogs.messages[0].text, kInsertHg);
  EXPECT_EQ(dialogs.messages[0].buttons, Buttons::OkCancel);
  for (int question : {1, 2}) {
    EXPECT_EQ(dialogs.messages[question].text, kNoHgCd);
    EXPECT_EQ(dialogs.messages[question].buttons, Buttons::RetryCancel);
  }
  EXPECT_EQ(dialogs.messages[3].text, kNoHgCd);
  EXPECT_EQ(dialogs.messages[3].buttons, Buttons::Ok);
  EXPECT_EQ(state.msgResult, AnswerOk);
  EXPECT_TRUE(dialogs.waitLabels.empty());
  EXPECT_FALSE(std::filesystem::exists(GameFile("ecachethemeHG.mix")));
  EXPECT_EQ(state.controls.cmdHG.caption, kCopyHgCaption);
  EXPECT_FALSE(state.controls.cboxSoundtrack[7].enabled);
}

TEST_F(CopySoundtrackArchiveTest, DrivesWithoutADiscAreSkipped) {
  Start({.hgArchive = false});
  AddEmptyCdDrive('d');
  AddEmptyCdDrive('e');
  dialogs.answers = {AnswerOk, AnswerRetry, AnswerRetry};

  CopySoundtrackArchive(state, 8);

  EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{kInsertHg, kNoHgCd, kNoHgCd, kNoHgCd}));
  EXPECT_TRUE(dialogs.waitLabels.empty());
}

TEST_F(CopySoundtrackArchiveTest, CancelAtEitherQuestionEndsTheCopy) {
  Start({.hgArchive = false});
  const std::string disc = AddCdDrive('d');
  WriteBytes(disc + "/theme.mix", "HG");

  dialogs.answers = {AnswerCancel};
  CopySoundtrackArchive(state, 8);
  EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{kInsertHg});
  EXPECT_EQ(state.msgResult, AnswerCancel);

  std::filesystem::remove(disc + "/theme.mix");
  dialogs.messages.clear();
  dialogs.answers = {AnswerOk, AnswerCancel};
  CopySoundtrackArchive(state, 8);
  EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{kInsertHg, kNoHgCd}));

  EXPECT_TRUE(dialogs.waitLabels.empty());
  EXPECT_FALSE(std::filesystem::exists(GameFile("ecachethemeHG.mix")));
}

TEST_F(CopySoundtrackArchiveTest, ADiscInsertedBeforeRetryIsFound) {
  Start({.hgArchive = false});
  const std::string disc = AddCdDrive('d');
  dialogs.beforeRetry = [&] { WriteBytes(disc + "/theme.mix", "HG from CD"); };
  dialogs.answers = {AnswerOk, AnswerRetry};

  CopySoundtrackArchive(state, 8);

  EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{kInsertHg, kNoHgCd, kHgCopied}));
  EXPECT_EQ(ReadBytes(GameFile("ecachethemeHG.mix")), "HG from CD");
}

TEST_F(CopySoundtrackArchiveTest, TheFirstCdDriveHoldingTheFileIsTheSource) {
  Start({.hgArchive = false});
  const std::string korvaleDisc = AddCdDrive('d');
  WriteBytes(korvaleDisc + "/thememd.mix", "KV");
  WriteBytes(korvaleDisc + "/data/theme.mix", "not in the root");
  const std::string harrowgateDisc = AddCdDrive('e');
  WriteBytes(harrowgateDisc + "/THEME.MIX", "HG from E");
  const std::string secondHarrowgateDisc = AddCdDrive('f');
  WriteBytes(secondHarrowgateDisc + "/theme.mix", "HG from F");
  dialogs.answers = {AnswerOk};

  CopySoundtrackArchive(state, 8);

  EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{kInsertHg, kHgCopied}));
  EXPECT_EQ(state.msgResult, AnswerOk);
  EXPECT_EQ(ReadBytes(GameFile("ecachethemeHG.mix")), "HG from E");
}

TEST_F(CopySoundtrackArchiveTest, ADiscWithoutTheArchiveInItsRootIsNotDetected) {
  Start({.hgArchive = false, .kvArchive = false});
  const std::string disc = AddCdDrive('d');
  WriteBytes(disc + "/thememd.mix", "KV");
  std::filesystem::create_directories(disc + "/theme.mix");  // a folder is no archive
  dialogs.answers = {AnswerOk, AnswerRetry, AnswerRetry};

  CopySoundtrackArchive(state, 8);
  EXPECT_FALSE(std::filesystem::exists(GameFile("ecachethemeHG.mix")));

  std::filesystem::remove(disc + "/thememd.mix");
  WriteBytes(disc + "/theme.mix.bak", "HG");
  dialogs.messages.clear();
  dialogs.answers = {AnswerOk, AnswerRetry, AnswerRetry};
  CopySoundtrackArchive(state, 9);
  EXPECT_EQ(dialogs.Texts(),
            (std::vector<std::string>{
                "Please insert a Korvale CD and click OK.", "Could not detect a Korvale CD.",
                "Could not detect a Korvale CD.", "Could not detect a Korvale CD."}));
  EXPECT_FALSE(std::filesystem::exists(GameFile("thememd.mix")));
}

#ifndef _WIN32  // the host's mount table is a thing of Linux
TEST_F(CopySoundtrackArchiveTest, AHostMountedDiscServesAsWell) {
  Start({.hgArchive = false});
  const std::string mountPoint = prefix.Root() + "/media/HARROW GATE";
  WriteBytes(mountPoint + "/theme.mix", "HG from the host");
  prefix.SetMountTable("/dev/sr0 " + prefix.Root() + "/media/HARROW\\040GATE iso9660 ro 0 0\n");
  dialogs.answers = {AnswerOk};

  CopySoundtrackArchive(state, 8);

  EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{kInsertHg, kHgCopied}));
  EXPECT_EQ(ReadBytes(GameFile("ecachethemeHG.mix")), "HG from the host");
}
#endif

TEST_F(CopySoundtrackArchiveTest, AnArchiveAlreadyInTheGameFolderIsReplacedWithoutAsking) {
  Start({.hgArchive = false, .allowHgDeletion = true});
  WriteBytes(GameFile("ecachethemeHG.mix"), "an older copy, longer than the new one");
  const std::string disc = AddCdDrive('d');
  WriteBytes(disc + "/theme.mix", "HG");
  dialogs.answers = {AnswerOk};

  CopySoundtrackArchive(state, 8);

  EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{kInsertHg, kHgCopied}));
  EXPECT_EQ(ReadBytes(GameFile("ecachethemeHG.mix")), "HG");
}

TEST_F(CopySoundtrackArchiveTest, ASuccessfulCopyOffersDeletionOnlyWhenAllowed) {
  Start({.hgArchive = false, .allowHgDeletion = true});
  const std::string combo = ComboSoundtracks();
  const std::string disc = AddCdDrive('d');
  WriteBytes(disc + "/theme.mix", "HG");
  for (bool allowed : {true, false}) {
    SCOPED_TRACE(allowed ? "deletion allowed" : "deletion not allowed");
    state.allowHgDeletion = allowed;
    state.controls.cmdHG = {kCopyHgCaption};
    state.controls.cboxSoundtrack[7].enabled = false;
    dialogs.answers = {AnswerOk};

    CopySoundtrackArchive(state, 8);

    const Button& button = state.controls.cmdHG;
    EXPECT_EQ(button.caption, allowed ? kDeleteHgCaption : kCopyHgCaption);
    EXPECT_EQ(button.enabled, allowed);
    EXPECT_TRUE(state.controls.cboxSoundtrack[7].enabled);
    EXPECT_EQ(state.controls.cboxSoundtrack[7].value, Unticked);
    // Listed in comboSoundtrack only from the next start.
    EXPECT_EQ(ComboSoundtracks(), combo);
    EXPECT_TRUE(PlaylistRulesHold(state));
  }
}

TEST_F(CopySoundtrackArchiveTest, CopyingTheExpansionsArchiveLeavesItsTracksAsTheyAre) {
  Start({.kvArchive = false, .allowKvDeletion = true});
  const std::string disc = AddCdDrive('d');
  WriteBytes(disc + "/thememd.mix", "KV");
  dialogs.answers = {AnswerOk};

  CopySoundtrackArchive(state, 9);

  EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{"Please insert a Korvale CD and click OK.",
                                                       "Korvale soundtrack successfully copied."}));
  EXPECT_EQ(dialogs.waitLabels, std::vector<std::string>{"Copying file from Korvale CD."});
  EXPECT_EQ(ReadBytes(GameFile("thememd.mix")), "KV");
  EXPECT_EQ(state.controls.cmdKV.caption, kDeleteKvCaption);
  EXPECT_EQ(state.controls.cboxSoundtrack[8].value, Partial);
  EXPECT_TRUE(PlaylistRulesHold(state));
}

TEST_F(CopySoundtrackArchiveTest, TheWaitWindowShowsTheCopysProgress) {
  Start({.hgArchive = false});
  const std::string disc = AddCdDrive('d');
  const std::string bytes = ArchiveBytes(5 << 19);  // two and a half chunks
  WriteBytes(disc + "/theme.mix", bytes);
  dialogs.answers = {AnswerOk};

  CopySoundtrackArchive(state, 8);

  EXPECT_EQ(dialogs.waitLabels, std::vector<std::string>{"Copying file from Harrowgate CD."});
  const std::uint64_t total = bytes.size();
  EXPECT_EQ(dialogs.progress, (std::vector<std::pair<std::uint64_t, std::uint64_t>>{
                                  {1 << 20, total}, {2 << 20, total}, {total, total}}));
  EXPECT_FALSE(dialogs.waitWindowShown);
  EXPECT_EQ(ReadBytes(GameFile("ecachethemeHG.mix")), bytes);
}

// Broken-off copies used to leave a partial archive, which the existence
// test then took for a successful copy.
TEST_F(CopySoundtrackArchiveTest, AFailedCopyLeavesNothingPartialAndIsReported) {
  Start({.hgArchive = false, .allowHgDeletion = true});
  const std::string disc = AddCdDrive('d');
  WriteBytes(disc + "/theme.mix", ArchiveBytes(3 << 20));
  for (bool targetThere : {false, true}) {
    if (targetThere) WriteBytes(GameFile("ecachethemeHG.mix"), "the copy made last year");
    const std::string listing = GameFolderListing();
    for (bool platform::FileFaults::*fault :
         {&platform::FileFaults::failCreateTemporary, &platform::FileFaults::shortWrite,
          &platform::FileFaults::failRename}) {
      SCOPED_TRACE(listing);
      dialogs.messages.clear();
      dialogs.waitLabels.clear();
      dialogs.answers = {AnswerOk};
      platform::Faults() = {};
      platform::Faults().*fault = true;

      CopySoundtrackArchive(state, 8);
      platform::Faults() = {};

      EXPECT_EQ(dialogs.Texts(),
                (std::vector<std::string>{
                    kInsertHg, "Error copying \"" + prefix.CdRoot('d') + "\\theme.mix\" to \"" +
                                   kHgTarget + "\"."}));
      EXPECT_EQ(dialogs.waitLabels.size(), 1u);
      EXPECT_FALSE(dialogs.waitWindowShown);
      EXPECT_EQ(GameFolderListing(), listing);
      if (targetThere) {
        EXPECT_EQ(ReadBytes(GameFile("ecachethemeHG.mix")), "the copy made last year");
      }
      EXPECT_EQ(state.controls.cmdHG.caption, kCopyHgCaption);
      EXPECT_TRUE(state.controls.cmdHG.enabled);
      EXPECT_FALSE(state.controls.cboxSoundtrack[7].enabled);
    }
  }
}

}  // namespace
}  // namespace kvpm
