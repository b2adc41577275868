// Start-up: the game is found or the program ends, and the window opens with the active
// playlist, the game's audio switches, kvpm.ini's settings and, on a first start, About.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>

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

// What the window shows after start-up; the program ends with no window.
struct Window {
  std::string caption = "New Playlist - KV Playlist Manager";
  bool deactivate = false;  // menu_disable enabled
  int music = Ticked, shuffle = Ticked;
  bool read = false;  // the active playlist (track 13/1) was read
  int maxRecentFiles = 4;
  bool allowHg = false, allowKv = false, saveKvlNames = false, about = false;
};

struct Case {
  std::function<void(FakePrefix&)> setup;  // changes to the installed game, all archives there
  std::string general = "", message = "";  // kvpm.ini's [General] lines ("-": no kvpm.ini)
  std::string folder = "";                 // the game folder found
  bool compilation = false;                // through the compilation's keys
  std::optional<Window> window = std::nullopt;  // none: the program ends
  std::string after = "";  // kvpm.ini's [General] afterwards, "" for unchanged
};

const Case kCases[] = {
    {.setup = [](auto& p) { Hg(p, kGone); }, .message = kNoBase},
    {.setup = [](auto& p) { Hg(p, ""); Anthology(p, "C:\\Elsewhere"); }, .message = kNoBase},
    {.setup = [](auto& p) { Kv(p, kKv + "nothing.exe"); },
     .message = "Korvale is not installed! Please install Korvale", .folder = kKv + "n"},
    {.setup = [](auto& p) { Version(p, 65536u); }, .message = kUpdate, .folder = kKv},
    {.setup = [](auto& p) { std::filesystem::remove(p.Native(kKv + "expandmd01.mix")); },
     .message = kUpdate, .folder = kKv},
    {.setup = [](auto& p) { Kv(p, ""); Anthology(p, kSuite, false); }, .message = kUpdate,
     .folder = kSuite, .compilation = true},
    {.setup = [](auto& p) { Kv(p, kGone); Anthology(p, kSuite); Version(p, 65536u); },  // no
     .general = "ShowDisclaimer=FALSE\r\nMaxRecentFiles= ;-\r\nAllowHGDeletion=y\r\n"  // version
                "AllowKVDeletion=\r\n", .folder = kSuite, .compilation = true,  // asked
     .window = Window{}},
    {.setup = [](auto& p) { Kv(p, ""); Anthology(p, kSuite + "\\"); },
     .general = "ShowDisclaimer=no\r\n", .folder = kSuite + "\\", .compilation = true,
     .window = Window{}},
    {.setup = [](auto& p) { Hg(p, kGone); Anthology(p, kSuite); Theme(p, kOwn + "no"); },
     .general = "ShowDisclaimer=no ;seen\r\nMaxRecentFiles=6 ;how many\r\nAllowHGDeletion=YES "
                ";button\r\nAllowKVDeletion=true\r\nSaveKVLNames=1", .folder = kKv,
     .window = Window{.caption = "KV Playlist Manager", .deactivate = true, .music = Unticked,
                      .shuffle = Unticked, .read = true, .maxRecentFiles = 6, .allowHg = true,
                      .allowKv = true, .saveKvlNames = true}},
    // The game's audio settings win over the active playlist's.
    {.setup = [](auto& p) {
       Theme(p, kOwn + "1");
       Audio(p, "[Audio]\nIsScoreShuffle=1\nInGameMusic=0");
     }, .general = "ShowDisclaimer=maybe", .folder = kKv,
     .window = Window{.caption = "KV Playlist Manager", .deactivate = true, .music = Unticked,
                      .read = true, .about = true}, .after = "ShowDisclaimer=no"},
    {.setup = [](auto& p) { Theme(p, "[Themes]\r\n214=x"); Audio(p, "[audio]\nInGameMusic=loud"); },
     .general = "MaxRecentFiles=2\r\n\r\n[RecentFiles]\r\n",
     .message = "A non-KVPM <thememd.ini> file has been detected. This file is probably part of "
                "a mod.\r\nPlease note that any existing <thememd.ini> file will be overwritten "
                "when Activating a custom playlist.", .folder = kKv,
     .window = Window{.deactivate = true, .music = Unticked, .shuffle = Unticked,
                      .maxRecentFiles = 2, .about = true},
     .after = "MaxRecentFiles=2\r\nShowDisclaimer=no\r\n\r\n[RecentFiles]\r\n"},
    {.setup = [](FakePrefix&) {}, .general = "-", .folder = kKv,  // a first start
     .window = Window{.maxRecentFiles = 0, .about = true}},
};

class StartupTest : public test::Program, public ::testing::WithParamInterface<Case> {};

TEST_P(StartupTest, TheProgramEndsOrOpensItsWindowAsTheInstallationAndKvpmIniSay) {
  const Case& c = GetParam();
  c.setup(prefix);
  const std::string settings = programFolder + "/kvpm.ini";
  test::WriteBytes(settings, "[General]\r\n" + c.general);
  if (c.general == "-") std::filesystem::remove(settings);
  const StartupOutcome outcome = Start();
  EXPECT_EQ(dialogs.texts, c.message.empty() ? std::vector<std::string>{} : std::vector{c.message});
  EXPECT_EQ(state.installation.gameFolder, c.folder);
  EXPECT_EQ(state.installation.compilationInstall, c.compilation);
  EXPECT_EQ(outcome == StartupOutcome::EndProgram, !c.window);
  if (c.window) {
    const ControlStates window = ShowState(state);
    EXPECT_EQ(window.caption, c.window->caption);
    EXPECT_EQ(window.menu_disable.enabled, c.window->deactivate);
    EXPECT_EQ(window.cboxMusic.value, c.window->music);
    EXPECT_EQ(window.cboxShuffle.value, c.window->shuffle);
    EXPECT_EQ(state.playlist.trackSelected[13][1], c.window->read);
    EXPECT_EQ(state.settings.maxRecentFiles, c.window->maxRecentFiles);
    EXPECT_EQ(state.settings.allowHgDeletion, c.window->allowHg);
    EXPECT_EQ(state.settings.allowKvDeletion, c.window->allowKv);
    EXPECT_EQ(state.settings.saveKvlNames, c.window->saveKvlNames);
    EXPECT_EQ(outcome == StartupOutcome::ShowWindowAndAbout, c.window->about);
    EXPECT_EQ(window.enabled, !c.window->about);
  }
  if (c.general != "-") {
    EXPECT_EQ(test::ReadBytes(settings), "[General]\r\n" + (c.after.empty() ? c.general : c.after));
  }
}

INSTANTIATE_TEST_SUITE_P(EachInstallation, StartupTest, ::testing::ValuesIn(kCases));

TEST(MaxRecentFilesTest, TheLeadingNumberRoundedHalfToEvenAndClamped) {
  const std::pair<std::string, int> cases[] = {{"12", 9}, {"-3", 0}, {"2.5", 2}, {"3.5", 4},
      {"0.5", 0}, {"abc", 0}, {"", 0}, {"+5", 5}, {".6", 1}, {" 7 files", 7}, {"1 2", 9},
      {"8.49", 8}, {"1e1", 9}, {"1e400", 9}, {"-1e400", 0}, {"1e-400", 0}, {"inf", 0}, {".", 0}};
  for (const auto& [text, expected] : cases) EXPECT_EQ(ParseMaxRecentFiles(text), expected) << text;
}

}  // namespace
}  // namespace kvpm
