// Damaged and hostile playlist files: the reader takes what it can trust,
// keeps the new-playlist value of anything else, and reads a huge file in
// one pass.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "playlist/Playlist.h"
#include "playlist/Slots.h"
#include "playlist/TrackList.h"
#include "playlistfiles/PlaylistReader.h"
#include "support/EditingFixture.h"
#include "support/PlaylistRules.h"
#include "support/PlaylistSnapshot.h"
#include "theme/ThemeWriter.h"

namespace kvpm {
namespace {

using testing::PlaylistRulesHold;

const std::string kPath = "C:\\Playlists\\damaged.kvl";
const std::string kNotAPlaylist = "\"C:\\Playlists\\damaged.kvl\" is not a KVPM Playlist File!";
constexpr std::size_t kHugeSize = 10 * 1024 * 1024;

class DamagedPlaylistTest : public testing::EditingFixture {
 protected:
  bool Load(const std::string& bytes) {
    prefix.CreateFile(kPath, bytes);
    dialogs.messages.clear();
    return LoadPlaylistFile(state, kPath);
  }
};

struct SlotValues {
  std::string soundtrack, track, option;
};

void PrintTo(const SlotValues& values, std::ostream* out) {
  *out << "Soundtrack=" << values.soundtrack << " Track=" << values.track
       << " Option=" << values.option;
}

class DamagedSlotTest : public DamagedPlaylistTest,
                        public ::testing::WithParamInterface<SlotValues> {};

// The Loading slot carries the damage; the Intro slot, whose Option makes
// the file a playlist file, and the Score slot are read as usual.
TEST_P(DamagedSlotTest, KeepsItsNewPlaylistValue) {
  const SlotValues& damaged = GetParam();
  ASSERT_TRUE(
      Load("[KVPMINTR]\r\nSoundtrack=13\r\nTrack=7\r\nOption=3\r\n"
           "[KVPMLOAD]\r\nSoundtrack=" +
           damaged.soundtrack + "\r\nTrack=" + damaged.track + "\r\nOption=" + damaged.option +
           "\r\n"
           "[KVPMSCOR]\r\nSoundtrack=12\r\nTrack=4\r\nOption=0\r\n"));
  EXPECT_EQ(state.loadingOption, kGenericModOption);
  EXPECT_EQ(state.loadingSoundtrack, 9);
  EXPECT_EQ(state.loadingTrack, 5);
  EXPECT_EQ(state.controls.optLOADING.selectedOption, kGenericModOption);
  EXPECT_EQ(state.controls.optLOADING.label, "\"Tamber Kit [KV Loading Theme]\"");
  EXPECT_EQ(state.introOption, kCustomOption);
  EXPECT_EQ(state.introTrack, 7);
  EXPECT_EQ(state.scoreOption, kNoTrackOption);
  EXPECT_EQ(state.scoreSoundtrack, 12);
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_TRUE(PlaylistRulesHold(state));
}

INSTANTIATE_TEST_SUITE_P(
    Values, DamagedSlotTest,
    ::testing::Values(
        // Empty or missing values.
        SlotValues{"", "3", "2"}, SlotValues{"5", "", "2"}, SlotValues{"5", "3", ""},
        SlotValues{";5", "3", "2"},
        // Not plain decimal numbers.
        SlotValues{"five", "3", "2"}, SlotValues{"5", "3.5", "2"}, SlotValues{"5", "3", "2.0"},
        SlotValues{"+5", "3", "2"}, SlotValues{"5", "0x3", "2"}, SlotValues{"5", "3", "1e0"},
        SlotValues{"5", "3 4", "2"}, SlotValues{"5", "3", "2x"}, SlotValues{"-5", "3", "2"},
        SlotValues{"5", "-0", "2"},
        // Numbers beyond any integer.
        SlotValues{"5", "99999999999999999999", "2"}, SlotValues{"4294967301", "3", "2"},
        // Out of range: option, soundtrack, track of the soundtrack.
        SlotValues{"5", "3", "9"}, SlotValues{"5", "3", "4"}, SlotValues{"15", "3", "2"},
        SlotValues{"0", "3", "2"}, SlotValues{"5", "51", "2"}, SlotValues{"5", "0", "2"},
        SlotValues{"5", "9", "2"},     // Tarvik has 8 tracks
        SlotValues{"12", "5", "3"}));  // Korvale: Nightward has 4

TEST_F(DamagedPlaylistTest, PlainNumbersWithBlanksCommentsOrLeadingZerosAreTaken) {
  ASSERT_TRUE(Load("[KVPMINTR]\r\nSoundtrack=  13 ;USER\r\nTrack=07\r\nOption=\t3 \r\n"));
  EXPECT_EQ(state.introOption, kCustomOption);
  EXPECT_EQ(state.introSoundtrack, 13);
  EXPECT_EQ(state.introTrack, 7);
  EXPECT_EQ(state.controls.optINTRO.label, "\"Personal Track 07\"");
}

TEST_F(DamagedPlaylistTest, ADamagedCustomSlotOfAnUnavailableSoundtrackIsNotReported) {
  // Not a track of the catalogue, so there is no soundtrack to name.
  ASSERT_TRUE(Load("[KVPMINTR]\r\nSoundtrack=2\r\nTrack=15\r\nOption=3\r\n"));
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(state.introOption, kGenericModOption);
  EXPECT_EQ(state.introSoundtrack, 9);
}

TEST_F(DamagedPlaylistTest, HugeGarbageIsRefused) {
  std::mt19937 random(20260807);
  const std::string alphabet = "[]=;\r\n KVPMINTRoption0123456789\t\xE9\xFF";
  std::string garbage(kHugeSize, ' ');
  for (char& c : garbage) {
    c = random() % 50 == 0 ? static_cast<char>(random() % 256)
                           : alphabet[random() % alphabet.size()];
  }
  EXPECT_FALSE(Load(garbage));
  EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{kNotAPlaylist});
  EXPECT_TRUE(PlaylistRulesHold(state));
}

TEST_F(DamagedPlaylistTest, EndlessSectionsAndKeysAfterAPlaylistDoNotChangeIt) {
  SelectTrack(state, 13, 7);
  SetSlot(state, Score, 13, 7, kCustomOption);
  const testing::PlaylistSnapshot written = testing::Snapshot(state);
  std::string bytes = ThemeFileText(state);
  // Later sections and keys of the same names never win over the first.
  for (int n = 0; bytes.size() < kHugeSize; ++n) {
    const std::string number = std::to_string(n);
    bytes += "[Noise" + number + "]\r\nKVLName=" + number + "\r\n[Themes]\r\n" +
             std::to_string(6 + n % 258) + "=X\r\n[KVPMSCOR]\r\nOption=0\r\n[Themes]\r\nk" +
             number + "=v\r\n";
  }
  NewPlaylist(state);
  EXPECT_TRUE(Load(bytes));
  EXPECT_TRUE(testing::SamePlaylist(written, testing::Snapshot(state)));
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(DamagedPlaylistTest, EndlessKeysBeforeThePlaylistsOwnAreRead) {
  std::string bytes = "[Themes]\r\n";
  for (int n = 264; bytes.size() < kHugeSize; ++n) bytes += std::to_string(n) + "=TRACK\r\n";
  bytes += "39=TRACK01\r\n[KVPMINTR]\r\nSoundtrack=9\r\nTrack=2\r\nOption=0\r\n";
  ASSERT_TRUE(Load(bytes));
  EXPECT_TRUE(state.trackSelected[14][1]);
  EXPECT_FALSE(state.trackSelected[14][2]);
  EXPECT_EQ(state.introOption, kNoTrackOption);
}

TEST_F(DamagedPlaylistTest, AHugeValueIsCutAndAHugeLineIsNoEntry) {
  // An Option of ten million letters makes a playlist file (a value is cut
  // to 254 characters) whose slot is no number; a line without "=" is nothing.
  const std::string letters(kHugeSize, 'x');
  ASSERT_TRUE(Load("[KVPMINTR]\r\nOption=" + letters + "\r\n[Themes]\r\n" + letters +
                   "\r\n[TRACK01]\r\nKVLName=" + letters + "\r\n"));
  EXPECT_EQ(state.introOption, kGenericModOption);
  EXPECT_EQ(state.kvlNames[14][1], std::string(254, 'x'));
  EXPECT_FALSE(state.trackSelected[14][1]);
  EXPECT_TRUE(PlaylistRulesHold(state));
}

}  // namespace
}  // namespace kvpm
