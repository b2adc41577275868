// Start-up: the game is found or the program ends, and the window opens with the active
// playlist, the game's audio switches, kvpm.ini's settings and, on a first start, About.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "settings/Settings.h"
#include "state/ShowState.h"
#include "support/Program.h"

namespace kvpm {
namespace {

using test::FakePrefix, test::kBaseGameKey, test::kExpansionKey, test::kCompilationKey;

const std::string kKv = test::kGameFolder, kSuite = "C:\\Anthology", kGone = "C:\\x\\gone.exe";
const std::string kNoBase = "Harrowgate is not installed! Please install Harrowgate.";
const std::string kUpdate = "The KV Playlist Manager requires version 1.001 of Korvale.\r\n"
                            "Please update your installation of Korvale.";
const std::string kOwn = "[Themes]\n214=x\n[KVPMINTR]\nOption=1\n[KVPMOPTS]\nShuffle=no\nMusic=";

void Hg(FakePrefix& p, const std::string& exe) { p.SetValue(kBaseGameKey, "InstallPath", exe); }
void Kv(FakePrefix& p, const std::string& exe) { p.SetValue(kExpansionKey, "InstallPath", exe); }
void Version(FakePrefix& p, unsigned v) { p.SetValue(kExpansionKey, "Version", v); }
void Theme(FakePrefix& p, const std::string& bytes) { p.CreateFile(kKv + "thememd.ini", bytes); }
void Audio(FakePrefix& p, const std::string& bytes) { p.CreateFile(kKv + "HGMD.INI", bytes); }
// The compilation's keys for both games, naming the folder; the games are in kSuite.
void Anthology(FakePrefix& p, const std::string& folder, bool archive = true) {
  for (const auto& [game, exe] : {std::pair{"hg_", "Harrowgate.exe"}, {"kv_", "gamemd.exe"}}) {
    p.SetValue(kCompilationKey, game + std::string("folder"), folder);
    p.SetValue(kCompilationKey, game + std::string("executable"), exe);
    p.CreateFile(kSuite + "\\" + exe);
  }
  if (archive) p.CreateFile(kSuite + "\\expandmd01.mix");
}

TEST(StartupTest, TheProgramEndsOrOpensItsWindowAsTheInstallationAndKvpmIniSay) {
  const std::string untitled = " New Playlist - KV Playlist Manager ";
  struct Case {
    std::function<void(FakePrefix&)> setup;  // changes to the installed game, all archives there
    std::string general, message;  // kvpm.ini's [General] lines ("-": no kvpm.ini)
    // Game folder (+: compilation's), caption, menu_disable, Music, Shuffle, playlist read,
    // MaxRecentFiles, AllowHG/KVDeletion, SaveKVLNames, About in front.
    std::string window, after = "";  // kvpm.ini's [General] afterwards, "" for unchanged
  };
  const Case cases[] = {
      {[](auto& p) { Hg(p, kGone); }, "", kNoBase, ""},
      {[](auto& p) { Hg(p, ""); Anthology(p, "C:\\Elsewhere"); }, "", kNoBase, ""},
      {[](auto& p) { Kv(p, kKv + "nothing.exe"); }, "",
       "Korvale is not installed! Please install Korvale", kKv + "n"},
      {[](auto& p) { Version(p, 65536u); }, "", kUpdate, kKv},
      {[](auto& p) { std::filesystem::remove(p.Native(kKv + "expandmd01.mix")); }, "", kUpdate,
       kKv},
      {[](auto& p) { Kv(p, ""); Anthology(p, kSuite, false); }, "", kUpdate, kSuite + "+"},
      {[](auto& p) { Kv(p, kGone); Anthology(p, kSuite); Version(p, 65536u); },  // no version asked
       "ShowDisclaimer=FALSE\r\nMaxRecentFiles= ;-\r\nAllowHGDeletion=y\r\nAllowKVDeletion=\r\n",
       "", kSuite + "+" + untitled + "011 4nnn"},
      {[](auto& p) { Kv(p, ""); Anthology(p, kSuite + "\\"); }, "ShowDisclaimer=no\r\n",
       "", kSuite + "\\+" + untitled + "011 4nnn"},
      {[](auto& p) { Hg(p, kGone); Anthology(p, kSuite); Theme(p, kOwn + "no"); },
       "ShowDisclaimer=no ;seen\r\nMaxRecentFiles=6 ;how many\r\nAllowHGDeletion=YES ;button\r\n"
       "AllowKVDeletion=true\r\nSaveKVLNames=1", "", kKv + " KV Playlist Manager 100 read 6yyy"},
      // The game's audio settings win over the active playlist's.
      {[](auto& p) { Theme(p, kOwn + "1"); Audio(p, "[Audio]\nIsScoreShuffle=1\nInGameMusic=0"); },
       "ShowDisclaimer=maybe", "", kKv + " KV Playlist Manager 101 read 4nnn About",
       "ShowDisclaimer=no"},
      {[](auto& p) { Theme(p, "[Themes]\r\n214=x"); Audio(p, "[audio]\nInGameMusic=loud"); },
       "MaxRecentFiles=2\r\n\r\n[RecentFiles]\r\n",
       "A non-KVPM <thememd.ini> file has been detected. This file is probably part of a mod.\r\n"
       "Please note that any existing <thememd.ini> file will be overwritten when Activating a "
       "custom playlist.", kKv + untitled + "100 2nnn About",
       "MaxRecentFiles=2\r\nShowDisclaimer=no\r\n\r\n[RecentFiles]\r\n"},
      {[](FakePrefix&) {}, "-", "", kKv + untitled + "011 0nnn About"},  // a first start
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(&c - cases);
    FakePrefix prefix;
    prefix.InstallGame();
    for (const char* archive : test::kArchives) prefix.CreateFile(kKv + archive);
    c.setup(prefix);
    const std::string program = prefix.Root() + "/program", settings = program + "/kvpm.ini";
    test::WriteBytes(settings, "[General]\r\n" + c.general);
    if (c.general == "-") std::filesystem::remove(settings);
    test::FakeDialogs user;
    MainState started{user};
    const StartupOutcome outcome = InitialiseMainWindow(started, program);
    const ControlStates window = ShowState(started);
    const Settings& read = started.settings;
    const Installation& game = started.installation;
    EXPECT_EQ(user.texts, c.message.empty() ? std::vector<std::string>{} : std::vector{c.message});
    EXPECT_EQ(game.gameFolder + (game.compilationInstall ? "+" : "") +
                  (outcome == StartupOutcome::EndProgram ? "" : " " + window.caption + " " +
                  "01"[window.menu_disable.enabled] + std::to_string(window.cboxMusic.value) +
                  std::to_string(window.cboxShuffle.value) +
                  (started.playlist.trackSelected[13][1] ? " read " : " ") +
                  std::to_string(read.maxRecentFiles) + "ny"[read.allowHgDeletion] +
                  "ny"[read.allowKvDeletion] + "ny"[read.saveKvlNames]) +
                  (window.enabled || outcome != StartupOutcome::ShowWindowAndAbout ? "" : " About"),
              c.window);
    if (c.general != "-") {
      EXPECT_EQ(test::ReadBytes(settings),
                "[General]\r\n" + (c.after.empty() ? c.general : c.after));
    }
  }
}

TEST(MaxRecentFilesTest, TheLeadingNumberRoundedHalfToEvenAndClamped) {
  const std::pair<std::string, int> cases[] = {{"12", 9}, {"-3", 0}, {"2.5", 2}, {"3.5", 4},
      {"0.5", 0}, {"abc", 0}, {"", 0}, {"+5", 5}, {".6", 1}, {" 7 files", 7}, {"1 2", 9},
      {"8.49", 8}, {"1e1", 9}, {"1e400", 9}, {"-1e400", 0}, {"1e-400", 0}, {"inf", 0}, {".", 0}};
  for (const auto& [text, expected] : cases) EXPECT_EQ(ParseMaxRecentFiles(text), expected) << text;
}

}  // namespace
}  // namespace kvpm
