// Every file the program writes, under every fault the platform layer can inject:
// afterwards it is the old file or the new one, byte for byte, and the user is told so.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <tuple>

#include "platform/Files.h"
#include "playlist/TrackList.h"
#include "playlistfiles/FileCommands.h"
#include "playlistfiles/RecentFiles.h"
#include "settings/Settings.h"
#include "state/ShowState.h"
#include "support/Program.h"
#include "theme/Activation.h"

namespace kvpm {
namespace {

class WriteFaultsTest : public test::Program,
                        public ::testing::WithParamInterface<std::tuple<int, int>> {};

TEST_P(WriteFaultsTest, TheFileIsOldOrNewAndTheUserIsToldWhatHappened) {
  // The write faults first, then the read fault; no written file is ever deleted.
  using F = platform::FileFaults;
  constexpr bool F::*kFaults[] = {&F::failCreateTemporary, &F::shortWrite, &F::failRename,
                                  &F::failRead, &F::failDelete};
  const std::string old = "[Themes]\r\n; an older file\r\n", done = "Custom playlist activated.";
  static const std::string kNew = "C:\\Games\\new";  // beside the game, which goes with the test
  const std::string audio = "Could not update the game's audio settings in \"" + Game("HGMD.INI") +
                            "\".";
  struct File {
    std::string path, old;  // path "" for kvpm.ini; old "" for no file before
    std::function<void()> act;
    std::string written;  // "" for the playlist's theme file text
    bool readFaultKeepsOld;
    std::vector<std::string> told[3];  // when all goes well (failDelete too), on write/read faults
  };
  const File files[] = {
      {Game("thememd.ini"), old, [this] { ActivatePlaylist(state); }, "", false,
       {{done}, {"Error activating playlist."}, {done}}},
      // An unreadable HGMD.INI is never replaced: it may hold more than a read gave.
      {Game("HGMD.INI"), "[Audio]\r\nIsScoreRepeat=yes ;loop\r\nIsScoreShuffle=no\r\n",
       [this] { ApplyGameAudioSettings(state); },
       "[Audio]\r\nIsScoreRepeat=no\r\nIsScoreShuffle=yes\r\nInGameMusic=yes\r\n", true,
       {{}, {audio}, {audio}}},
      {kNew, "", [this] {
         dialogs.saveChoices = {kNew};
         FileSaveAs(state);  // the caption names the file that Save writes, after a failure too
         const std::string& current = state.playlist.file;
         EXPECT_EQ(ShowState(state).caption,
                   (current.empty() ? "New Playlist" : current) + " - KV Playlist Manager");
       }, "", false, {{}, {"Error saving playlist to \"C:\\Games\\new\"."}, {}}},
      // Failures to write kvpm.ini, the program's own business, are not told.
      {"", "", [this] {
         Settings firstStart;
         ReadSettings(firstStart, programFolder);
       }, test::ReadBytes(KVPM_FIXTURES_DIR "/settings/kvpm.ini"), false, {}},
      {"", "[RecentFiles]\r\n0=x\r\n; mine\r\n", [this] { AddRecentFile(state, "C:\\new"); },
       "[RecentFiles]\r\n0=C:\\new\r\n; mine\r\n1=\r\n2=\r\n3=\r\n4=\r\n5=\r\n6=\r\n7=\r\n8=\r\n",
       true, {}},
  };
  const auto [index, fault] = GetParam();
  const File& file = files[index];
  Start();
  SelectTrack(state, 13, 7);  // a playlist unlike any old file
  const std::string path =
      file.path.empty() ? programFolder + "/kvpm.ini" : prefix.Native(file.path);
  std::filesystem::remove(path);
  if (!file.old.empty()) test::WriteBytes(path, file.old);
  dialogs.texts.clear();
  platform::Faults().*kFaults[fault] = true;
  file.act();
  platform::Faults() = {};
  const bool keptOld = fault < 3 || (fault == 3 && file.readFaultKeepsOld);
  EXPECT_EQ(test::ReadBytes(path),
            keptOld ? file.old : file.written.empty() ? ThemeText() : file.written);
  EXPECT_EQ(dialogs.texts, file.told[fault < 3 ? 1 : fault == 3 ? 2 : 0]);
}

INSTANTIATE_TEST_SUITE_P(EveryFileAndFault, WriteFaultsTest,
                         ::testing::Combine(::testing::Range(0, 5), ::testing::Range(0, 5)));

}  // namespace
}  // namespace kvpm
