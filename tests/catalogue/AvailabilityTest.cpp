#include "catalogue/Availability.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/FakeDialogs.h"
#include "support/FakePrefix.h"

namespace kvpm {
namespace {

using testing::FakeDialogs;
using testing::FakePrefix;
using testing::fakeGameFolder;

class AvailabilityTest : public ::testing::Test {
 protected:
  AvailabilityTest() {
    BuildSoundtrackTable(state.catalogue);
    state.gameFolder = fakeGameFolder;
    state.themeFile = state.gameFolder + "thememd.ini";
    prefix.CreateFolder(fakeGameFolder);
  }

  void Refresh(const std::vector<std::string>& gameFiles) {
    for (const std::string& name : gameFiles) prefix.CreateFile(state.gameFolder + name);
    RefreshArchiveButtons(state);
  }

  std::vector<int> Available() const {
    std::vector<int> numbers;
    for (int s = 1; s <= kSoundtrackCount; ++s) {
      if (state.controls.cboxSoundtrack[s - 1].enabled) numbers.push_back(s);
    }
    return numbers;
  }

  std::vector<int> ComboData() const {
    std::vector<int> data;
    for (const ComboItem& item : state.controls.comboSoundtrack.items) data.push_back(item.data);
    return data;
  }

  FakePrefix prefix;
  FakeDialogs dialogs;
  MainState state{dialogs};
};

TEST_F(AvailabilityTest, EmptyGameFolderOffersOnlyTheAlwaysPresentSoundtracks) {
  Refresh({});
  EXPECT_EQ(Available(), (std::vector<int>{9, 14}));
  EXPECT_EQ(ComboData(), (std::vector<int>{9, 14}));
  EXPECT_EQ(state.controls.comboSoundtrack.items[0].text, "Harrowgate: Korvale");
  EXPECT_EQ(state.controls.comboSoundtrack.items[1].text, "Generic Mod Soundtrack");
  EXPECT_EQ(state.controls.comboSoundtrack.selectedIndex, -1);

  EXPECT_EQ(state.controls.cmdHG.caption, "Copy HG Soundtrack from CD");
  EXPECT_TRUE(state.controls.cmdHG.enabled);
  EXPECT_EQ(state.controls.cmdKV.caption, "Copy KV   Soundtrack from CD");
  EXPECT_TRUE(state.controls.cmdKV.enabled);
  EXPECT_FALSE(state.controls.menu_disable.enabled);

  EXPECT_EQ(state.controls.cboxSoundtrack[0].caption, "Velmora");
  EXPECT_EQ(state.controls.cboxSoundtrack[12].caption, "Custom User Soundtrack");
}

TEST_F(AvailabilityTest, EveryArchiveFindsItsSoundtrack) {
  Refresh({"ecachethemeVM.mix", "ecachethemeQN.mix", "ecachethemeBR.mix", "ecachethemeSL.mix",
           "ecachethemeTV.mix", "ecachethemeOM.mix", "ecachethemePW.mix", "ecachethemeHG.mix",
           "ecachethemeZEP.mix", "ecachethemeHGX.mix", "ecachethemeNW.mix",
           "ecachethemeUSER.mix"});
  EXPECT_EQ(ComboData(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}));
  EXPECT_EQ(state.controls.comboSoundtrack.items[10].text, "Harrowgate Extra Tracks");
}

TEST_F(AvailabilityTest, AnyOneArchiveOfASoundtrackSuffices) {
  Refresh({"ecachethemeBRD2.mix", "ecachethemeOM1.mix"});
  EXPECT_EQ(ComboData(), (std::vector<int>{3, 6, 9, 14}));
}

TEST_F(AvailabilityTest, UserSoundFilesMakeTheUserSoundtrackAvailable) {
  Refresh({"User01.WAV"});
  EXPECT_EQ(ComboData(), (std::vector<int>{9, 13, 14}));
}

TEST_F(AvailabilityTest, TheUserPatternMatchesNoFoldersAndNoOtherNames) {
  prefix.CreateFolder(state.gameFolder + "user02.wav");
  Refresh({"myuser01.wav", "user01.wav.bak"});
  EXPECT_EQ(ComboData(), (std::vector<int>{9, 14}));
}

TEST_F(AvailabilityTest, FilesOfNoSoundtrackMakeNothingAvailable) {
  // theme.mix is the base game's CD name; only its copy's name counts.
  Refresh({"theme.mix", "ecachethemeXX.mix", "ecachethemeHG.mix.part", "thememd.ini"});
  EXPECT_EQ(ComboData(), (std::vector<int>{9, 14}));
  EXPECT_EQ(state.controls.cmdHG.caption, "Copy HG Soundtrack from CD");
  EXPECT_TRUE(state.controls.cmdHG.enabled);
}

TEST_F(AvailabilityTest, ArchiveNamesMatchInAnyLetterCase) {
  state.allowHgDeletion = true;
  state.allowKvDeletion = true;
  Refresh({"ECACHETHEMEVM.MIX", "EcacheThemeHG.Mix", "eCacheThemeZep1.mix", "THEMEMD.MIX"});
  EXPECT_EQ(ComboData(), (std::vector<int>{1, 8, 9, 10, 14}));
  EXPECT_EQ(state.controls.cmdHG.caption, "Delete HG Soundtrack from Disk");
  EXPECT_EQ(state.controls.cmdKV.caption, "Delete KV Soundtrack from Disk");
}

TEST_F(AvailabilityTest, AGameFolderWithoutTrailingBackslashWorksAlike) {
  prefix.CreateFile(std::string(fakeGameFolder) + "ecachethemeNW.mix");
  state.gameFolder = "C:\\Games\\Korvale";
  Refresh({});
  EXPECT_EQ(ComboData(), (std::vector<int>{9, 12, 14}));
}

TEST_F(AvailabilityTest, ArchiveCopiesAreOfferedForDeletionOnlyWhenAllowed) {
  struct Case {
    bool allowHg, allowKv;
    const char* hgCaption;
    bool hgEnabled;
    const char* kvCaption;
    bool kvEnabled;
  };
  for (const Case& c : {Case{false, false, "Copy HG Soundtrack from CD", false,
                             "Copy KV   Soundtrack from CD", false},
                        Case{true, false, "Delete HG Soundtrack from Disk", true,
                             "Copy KV   Soundtrack from CD", false},
                        Case{false, true, "Copy HG Soundtrack from CD", false,
                             "Delete KV Soundtrack from Disk", true},
                        Case{true, true, "Delete HG Soundtrack from Disk", true,
                             "Delete KV Soundtrack from Disk", true}}) {
    SCOPED_TRACE(::testing::Message() << "allowHg " << c.allowHg << ", allowKv " << c.allowKv);
    FakeDialogs caseDialogs;
    MainState caseState(caseDialogs);
    caseState.catalogue = state.catalogue;
    caseState.gameFolder = state.gameFolder;
    caseState.allowHgDeletion = c.allowHg;
    caseState.allowKvDeletion = c.allowKv;
    prefix.CreateFile(state.gameFolder + "ecachethemeHG.mix");
    prefix.CreateFile(state.gameFolder + "thememd.mix");
    RefreshArchiveButtons(caseState);
    EXPECT_EQ(caseState.controls.cmdHG.caption, c.hgCaption);
    EXPECT_EQ(caseState.controls.cmdHG.enabled, c.hgEnabled);
    EXPECT_EQ(caseState.controls.cmdKV.caption, c.kvCaption);
    EXPECT_EQ(caseState.controls.cmdKV.enabled, c.kvEnabled);
    // The expansion's copy never decides whether its soundtrack is available.
    EXPECT_TRUE(caseState.controls.cboxSoundtrack[8].enabled);
  }
}

TEST_F(AvailabilityTest, AnAmpersandInATitleIsDoubledInTheBoxOnly) {
  state.catalogue.soundtrackTitles[3] = "Brannoch & Sons";
  Refresh({"ecachethemeBR.mix"});
  EXPECT_EQ(state.controls.cboxSoundtrack[2].caption, "Brannoch && Sons");
  EXPECT_EQ(state.controls.comboSoundtrack.items[0].text, "Brannoch & Sons");
}

TEST(EscapeAmpersandsTest, DoublesEveryAmpersandAndKeepsTheRest) {
  EXPECT_EQ(EscapeAmpersands(""), "");
  EXPECT_EQ(EscapeAmpersands("Harrowgate: Korvale"), "Harrowgate: Korvale");
  EXPECT_EQ(EscapeAmpersands("&"), "&&");
  EXPECT_EQ(EscapeAmpersands("&&a & b&"), "&&&&a && b&&");
  EXPECT_EQ(EscapeAmpersands("caf\xe9 & co"), "caf\xe9 && co");
}

TEST_F(AvailabilityTest, OnlyAThemeFileOfThisProgramEnablesDeactivation) {
  struct Case {
    const char* contents;
    bool enabled;
  };
  for (const Case& c :
       {Case{"[KVPMINTR]\r\nSoundtrack=9\r\nTrack=2\r\nOption=1\r\n", true},
        Case{"[Themes]\r\n1=Quarn\r\n\r\n[INTRO]\r\nSound=INTRO88\r\n", false},
        Case{"[KVPMINTR]\r\nOption=;1\r\n", false},
        Case{"[KVPMLOAD]\r\nOption=1\r\n", false}}) {
    SCOPED_TRACE(c.contents);
    FakeDialogs caseDialogs;
    MainState caseState(caseDialogs);
    caseState.catalogue = state.catalogue;
    caseState.gameFolder = state.gameFolder;
    caseState.themeFile = state.themeFile;
    prefix.CreateFile(state.themeFile, c.contents);
    RefreshArchiveButtons(caseState);
    EXPECT_EQ(caseState.controls.menu_disable.enabled, c.enabled);
  }
}

TEST_F(AvailabilityTest, ThemeFileIsFoundInAnyLetterCase) {
  prefix.CreateFile(state.gameFolder + "THEMEMD.INI", "[KVPMINTR]\r\nOption=3\r\n");
  Refresh({});
  EXPECT_TRUE(state.controls.menu_disable.enabled);
}

}  // namespace
}  // namespace kvpm
