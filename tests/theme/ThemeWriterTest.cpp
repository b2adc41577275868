#include "theme/ThemeWriter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "playlist/Playlist.h"
#include "playlist/Slots.h"
#include "playlist/SoundtrackSelection.h"
#include "support/EditingFixture.h"
#include "support/FaultGuard.h"
#include "support/TempFolder.h"
#include "support/ThemeFileLines.h"

namespace kvpm {
namespace {

using testing::ReadBytes;
using testing::ThemeFileLines;
using testing::WriteBytes;

class ThemeWriterTest : public testing::EditingFixture {
 protected:
  static ThemeFileLines NewPlaylistFile() { return ThemeFileLines::Golden("new-playlist.ini"); }

  void SelectAllSoundtracks(bool value) {
    for (int s = 1; s <= kSoundtrackCount; ++s) SetSoundtrackSelection(state, s, value);
  }

  std::vector<std::string> FolderEntries(const std::string& folder) const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      names.push_back(entry.path().filename().string());
    }
    return names;
  }

  testing::FaultGuard faults;
};

TEST_F(ThemeWriterTest, ANewPlaylistIsWrittenAsTheGoldenFile) {
  EXPECT_EQ(ThemeFileText(state), NewPlaylistFile().Text());
}

TEST_F(ThemeWriterTest, AnEmptyPlaylistStillNumbersAllTracksAndWritesAllSections) {
  SelectAllSoundtracks(false);
  ThemeFileLines expected = NewPlaylistFile();
  for (int number = 6; number <= 263; ++number) expected.SetThemesEntry(number, "");
  EXPECT_EQ(ThemeFileText(state), expected.Text());
  EXPECT_EQ(ThemeFileLines(ThemeFileText(state)).TrackSectionNames().size(), 258u);
}

TEST_F(ThemeWriterTest, EveryTrackSelectedNamesItsSectionAtItsRunningNumber) {
  SelectAllSoundtracks(true);
  ThemeFileLines expected = NewPlaylistFile();
  const std::vector<std::string> sections = expected.TrackSectionNames();
  ASSERT_EQ(sections.size(), 258u);
  for (int k = 0; k < 258; ++k) expected.SetThemesEntry(6 + k, sections[k]);
  const std::string text = ThemeFileText(state);
  EXPECT_EQ(text, expected.Text());
  // The file order's landmarks: Nightward first, the generic tracks from 39, the user's last.
  for (const char* line : {"\r\n6=NWMARCH\r\n", "\r\n39=TRACK01\r\n", "\r\n88=TRACK50\r\n",
                           "\r\n214=USER01\r\n", "\r\n263=USER50\r\n"}) {
    EXPECT_NE(text.find(line), std::string::npos) << line;
  }
}

// Each slot's sound for options 0 to 3, the custom track being one of our choosing.
struct SlotCase {
  SlotId slot;
  std::string gameSection;
  std::string kvpmSection;
  int customSoundtrack, customTrack;
  std::vector<std::string> sounds;
};

TEST_F(ThemeWriterTest, EachSlotOptionWritesItsSoundAndKeepsTheCustomTrack) {
  const std::vector<SlotCase> cases{
      {Intro, "INTRO", "KVPMINTR", 13, 7, {"", "INTRO88", "Quarn", "USER07"}},
      {Loading, "LOADING", "KVPMLOAD", 1, 6, {"", "LOAD88", "Tamber", "bloodbrs"}},
      {Score, "SCORE", "KVPMSCOR", 8, 15, {"", "SCORE88", "ScoreX", "HgRoll"}},
  };
  for (const SlotCase& slotCase : cases) {
    for (int option = 0; option <= 3; ++option) {
      NewPlaylist(state);
      SetSlot(state, slotCase.slot, slotCase.customSoundtrack, slotCase.customTrack, kCustomOption);
      SelectOption(state, slotCase.slot, option);
      ThemeFileLines expected = NewPlaylistFile();
      expected.SetValue(slotCase.gameSection, "Sound", slotCase.sounds[option]);
      expected.SetValue(slotCase.kvpmSection, "Soundtrack",
                        std::to_string(slotCase.customSoundtrack));
      expected.SetValue(slotCase.kvpmSection, "Track", std::to_string(slotCase.customTrack));
      expected.SetValue(slotCase.kvpmSection, "Option", std::to_string(option));
      EXPECT_EQ(ThemeFileText(state), expected.Text())
          << slotCase.gameSection << " option " << option;
    }
  }
}

TEST_F(ThemeWriterTest, ACustomTrackOutsideTheCatalogueWritesNoSound) {
  state.introOption = kCustomOption;
  state.introSoundtrack = 11;
  state.introTrack = 4;  // soundtrack 11 has 3 tracks
  ThemeFileLines expected = NewPlaylistFile();
  expected.SetValue("INTRO", "Sound", "");
  expected.SetValue("KVPMINTR", "Soundtrack", "11");
  expected.SetValue("KVPMINTR", "Track", "4");
  expected.SetValue("KVPMINTR", "Option", "3");
  EXPECT_EQ(ThemeFileText(state), expected.Text());
}

TEST_F(ThemeWriterTest, KeptNamesAreWrittenOnlyWhileSaveKvlNamesIsOn) {
  state.kvlNames[1][3] = "Swamp Song";
  state.kvlNames[14][1] = "Caf\xe9 \x81 theme";  // 8-bit text passes as it is
  state.kvlNames[11][4] = "beyond the soundtrack's tracks";
  state.saveKvlNames = false;
  EXPECT_EQ(ThemeFileText(state), NewPlaylistFile().Text());

  state.saveKvlNames = true;
  ThemeFileLines expected = NewPlaylistFile();
  expected.InsertAfter("MARSHLT", "Normal=yes", "KVLName=Swamp Song");
  expected.InsertAfter("TRACK01", "Normal=yes", "KVLName=Caf\xe9 \x81 theme");
  EXPECT_EQ(ThemeFileText(state), expected.Text());
}

TEST_F(ThemeWriterTest, MusicAndShuffleAreYesOnlyWhenTicked) {
  struct Case {
    int music, shuffle;
    std::string musicText, shuffleText;
  };
  for (const Case& c : {Case{Unticked, Ticked, "no", "yes"}, Case{Ticked, Unticked, "yes", "no"},
                        Case{Partial, Partial, "no", "no"}, Case{Unticked, Unticked, "no", "no"}}) {
    state.controls.cboxMusic.value = c.music;
    state.controls.cboxShuffle.value = c.shuffle;
    ThemeFileLines expected = NewPlaylistFile();
    expected.SetValue("KVPMOPTS", "Music", c.musicText);
    expected.SetValue("KVPMOPTS", "Shuffle", c.shuffleText);
    EXPECT_EQ(ThemeFileText(state), expected.Text()) << c.music << c.shuffle;
  }
}

TEST_F(ThemeWriterTest, ATrackWithoutKeyOrSoundLeavesThoseLinesOut) {
  state.catalogue.trackKeys[12][1].clear();
  state.catalogue.trackSounds[12][2].clear();
  ThemeFileLines expected = NewPlaylistFile();
  expected.RemoveLine("NWMARCH", "Name=");
  expected.RemoveLine("LAMPVIGIL", "Sound=");
  EXPECT_EQ(ThemeFileText(state), expected.Text());
}

TEST_F(ThemeWriterTest, TheFileEndsWithTheEndMarkBetweenEmptyLines) {
  const std::string text = ThemeFileText(state);
  const std::string ending = "Normal=yes\r\n\r\n\r\n;END OF FILE\r\n\r\n";
  ASSERT_GE(text.size(), ending.size());
  EXPECT_EQ(text.substr(text.size() - ending.size()), ending);
  EXPECT_EQ(text.substr(0, 2), "\r\n");
}

TEST_F(ThemeWriterTest, WritingReplacesALongerFileWholly) {
  const std::string path = state.gameFolder + "mine.kvl";
  const std::string native = prefix.CreateFile(path, std::string(100000, 'x') + "\r\n");
  ASSERT_TRUE(WriteThemeFile(state, path));
  EXPECT_EQ(ReadBytes(native), NewPlaylistFile().Text());

  // A second playlist written over the first: the same as writing it new.
  SelectAllSoundtracks(false);
  ASSERT_TRUE(WriteThemeFile(state, path));
  EXPECT_EQ(ReadBytes(native), ThemeFileText(state));
  EXPECT_EQ(FolderEntries(prefix.Native(state.gameFolder)).size(), 12u)
      << "11 archives and the file";
}

TEST_F(ThemeWriterTest, AFailedWriteKeepsTheOldFileWholeAndSaysSo) {
  const std::string path = state.gameFolder + "thememd.ini";
  const std::string native = prefix.CreateFile(path, "[Themes]\r\nold file\r\n");
  for (bool platform::FileFaults::*fault :
       {&platform::FileFaults::failCreateTemporary, &platform::FileFaults::shortWrite,
        &platform::FileFaults::failRename}) {
    platform::Faults() = {};
    platform::Faults().*fault = true;
    EXPECT_FALSE(WriteThemeFile(state, path));
    EXPECT_EQ(ReadBytes(native), "[Themes]\r\nold file\r\n");
    EXPECT_EQ(FolderEntries(prefix.Native(state.gameFolder)).size(), 12u) << "no temporary left";
  }
}

TEST_F(ThemeWriterTest, APlaceWhereNoFileCanBeIsAFailedWrite) {
  prefix.CreateFile(state.gameFolder + "plain");
  EXPECT_FALSE(WriteThemeFile(state, state.gameFolder + "plain\\thememd.ini"));
  EXPECT_FALSE(WriteThemeFile(state, "Q:\\no drive\\thememd.ini"));
}

}  // namespace
}  // namespace kvpm
