// Which files of the game folder make which soundtracks available.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "catalogue/Availability.h"
#include "state/ShowState.h"
#include "support/Program.h"

namespace kvpm {
namespace {

// The enabled boxes, the archive buttons and the menu entry; the drop-down list offers the same
// soundtracks by number, each with its box's title.
TEST(SoundtrackAvailability, FollowsTheArchivesInTheGameFolder) {
  const std::string copy = "| Copy HG Soundtrack from CD | Copy KV   Soundtrack from CD |";
  const struct {
    std::vector<std::string> files;
    bool allowHg, allowKv;
    const char* themeFile;
    std::string offered;
  } cases[] = {
      // Any one archive suffices; the CD's name theme.mix counts for nothing.
      {{"ecachethemeBRD2.mix", "ecachethemeOM1.mix", "ECACHETHEMEZEP2.MIX", "theme.mix"}, false,
       false, "[KVPMINTR]\r\nOption=;3\r\n[KVPMLOAD]\r\nOption=1\r\n", "3 6 9 10 14 " + copy},
      {{"User01.WAV"}, false, false, "[KVPMINTR]\r\nOption=1\r\n",
       "9 13 14 " + copy + " deactivate"},
      {{std::begin(test::kArchives), std::end(test::kArchives)}, true, false, nullptr,
       "1 3 4 5 6 7 8 9 10 11 12 13 14 | Delete HG Soundtrack from Disk"
       " | off: Copy KV   Soundtrack from CD |"},
      {{"ecachethemeHG.mix", "thememd.mix"}, false, true, nullptr,
       "8 9 14 | off: Copy HG Soundtrack from CD | Delete KV Soundtrack from Disk |"},
  };
  for (const auto& c : cases) {
    test::FakePrefix prefix;
    for (const std::string& name : c.files) prefix.CreateFile(test::kGameFolder + name);
    if (c.themeFile) prefix.CreateFile(test::kGameFolder + "thememd.ini", c.themeFile);
    test::FakeDialogs dialogs;
    const auto state = std::make_unique<MainState>(dialogs);
    BuildSoundtrackTable(state->catalogue);
    state->installation.gameFolder = test::kGameFolder;
    state->installation.themeFile = test::kGameFolder + "thememd.ini";
    state->settings.allowHgDeletion = c.allowHg;
    state->settings.allowKvDeletion = c.allowKv;
    RefreshArchiveButtons(*state);
    const ControlStates controls = ShowState(*state);
    std::string offered, entries;
    for (int s = 1; s <= kSoundtrackCount; ++s) {
      if (controls.cboxSoundtrack[s - 1].enabled) offered += std::to_string(s) + " ";
    }
    for (const ComboItem& item : controls.comboSoundtrack.items) {
      EXPECT_EQ(item.text, controls.cboxSoundtrack[item.data - 1].caption);
      entries += std::to_string(item.data) + " ";
    }
    EXPECT_EQ(entries, offered);
    for (const Button& button : {controls.cmdHG, controls.cmdKV}) {
      offered += (button.enabled ? "| " : "| off: ") + button.caption + " ";
    }
    EXPECT_EQ(offered + (controls.menu_disable.enabled ? "| deactivate" : "|"), c.offered);
  }
  EXPECT_EQ(EscapeAmpersands("&Brannoch && Sons&"), "&&Brannoch &&&& Sons&&");
}

}  // namespace
}  // namespace kvpm
