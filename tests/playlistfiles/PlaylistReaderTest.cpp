#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/Availability.h"
#include "playlist/Playlist.h"
#include "playlist/Slots.h"
#include "playlist/SoundtrackSelection.h"
#include "playlist/TrackList.h"
#include "playlistfiles/PlaylistReader.h"
#include "support/EditingFixture.h"
#include "support/FaultGuard.h"
#include "support/PlaylistRules.h"
#include "support/PlaylistSnapshot.h"
#include "theme/ThemeWriter.h"

namespace kvpm {
namespace {

using testing::PlaylistRulesHold;
using testing::SamePlaylist;
using testing::Snapshot;

const std::string kFolder = "C:\\Playlists\\";
const std::string kNewCaption = "New Playlist - KV Playlist Manager";

class PlaylistReaderTest : public testing::EditingFixture {
 protected:
  PlaylistReaderTest() {
    prefix.CreateFolder(kFolder);
    state.saveKvlNames = true;
  }

  std::string Put(const std::string& name, const std::string& bytes) {
    prefix.CreateFile(kFolder + name, bytes);
    return kFolder + name;
  }

  // A playlist that differs from a new one in every part the file keeps.
  void EditPlaylist() {
    SetSoundtrackSelection(state, 1, true);
    DeselectTrack(state, 9, 3);
    SelectTrack(state, 9, 10);
    SelectTrack(state, 13, 7);
    DeselectTrack(state, 14, 50);
    SetSlot(state, Intro, 13, 7, kCustomOption);
    SetSlot(state, Loading, 5, 3, kNoTrackOption);
    SetSlot(state, Score, 12, 4, kOriginalOption);
    state.kvlNames[1][1] = "Opening";
    state.kvlNames[14][50] = "Last Mod Track";  // kept although not selected
    state.controls.cboxMusic.value = Unticked;
    state.controls.cboxShuffle.value = Ticked;
  }

  // A state that the reader has to change completely to match a file.
  void ScrambleSwitches() {
    state.controls.cboxMusic.value = Ticked;
    state.controls.cboxShuffle.value = Unticked;
  }

  // Takes soundtrack s's first archive out of the game folder and decides
  // availability again, as the next start would.
  void RemoveArchive(int s) {
    std::filesystem::remove(
        prefix.Native(state.gameFolder + state.catalogue.soundtrackArchives[s][1]));
    state.controls = WindowControls();
    RefreshArchiveButtons(state);
    NewPlaylist(state);
  }
};

TEST_F(PlaylistReaderTest, AWrittenPlaylistReadsBackTheSame) {
  EditPlaylist();
  const testing::PlaylistSnapshot written = Snapshot(state);
  const std::string path = kFolder + "mine.kvl";
  ASSERT_TRUE(WriteThemeFile(state, path));

  NewPlaylist(state);
  ScrambleSwitches();
  ShowSoundtrack(state, 1);
  state.dialogSave.fileName = "C:\\Playlists\\other.kvl";
  EXPECT_TRUE(LoadPlaylistFile(state, path));
  EXPECT_TRUE(SamePlaylist(written, Snapshot(state)));
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_TRUE(PlaylistRulesHold(state));
  EXPECT_EQ(ShownSoundtrack(state), 9);
  // Read as a new playlist: untitled, whatever the caller makes of it.
  EXPECT_EQ(state.controls.caption, kNewCaption);
  EXPECT_EQ(state.dialogSave.fileName, "");
  // The kept names show in the list.
  ShowSoundtrack(state, 1);
  EXPECT_EQ(state.controls.lstTracks.items[0].text,
            state.catalogue.trackTitles[1][1] + " (Opening)");
  // Writing it again gives the same bytes.
  EXPECT_EQ(ThemeFileText(state), testing::ReadBytes(prefix.Native(path)));
}

TEST_F(PlaylistReaderTest, EveryTrackIsSetByItsRunningNumberOnly) {
  // Key 39 is track 1 of the Generic Mod Soundtrack; everything the new
  // playlist had selected goes.
  const std::string path = Put("one.kvl", "[Themes]\r\n39=TRACK01\r\n[KVPMINTR]\r\nOption=1\r\n");
  EXPECT_TRUE(LoadPlaylistFile(state, path));
  for (int s = 1; s <= kSoundtrackCount; ++s) {
    for (int t = 1; t <= state.catalogue.trackCounts[s]; ++t) {
      EXPECT_EQ(state.trackSelected[s][t], s == 14 && t == 1) << s << "/" << t;
    }
  }
  EXPECT_EQ(Boxes(), "00000000000002");
  EXPECT_TRUE(PlaylistRulesHold(state));
}

TEST_F(PlaylistReaderTest, TheFirstAndLastRunningNumbersAndAnyNonEmptyValue) {
  // 6 is track 1 of soundtrack 12, 263 track 50 of soundtrack 13; keys 1 to
  // 5 are not tracks; the value is not compared with the track's section.
  const std::string path =
      Put("ends.kvl",
          "[THEMES]\r\n1=INTRO\r\n5=HGOptions\r\n6=anything\r\n263=x\r\n264=TRACK01\r\n"
          "[KVPMINTR]\r\nOption=1\r\n");
  EXPECT_TRUE(LoadPlaylistFile(state, path));
  EXPECT_TRUE(state.trackSelected[12][1]);
  EXPECT_TRUE(state.trackSelected[13][50]);
  EXPECT_EQ(Boxes(), "00000000000220");
}

TEST_F(PlaylistReaderTest, CommentsInThemesValuesAndKeptNames) {
  const std::string path = Put("comments.kvl",
                               "[Themes]\r\n"
                               "39=;TRACK01\r\n"     // all comment: empty
                               "40=  ; TRACK02\r\n"  // blanks then comment: empty
                               "41=TRACK03;\r\n"     // text before the ";"
                               "42=x ; y\r\n"
                               "[TRACK03]\r\nKVLName=My Song ; the remark\r\n"
                               "[TRACK04]\r\nKVLName=;nothing\r\n"
                               "[KVPMINTR]\r\nOption=1 ;Custom\r\n");
  EXPECT_TRUE(LoadPlaylistFile(state, path));
  EXPECT_FALSE(state.trackSelected[14][1]);
  EXPECT_FALSE(state.trackSelected[14][2]);
  EXPECT_TRUE(state.trackSelected[14][3]);
  EXPECT_TRUE(state.trackSelected[14][4]);
  EXPECT_EQ(state.kvlNames[14][3], "My Song");
  EXPECT_EQ(state.kvlNames[14][4], "");
  EXPECT_TRUE(PlaylistRulesHold(state));
}

TEST_F(PlaylistReaderTest, GameMusicAndShuffleSwitches) {
  struct Case {
    std::string lines;
    int music, shuffle;
  };
  const std::vector<Case> cases = {
      {"", Ticked, Unticked},
      {"Music=no\r\nShuffle=yes\r\n", Unticked, Ticked},
      {"Music=loud\r\nShuffle=often\r\n", Ticked, Unticked},
      {"music=FALSE ;off\r\nSHUFFLE=1\r\n", Unticked, Ticked},
      {"Music=no \r\nShuffle= yes\r\n", Unticked, Ticked},
  };
  for (const Case& c : cases) {
    state.controls.cboxMusic.value = c.music == Ticked ? Unticked : Ticked;
    state.controls.cboxShuffle.value = c.shuffle == Ticked ? Unticked : Ticked;
    const std::string path =
        Put("switches.kvl", "[KVPMINTR]\r\nOption=1\r\n[KVPMOPTS]\r\n" + c.lines);
    EXPECT_TRUE(LoadPlaylistFile(state, path));
    EXPECT_EQ(state.controls.cboxMusic.value, c.music) << c.lines;
    EXPECT_EQ(state.controls.cboxShuffle.value, c.shuffle) << c.lines;
  }
}

class MissingSoundtracksTest : public PlaylistReaderTest {
 protected:
  // Three tracks of Quillan (2, never available here), a Custom Score slot
  // on Korvale: Nightward (12, made unavailable) and a Custom Intro on
  // Quillan; the rest is ordinary.
  std::string WriteMixedPlaylist() {
    EditPlaylist();
    for (int t : {1, 5, 14}) state.trackSelected[2][t] = true;
    state.trackSelected[12][2] = true;
    SetSlot(state, Intro, 2, 3, kCustomOption);
    SetSlot(state, Score, 12, 4, kCustomOption);
    expected = Snapshot(state);
    EXPECT_TRUE(WriteThemeFile(state, state.themeFile));
    RemoveArchive(12);
    // What is read: everything but the tracks and slots of 2 and 12.
    for (int t = 1; t <= kMaxTracks; ++t) expected.trackSelected[2][t] = false;
    for (int t = 1; t <= kMaxTracks; ++t) expected.trackSelected[12][t] = false;
    expected.slots[0] = kGenericModOption;
    expected.slots[1] = 9;
    expected.slots[2] = 2;
    expected.slots[6] = kGenericModOption;
    expected.slots[7] = 9;
    expected.slots[8] = 9;
    return testing::ReadBytes(prefix.Native(state.themeFile));
  }

  testing::PlaylistSnapshot expected;
};

const std::string kActiveMissingText =
    "Some tracks in the currently active playlist could not be enabled because the soundtrack "
    "files that they belong to have been removed.\r\n"
    "The following soundtrack files are missing:\r\n"
    "\r\nQuillan\r\nKorvale: Nightward";

TEST_F(MissingSoundtracksTest, TheActiveThemeFileNamesEachSoundtrackOnceInNumberOrder) {
  WriteMixedPlaylist();
  EXPECT_TRUE(LoadPlaylistFile(state, state.themeFile));
  EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{kActiveMissingText});
  EXPECT_EQ(dialogs.messages[0].buttons, Buttons::Ok);
  EXPECT_TRUE(SamePlaylist(expected, Snapshot(state)));
  EXPECT_TRUE(PlaylistRulesHold(state));
  EXPECT_EQ(ShownSoundtrack(state), 9);
}

TEST_F(MissingSoundtracksTest, AnyOtherPathNamesTheFileIncludingOneThatDiffersInCaseOnly) {
  const std::string bytes = WriteMixedPlaylist();
  const std::string copy = Put("Mixed Bag.kvl", bytes);
  // The same file as the theme file, spelled in other letter case.
  const std::string sameFileOtherCase = "C:\\Games\\Korvale\\THEMEMD.INI";
  for (const auto& [path, name] : {std::pair{copy, std::string("Mixed Bag.kvl")},
                                   std::pair{sameFileOtherCase, std::string("THEMEMD.INI")}}) {
    dialogs.messages.clear();
    EXPECT_TRUE(LoadPlaylistFile(state, path));
    EXPECT_EQ(dialogs.Texts(),
              std::vector<std::string>{
                  "Some tracks from the playlist \"" + name +
                  "\" could not be enabled because you do not have the soundtrack files that "
                  "they belong to.\r\n"
                  "Tracks from the following soundtracks have not been enabled:\r\n"
                  "\r\nQuillan\r\nKorvale: Nightward"});
    EXPECT_TRUE(SamePlaylist(expected, Snapshot(state)));
  }
}

TEST_F(MissingSoundtracksTest, OptionsOtherThanCustomAreTakenWhateverTheSoundtrack) {
  const std::string path = Put("other.kvl",
                               "[KVPMINTR]\r\nSoundtrack=2\r\nTrack=3\r\nOption=2\r\n"
                               "[KVPMLOAD]\r\nSoundtrack=2\r\nTrack=14\r\nOption=0\r\n");
  EXPECT_TRUE(LoadPlaylistFile(state, path));
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(state.introOption, kOriginalOption);
  EXPECT_EQ(state.introSoundtrack, 2);
  EXPECT_EQ(state.introTrack, 3);
  EXPECT_EQ(state.controls.optINTRO.label, "\"" + state.catalogue.trackTitles[2][3] + "\"");
  EXPECT_EQ(state.loadingOption, kNoTrackOption);
  EXPECT_EQ(state.loadingTrack, 14);
  EXPECT_TRUE(PlaylistRulesHold(state));
}

class RefusedFileTest : public PlaylistReaderTest {
 protected:
  RefusedFileTest() {
    EditPlaylist();
    ShowSoundtrack(state, 5);
    state.controls.caption = "C:\\Playlists\\mine.kvl - KV Playlist Manager";
    state.dialogSave.fileName = "C:\\Playlists\\mine.kvl";
    before = Snapshot(state);
  }

  // The refusal's message alone; nothing changed but the soundtrack shown.
  void ExpectRefused(const std::string& path, const std::string& message) {
    EXPECT_FALSE(LoadPlaylistFile(state, path));
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{message});
    EXPECT_TRUE(SamePlaylist(before, Snapshot(state)));
    EXPECT_EQ(state.controls.caption, "C:\\Playlists\\mine.kvl - KV Playlist Manager");
    EXPECT_EQ(state.dialogSave.fileName, "C:\\Playlists\\mine.kvl");
    EXPECT_EQ(ShownSoundtrack(state), 9);
    EXPECT_TRUE(PlaylistRulesHold(state));
  }

  testing::PlaylistSnapshot before;
};

TEST_F(RefusedFileTest, AMissingFile) {
  ExpectRefused(kFolder + "gone.kvl", "\"C:\\Playlists\\gone.kvl\" does not exist!");
}

TEST_F(RefusedFileTest, AFolderDoesNotCountAsAFile) {
  prefix.CreateFolder(kFolder + "folder.kvl");
  ExpectRefused(kFolder + "folder.kvl", "\"C:\\Playlists\\folder.kvl\" does not exist!");
}

TEST_F(RefusedFileTest, AWildcardThatMatchesAnotherFileNamesNoFile) {
  Put("real.kvl", "[KVPMINTR]\r\nOption=1\r\n");
  ExpectRefused(kFolder + "*.kvl", "\"C:\\Playlists\\*.kvl\" does not exist!");
}

TEST_F(RefusedFileTest, AThemeFileFromElsewhere) {
  const std::string path = Put("thememd.ini",
                               "[Themes]\r\n1=INTRO\r\n6=TRACK01\r\n[INTRO]\r\nSound=Quarn\r\n"
                               "[KVPMINTR]\r\nSoundtrack=13\r\n");
  ExpectRefused(path, "\"C:\\Playlists\\thememd.ini\" is not a KVPM Playlist File!");
}

TEST_F(RefusedFileTest, AnOptionThatIsEmptyOrAllComment) {
  for (const std::string option : {"Option=", "Option=   ", "Option= ;3", "[KVPMINTR]"}) {
    dialogs.messages.clear();
    const std::string path =
        Put("empty.kvl", "[KVPMINTR]\r\n" + option + "\r\n[KVPMOPTS]\r\nOption=1\r\n");
    ExpectRefused(path, "\"C:\\Playlists\\empty.kvl\" is not a KVPM Playlist File!");
  }
}

TEST_F(RefusedFileTest, AnUnreadableFile) {
  const std::string path = Put("locked.kvl", "[KVPMINTR]\r\nOption=1\r\n");
  testing::FaultGuard faults;
  faults->failRead = true;
  ExpectRefused(path, "\"C:\\Playlists\\locked.kvl\" could not be read.");
}

}  // namespace
}  // namespace kvpm
