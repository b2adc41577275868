// cmdHG and cmdKV: each click deletes the soundtrack's archive from the game folder or
// copies it from the CD, as the button's caption says.

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "archives/SoundtrackArchives.h"
#include "platform/Files.h"
#include "playlist/SoundtrackSelection.h"
#include "state/ShowState.h"
#include "support/Program.h"

namespace kvpm {
namespace {

using Told = std::vector<std::pair<std::string, Buttons>>;
using Progress = std::vector<std::pair<std::uint64_t, std::uint64_t>>;  // bytes copied, of all

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
  const std::pair<std::string, Buttons> ask = {"Are you sure you wish to delete the Harrowgate "
      "soundtrack from your computer?", Buttons::OkCancel}, insert = {"Please insert a Harrowgate "
      "CD and click OK.", Buttons::OkCancel}, retry = {"Could not detect a Harrowgate CD.",
      Buttons::RetryCancel}, deleted = {"Harrowgate soundtrack deleted.", Buttons::Ok};
  const std::string wait = "Copying file from Harrowgate CD.";
  const std::uint64_t disc = 5 << 19;  // the Harrowgate CD's archive: two and a half chunks
  struct Step {
    int s;  // the button's soundtrack
    std::deque<int> answers;
    Told told;
    std::string caption;                      // afterwards: the button's caption and state,
    bool enabled = true, boxEnabled = false;  // the soundtrack's box,
    int boxValue = Unticked, shown = 9;       // and the list's soundtrack
    std::string archive = "";  // how the archive in the game folder begins; "" for none
    std::vector<std::string> waits = {};
    Progress progress = {};
    bool platform::FileFaults::*fault = nullptr;
    bool discInF = false, vanished = false;  // before: a Harrowgate CD put in F:, the archive gone
    bool allowKv = true;                      // AllowKVDeletion
  };
  const Step steps[] = {
      {.s = 8, .answers = {AnswerCancel}, .told = {ask}, .caption = kDeleteHgCaption,
       .boxEnabled = true, .boxValue = Ticked, .shown = 8, .archive = "x"},
      {.s = 8, .answers = {AnswerOk}, .told = {ask, {"Error deleting Harrowgate soundtrack.",
       Buttons::Ok}}, .caption = kDeleteHgCaption, .archive = "x",
       .fault = &platform::FileFaults::failDelete},  // the tracks go all the same
      {.s = 8, .answers = {AnswerOk}, .told = {ask, deleted}, .caption = kCopyHgCaption},
      {.s = 8, .answers = {AnswerCancel}, .told = {insert}, .caption = kCopyHgCaption},
      {.s = 8, .answers = {AnswerOk, AnswerCancel}, .told = {insert, retry},
       .caption = kCopyHgCaption},
      {.s = 8, .answers = {AnswerOk, AnswerRetry, AnswerRetry}, .told = {insert, retry, retry,
       {"Could not detect a Harrowgate CD.", Buttons::Ok}}, .caption = kCopyHgCaption},
      {.s = 8, .answers = {AnswerOk}, .told = {insert, {"Error copying \"" + prefix.CdRoot('f') +
       "\\theme.mix\" to \"" + test::kGameFolder + "\\ecachethemeHG.mix\".", Buttons::Ok}},
       .caption = kCopyHgCaption, .waits = {wait}, .fault = &platform::FileFaults::shortWrite,
       .discInF = true},
      // Available at once, listed in the drop-down list from the next start.
      {.s = 8, .answers = {AnswerOk}, .told = {insert, {"Harrowgate soundtrack successfully "
       "copied.", Buttons::Ok}}, .caption = kDeleteHgCaption, .boxEnabled = true,
       .archive = "HG from F", .waits = {wait},
       .progress = {{1 << 20, disc}, {2 << 20, disc}, {disc, disc}}},
      {.s = 8, .answers = {AnswerOk}, .told = {ask}, .caption = kCopyHgCaption, .vanished = true},
      {.s = 9, .answers = {AnswerOk}, .told = {{"Are you sure you wish to delete the Korvale "
       "soundtrack from your computer?", Buttons::OkCancel}, {"Korvale soundtrack deleted.",
       Buttons::Ok}}, .caption = kCopyKvCaption, .boxEnabled = true, .boxValue = Partial},
      {.s = 9, .answers = {AnswerOk}, .told = {{"Please insert a Korvale CD and click OK.",
       Buttons::OkCancel}, {"Korvale soundtrack successfully copied.", Buttons::Ok}},
       .caption = kCopyKvCaption, .enabled = false, .boxEnabled = true, .boxValue = Partial,
       .archive = "KV from E", .waits = {"Copying file from Korvale CD."}, .progress = {{9, 9}},
       .allowKv = false},
  };
  ShowSoundtrack(state, 8);  // the list shows the soundtrack that its first deletion takes away
  for (const Step& step : steps) {
    SCOPED_TRACE(&step - steps);
    dialogs = {};
    dialogs.answers = step.answers;
    if (step.discInF) test::WriteBytes(f + "/theme.mix", "HG from F" + std::string(disc - 9, '.'));
    if (step.vanished) std::filesystem::remove(prefix.Native(Game("ecachethemeHG.mix")));
    state.settings.allowKvDeletion = step.allowKv;
    if (step.fault) platform::Faults().*step.fault = true;
    ArchiveButtonClicked(state, step.s);
    platform::Faults() = {};
    Told told;
    for (std::size_t i = 0; i < dialogs.texts.size(); ++i) {
      told.emplace_back(dialogs.texts[i], dialogs.buttons[i]);
    }
    EXPECT_EQ(told, step.told);
    EXPECT_EQ(dialogs.waitLabels, step.waits);
    EXPECT_EQ(dialogs.progress, step.progress);
    EXPECT_FALSE(dialogs.waitShown);
    const ControlStates controls = ShowState(state);
    const Button& button = step.s == 8 ? controls.cmdHG : controls.cmdKV;
    const CheckBox& box = controls.cboxSoundtrack[step.s - 1];
    EXPECT_EQ(std::tuple(button.caption, button.enabled, box.enabled, box.value),
              std::tuple(step.caption, step.enabled, step.boxEnabled, step.boxValue));
    EXPECT_EQ(ShownSoundtrack(state), step.shown);
    EXPECT_EQ(GameBytes(step.s == 8 ? "ecachethemeHG.mix" : "thememd.mix").substr(0, 9),
              step.archive);
    // From the first deletion on, a failed one too, soundtrack 8's tracks are out; 9's stay.
    EXPECT_EQ(state.playlist.trackSelected[8][1], &step == steps);
    EXPECT_TRUE(state.playlist.trackSelected[9][1]);
  }
}

}  // namespace
}  // namespace kvpm
