// cmdHG and cmdKV: each click deletes the soundtrack's archive from the game folder or
// copies it from the CD, as the button's caption says.

#include <gtest/gtest.h>

#include <filesystem>

#include "archives/SoundtrackArchives.h"
#include "platform/Files.h"
#include "playlist/SoundtrackSelection.h"
#include "state/ShowState.h"
#include "support/Program.h"

namespace kvpm {
namespace {

class SoundtrackArchivesTest : public test::Program {};

TEST_F(SoundtrackArchivesTest, EachClickDeletesOrCopiesAndTheWindowFollows) {
  test::WriteBytes(programFolder + "/kvpm.ini",
                   "[General]\r\nShowDisclaimer=no\r\nAllowHGDeletion=1\r\nAllowKVDeletion=1\r\n");
  prefix.CreateFile(Game("ecachethemeHG.mix"), "x");
  for (const std::string code : {"VM", "BR", "SL", "TV", "OM", "PW"}) {  // 8 heads the list
    std::filesystem::remove(prefix.Native(Game("ecachetheme" + code + ".mix")));
  }
  Start();
  SetSoundtrackSelection(state, 8, true);
  prefix.CreateFile("C:\\theme.mix", "a fixed drive is never searched");
  prefix.AddCdDrive('d', false);
  const std::string e = prefix.AddCdDrive('e'), f = prefix.AddCdDrive('f');
  test::WriteBytes(e + "/thememd.mix", "KV from E");
  test::WriteBytes(e + "/data/theme.mix", "not in the root");
  const std::string ask = "Are you sure you wish to delete the Harrowgate soundtrack from your "
                          "computer?#1", insert = "Please insert a Harrowgate CD and click OK.#1";
  const std::string none = "Could not detect a Harrowgate CD.#", wait = "Copying file from ";
  const std::string copyHg = kCopyHgCaption + " 00 9 ";
  struct Case {
    int s;  // the button's soundtrack; the user answers OK, then Retry
    bool platform::FileFaults::*fault;
    bool disc, allowed;  // a Harrowgate CD in F:, AllowKVDeletion
    std::vector<std::string> told;  // wait labels, messages (#0 OK, #1 OK/Cancel, #3 Retry/Cancel)
    std::string window;  // the button, its box (enabled, value), the list's soundtrack, the archive
  };
  const Case cases[] = {
      {8, &platform::FileFaults::failDelete, false, true,
       {ask, "Error deleting Harrowgate soundtrack.#0"}, kDeleteHgCaption + " 00 9 x"},
      {8, nullptr, false, true, {ask, "Harrowgate soundtrack deleted.#0"}, copyHg},
      {8, nullptr, false, true, {insert, none + "3", none + "3", none + "0"}, copyHg},
      {8, &platform::FileFaults::shortWrite, true, true, {wait + "Harrowgate CD.", insert,
       "Error copying \"" + prefix.CdRoot('f') + "\\theme.mix\" to \"" + test::kGameFolder +
       "\\ecachethemeHG.mix\".#0"}, copyHg},
      {8, nullptr, true, true, {wait + "Harrowgate CD.", insert, "Harrowgate soundtrack "
       "successfully copied.#0"}, kDeleteHgCaption + " 10 9 HG from F"},  // listed from next start
      {9, nullptr, false, true, {"Are you sure you wish to delete the Korvale soundtrack "
       "from your computer?#1", "Korvale soundtrack deleted.#0"}, kCopyKvCaption + " 12 9 "},
      {9, nullptr, false, false, {wait + "Korvale CD.",
       "Please insert a Korvale CD and click OK.#1",
       "Korvale soundtrack successfully copied.#0"}, kCopyKvCaption + " (off) 12 9 KV from E"},
  };
  ShowSoundtrack(state, 8);  // the list shows the soundtrack that its first deletion takes away
  for (const Case& c : cases) {
    SCOPED_TRACE(&c - cases);
    dialogs = {};
    dialogs.answers = {AnswerOk, AnswerRetry, AnswerRetry};
    if (c.disc) test::WriteBytes(f + "/theme.mix", "HG from F");
    state.settings.allowKvDeletion = c.allowed;
    if (c.fault) platform::Faults().*c.fault = true;
    ArchiveButtonClicked(state, c.s);
    platform::Faults() = {};
    std::vector<std::string> told = dialogs.waitLabels;
    for (std::size_t i = 0; i < dialogs.texts.size(); ++i) {
      told.push_back(dialogs.texts[i] + "#" + std::to_string(static_cast<int>(dialogs.buttons[i])));
    }
    EXPECT_EQ(told, c.told);
    EXPECT_FALSE(dialogs.waitShown);
    const ControlStates controls = ShowState(state);
    const Button& button = c.s == 8 ? controls.cmdHG : controls.cmdKV;
    const CheckBox& box = controls.cboxSoundtrack[c.s - 1];
    EXPECT_EQ(button.caption + (button.enabled ? " " : " (off) ") + std::to_string(box.enabled) +
                  std::to_string(box.value) + " " + std::to_string(ShownSoundtrack(state)) + " " +
                  GameBytes(c.s == 8 ? "ecachethemeHG.mix" : "thememd.mix"),
              c.window);
    // From the first deletion on, a failed one too, soundtrack 8's tracks are out; 9's stay.
    EXPECT_TRUE(!state.playlist.trackSelected[8][1] && state.playlist.trackSelected[9][1]);
  }
}

}  // namespace
}  // namespace kvpm
