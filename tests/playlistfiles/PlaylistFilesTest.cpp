// Playlist files: the reader, the File menu's commands and the recent files.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <tuple>

#include "platform/Files.h"
#include "playlist/SoundtrackSelection.h"
#include "playlist/TrackList.h"
#include "playlistfiles/FileCommands.h"
#include "playlistfiles/PlaylistReader.h"
#include "playlistfiles/RecentFiles.h"
#include "state/ShowState.h"
#include "support/Program.h"

namespace kvpm {
namespace {

using Texts = std::vector<std::string>;

const std::string kUntitled = "New Playlist - KV Playlist Manager";
const std::string kOption = "[KVPMINTR]\r\nTrack=1\r\nOption=1\r\n";  // playlist file, bad Intro

class PlaylistFilesTest : public test::Program {
 protected:
  // Selected tracks, the slots, Game Music and Shuffle.
  std::string Playlist() {
    std::string text;
    for (int s = 1; s <= kSoundtrackCount; ++s) {
      for (int t = 1; t <= kMaxTracks; ++t) {
        if (!state.playlist.trackSelected[s][t]) continue;
        text += std::to_string(s) + "/" + std::to_string(t) + " ";
      }
    }
    for (SlotId id : {Intro, Loading, Score}) {
      const Slot& slot = state.playlist.slot[id];
      text += std::to_string(slot.option) + " " + std::to_string(slot.soundtrack) + "/" +
              std::to_string(slot.track) + (id == Score ? " " : "|");
    }
    return text + std::to_string(state.playlist.music) + std::to_string(state.playlist.shuffle);
  }
  std::string Bytes(const std::string& path) const { return test::ReadBytes(prefix.Native(path)); }
};

TEST_F(PlaylistFilesTest, EachFileGivesItsTracksSlotsAndSwitchesOrIsRefused) {
  std::filesystem::remove(prefix.Native(Game("ecachethemeNW.mix")));  // Nightward (12) not here
  Start();
  const std::string mine = "C:\\a", list = "\r\n\r\nQuillan\r\nKorvale: Nightward";
  const std::string mixed = kOption + "[Themes]\r\n6=x\r\n39=x\r\n159=x\r\n160=x\r\n172=x\r\n" +
                            "[KVPMSCOR]\r\nSoundtrack=12\r\nTrack=4\r\nOption=3\r\n";  // 2's, 12's
  const std::string untouched = "1 9/2|1 9/5|1 9/9 10", huge(6 << 20, '9');
  struct Case { std::string file, path, playlist, message = ""; };  // playlist "" for unchanged
  const Case cases[] = {
      // Tracks by running number, 39 the Generic Mod Soundtrack's first, 263 the last; any
      // value that is not all comment. Slot options 0 to 2 whatever the soundtrack.
      {"[Themes]\r\n5=x\r\n39=x\r\n263=x\r\n264=x\r\n40=;x\r\n41= ; x\r\n42=x;\r\n[KVPMOPTS]\r\n"
       "Music=no\r\nShuffle=yes\r\n[KVPMINTR]\r\nSoundtrack=13\r\nTrack=09\r\nOption=3\r\n"
       "[KVPMLOAD]\r\nSoundtrack=2\r\nTrack=14\r\nOption=2\r\n[KVPMSCOR]\r\nSoundtrack=2\r\n"
       "Track=3\r\nOption=0\r\n", mine, "13/50 14/1 14/4 3 13/9|2 2/14|0 2/3 01"},
      // Damaged slots keep their new values (no track, no option, no int); no key without "=".
      {"[KVPMINTR]\r\nSoundtrack=5\r\nTrack=9\r\nOption=2\r\n[KVPMLOAD]\r\nSoundtrack=5\r\nTrack=3"
       "\r\nOption=4\r\n[KVPMSCOR]\r\nSoundtrack=5\r\nTrack=3\r\nOption=" + huge + "\r\n[KVPMOPTS]"
       "\r\nMusic=loud\r\n[Themes]\r\n" + huge + "\r\n39=x", mine, "14/1 " + untouched},
      // Missing soundtracks once each, in number order; the first text for the theme file only.
      {mixed, test::kGameFolder + "THEMEMD.INI", "14/1 " + untouched,
       "Some tracks from the playlist \"THEMEMD.INI\" could not be enabled because you do not have "
       "the soundtrack files that they belong to.\r\nTracks from the following soundtracks have "
       "not been enabled:" + list},
      {mixed, test::kGameFolder + "thememd.ini", "14/1 " + untouched,
       "Some tracks in the currently active playlist could not be enabled because the soundtrack "
       "files that they belong to have been removed.\r\nThe following soundtrack files are "
       "missing:" + list},
      {"[KVPMINTR]\r\nOption= ;1", mine, "", "\"C:\\a\" is not a KVPM Playlist File!"},
      {"", "C:\\Games", "", "\"C:\\Games\" does not exist!"},  // a folder, not a file
      {kOption, mine, "", "\"C:\\a\" could not be read."},  // locked
      {kOption + std::string(16 << 20, ';'), mine, "", "\"C:\\a\" could not be read."},  // 16 MB+
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file.substr(0, 100));
    SelectTrack(state, 13, 7);  // a change that a file read replaces and a refused one keeps
    const std::string before = Playlist();
    state.playlist.title = state.playlist.file = "x";
    ShowSoundtrack(state, 5);
    dialogs.texts.clear();
    if (!c.file.empty()) prefix.CreateFile(c.path, c.file);
    platform::Faults().failRead = c.file == kOption;
    EXPECT_EQ(LoadPlaylistFile(state, c.path), !c.playlist.empty());
    platform::Faults() = {};
    EXPECT_EQ(Playlist(), c.playlist.empty() ? before : c.playlist);
    EXPECT_EQ(dialogs.texts, c.message.empty() ? Texts{} : Texts{c.message});
    EXPECT_EQ(state.playlist.title + state.playlist.file,
              c.playlist.empty() ? "xx" : "New Playlist");  // read: untitled, callers name it
    EXPECT_EQ(ShownSoundtrack(state), 9);
  }
}

// The File menu's commands, one after another over a list of recent files
// whose first place is empty; the menu shows three.
TEST_F(PlaylistFilesTest, TheFileMenuNamesTheWindowAsksBeforeReplacingAndKeepsTheRecentFiles) {
  const auto file = [this](const std::string& name) {  // a playlist selecting track 13/1
    prefix.CreateFile("C:\\P\\" + name, kOption + "[Themes]\r\n214=x\r\n");
    return "C:\\P\\" + name;
  };
  std::string list = "[General]\r\nShowDisclaimer=no\r\nMaxRecentFiles=3\r\n[RecentFiles]\r\n0=";
  for (int i = 1; i <= 8; ++i) list += "\r\n" + std::to_string(i) + "=" + file(std::to_string(i));
  test::WriteBytes(programFolder + "/kvpm.ini", list + "\r\n; kept\r\n");
  prefix.CreateFile("C:\\P\\notes", "[Themes]\r\n6=x\r\n");
  Start();
  const std::string one = Bytes("C:\\P\\1"), titled = " - KV Playlist Manager";
  const std::string replace = "\"C:\\P\\1\" already exists!\r\nAre you sure you want overwrite "
                              "this file?", moved = "The file \"C:\\P\\7\" has been moved/renamed/"
                              "deleted since it was last accessed.";
  enum Command { Open, Save, SaveAs, Recent, New };
  struct Step {
    Command command;
    std::deque<std::optional<std::string>> choices = {};  // in the file dialogs
    std::deque<int> answers = {};
    Texts told = {};
    std::string caption, file = "";  // the current file, which Save writes
    Texts menu;                      // items 1 to 3, "" for a hidden one
    std::string written = "", kept = "";  // a file that now holds the playlist, one left as it was
    std::function<void()> before = nullptr;
    int position = 0;  // of the recent file opened
  };
  const Step steps[] = {
      {.command = Open, .choices = {std::nullopt}, .caption = kUntitled,
       .menu = {"", "&2 C:\\P\\1", "&3 C:\\P\\2"}},
      {.command = Save, .choices = {"C:\\P\\1"}, .answers = {AnswerCancel}, .told = {replace},
       .caption = kUntitled, .menu = {"", "&2 C:\\P\\1", "&3 C:\\P\\2"}, .kept = "C:\\P\\1"},
      // The dialog again after a refused file; the same file as 4, in other letters.
      {.command = Open, .choices = {"C:\\P\\notes", "c:\\p\\4"},
       .told = {"\"C:\\P\\notes\" is not a KVPM Playlist File!"}, .caption = "c:\\p\\4" + titled,
       .file = "c:\\p\\4", .menu = {"&1 c:\\p\\4", "", "&3 C:\\P\\1"}},
      {.command = Open, .choices = {file("9")}, .caption = "C:\\P\\9" + titled, .file = "C:\\P\\9",
       .menu = {"&1 C:\\P\\9", "&2 c:\\p\\4", ""}},
      // No, then a file not written yet: it takes the first empty or missing place.
      {.command = SaveAs, .choices = {"C:\\P\\1", "C:\\P\\new"}, .answers = {AnswerNo},
       .told = {replace}, .caption = "C:\\P\\new" + titled, .file = "C:\\P\\new",
       .menu = {"&1 C:\\P\\new", "&2 C:\\P\\9", "&3 c:\\p\\4"}, .written = "C:\\P\\new",
       .kept = "C:\\P\\1", .before = [&] { SelectTrack(state, 13, 7); }},
      {.command = SaveAs, .choices = {"C:\\P\\1"}, .answers = {AnswerYes}, .told = {replace},
       .caption = "C:\\P\\1" + titled, .file = "C:\\P\\1",
       .menu = {"&1 C:\\P\\1", "&2 C:\\P\\new", "&3 C:\\P\\9"}, .written = "C:\\P\\1",
       .before = [&] {
         state.settings.saveKvlNames = true;
         state.playlist.kvlNames[1][1] = "Opening";
         state.playlist.music = Unticked;
       }},
      // A path that kvpm.ini cannot give back stays out of the list.
      {.command = SaveAs, .choices = {"C:\\P\\rock;pop"}, .caption = "C:\\P\\rock;pop" + titled,
       .file = "C:\\P\\rock;pop", .menu = {"&1 C:\\P\\1", "&2 C:\\P\\new", "&3 C:\\P\\9"},
       .written = "C:\\P\\rock;pop"},
      {.command = New, .caption = kUntitled, .menu = {"&1 C:\\P\\1", "&2 C:\\P\\new", "&3 C:\\P\\9"}},
      // A vanished file is told, a file that is there read as a new playlist: both move up,
      // and the open dialog's folder stays.
      {.command = Recent, .told = {moved}, .caption = kUntitled,
       .menu = {"&1 C:\\P\\7", "&2 C:\\P\\1", "&3 C:\\P\\new"}, .before = [&] {
         std::filesystem::remove(prefix.Native("C:\\P\\7"));
         prefix.CreateFolder("C:\\P\\7");  // a folder is no file
       }, .position = 9},
      {.command = Recent, .told = {moved}, .caption = kUntitled,
       .menu = {"&1 C:\\P\\7", "&2 C:\\P\\1", "&3 C:\\P\\new"}, .position = 1},
      {.command = Recent, .caption = kUntitled, .menu = {"&1 C:\\P\\1", "&2 C:\\P\\7",
       "&3 C:\\P\\new"}, .written = "C:\\P\\1", .position = 2},  // reads back the same
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(&step - steps);
    if (step.before) step.before();
    dialogs.texts.clear();
    (step.command == Open ? dialogs.openChoices : dialogs.saveChoices) = step.choices;
    dialogs.answers = step.answers;
    if (step.command == Open) FileOpen(state);
    if (step.command == Save) FileSave(state);
    if (step.command == SaveAs) FileSaveAs(state);
    if (step.command == Recent) OpenRecentFile(state, step.position);
    if (step.command == New) FileNew(state);
    EXPECT_EQ(dialogs.texts, step.told);
    const ControlStates controls = ShowState(state);
    EXPECT_EQ(controls.caption, step.caption);
    EXPECT_EQ(state.playlist.file, step.file);
    for (int n = 1; n <= 3; ++n) {
      EXPECT_EQ(controls.menu_file[n].visible ? controls.menu_file[n].caption : "",
                step.menu[n - 1]) << n;
    }
    EXPECT_FALSE(controls.menu_file[4].visible);
    EXPECT_TRUE(controls.menu_line4.visible);
    if (!step.written.empty()) {
      EXPECT_EQ(Bytes(step.written), ThemeText());
    }
    if (!step.kept.empty()) {
      EXPECT_EQ(Bytes(step.kept), one);
    }
  }
  EXPECT_EQ(dialogs.buttons[0], Buttons::YesNoCancel);
  EXPECT_EQ(test::ReadBytes(programFolder + "/kvpm.ini"),
            "[General]\r\nShowDisclaimer=no\r\nMaxRecentFiles=3\r\n[RecentFiles]\r\n0=C:\\P\\1\r\n"
            "1=C:\\P\\7\r\n2=C:\\P\\new\r\n3=C:\\P\\9\r\n4=c:\\p\\4\r\n5=C:\\P\\2\r\n6=C:\\P\\3\r\n"
            "7=C:\\P\\5\r\n8=C:\\P\\6\r\n; kept\r\n");
  const auto setup = [](const FileDialogSetup& d) {
    return std::tuple(d.title, d.filter, d.defaultExtension, d.initialFolder, d.fileName);
  };
  const std::string filter = "KVPM Playlist Files (*.kvl) | *.kvl";
  EXPECT_EQ(setup(dialogs.openDialogs[0]), std::tuple("Open", filter, "kvl", programFolder, ""));
  // From the second Open on, the folder of the file opened or saved last.
  EXPECT_EQ(setup(dialogs.openDialogs[3]), std::tuple("Open", filter, "kvl", "c:\\p", ""));
  EXPECT_EQ(setup(dialogs.saveDialogs[1]),
            std::tuple("Save As", filter, "kvl", programFolder, "C:\\P\\9"));
}

// Save writes the opened file again without a word, and Open of the game's
// theme file makes Save write the theme file.
TEST_F(PlaylistFilesTest, SaveAfterOpenWritesTheOpenedFileWithoutAWord) {
  Start();
  for (const std::string path : {"C:\\P\\a.kvl", "C:\\Games\\Korvale\\thememd.ini"}) {
    SCOPED_TRACE(path);
    prefix.CreateFile(path, test::Golden());
    dialogs.openChoices = {path};
    FileOpen(state);
    SelectTrack(state, 13, 7);
    FileSave(state);
    EXPECT_EQ(Bytes(path), test::Golden({{"\r\n220=\r\n", "\r\n220=USER07\r\n"}}));
    EXPECT_EQ(ShowState(state).caption, path + " - KV Playlist Manager");
    EXPECT_EQ(state.settings.recentFiles[1], path);
    EXPECT_EQ(dialogs.saveDialogs.size(), 0u);
    EXPECT_EQ(dialogs.texts, Texts{});
  }
  EXPECT_EQ(state.settings.recentFiles[2], "C:\\P\\a.kvl");
}

#ifndef _WIN32
// Names alike but for case are two files on Linux, as the file dialog shows them.
TEST_F(PlaylistFilesTest, SaveAsANameThatDiffersOnlyInCaseWritesANewFile) {
  Start();
  const std::string rock = programFolder + "/Rock.kvl", lower = programFolder + "/rock.kvl";
  test::WriteBytes(rock, "mine");
  dialogs.saveChoices = {lower};
  FileSaveAs(state);
  EXPECT_EQ(dialogs.texts, Texts{});
  EXPECT_EQ(test::ReadBytes(lower), test::Golden());
  EXPECT_EQ(test::ReadBytes(rock), "mine");
}
#endif

// The list keeps nine places whatever the menu shows: a new file, opened or
// saved, drops the ninth when all nine name files that are there.
struct Recent {
  int shown;  // MaxRecentFiles
  bool saveAs;
  Texts menu;  // items 1 to 9, "" for a hidden one
  std::string keys;  // [RecentFiles] afterwards
};

class RecentFilesTest : public test::Program, public ::testing::WithParamInterface<Recent> {};

TEST_P(RecentFilesTest, NinePlacesAreKeptAndTheMenuShowsAsManyAsMaxRecentFiles) {
  const Recent& c = GetParam();
  std::string list = "[General]\r\nShowDisclaimer=no\r\nMaxRecentFiles=" +
                     std::to_string(c.shown) + "\r\n[RecentFiles]";
  for (int i = 0; i <= 9; ++i) {
    prefix.CreateFile("C:\\P\\" + std::to_string(i), kOption);
    if (i < 9) list += "\r\n" + std::to_string(i) + "=C:\\P\\" + std::to_string(i + 1);
  }
  if (c.saveAs) std::filesystem::remove(prefix.Native("C:\\P\\0"));
  test::WriteBytes(programFolder + "/kvpm.ini", list + "\r\n");
  Start();
  (c.saveAs ? dialogs.saveChoices : dialogs.openChoices) = {"C:\\P\\0"};
  c.saveAs ? FileSaveAs(state) : FileOpen(state);
  const ControlStates controls = ShowState(state);
  for (int n = 1; n <= 9; ++n) {
    EXPECT_EQ(controls.menu_file[n].visible ? controls.menu_file[n].caption : "", c.menu[n - 1])
        << n;
  }
  EXPECT_EQ(controls.menu_line4.visible, c.shown > 0);
  EXPECT_EQ(test::ReadBytes(programFolder + "/kvpm.ini"),
            "[General]\r\nShowDisclaimer=no\r\nMaxRecentFiles=" + std::to_string(c.shown) +
                "\r\n[RecentFiles]\r\n" + c.keys);
}

const std::string kTenthFirst = "0=C:\\P\\0\r\n1=C:\\P\\1\r\n2=C:\\P\\2\r\n3=C:\\P\\3\r\n"
                                "4=C:\\P\\4\r\n5=C:\\P\\5\r\n6=C:\\P\\6\r\n7=C:\\P\\7\r\n8=C:\\P\\8\r\n";

INSTANTIATE_TEST_SUITE_P(
    OpenedOrSaved, RecentFilesTest,
    ::testing::Values(
        Recent{.shown = 0, .saveAs = false, .menu = Texts(9), .keys = kTenthFirst},
        Recent{.shown = 9, .saveAs = true,
               .menu = {"&1 C:\\P\\0", "&2 C:\\P\\1", "&3 C:\\P\\2", "&4 C:\\P\\3", "&5 C:\\P\\4",
                        "&6 C:\\P\\5", "&7 C:\\P\\6", "&8 C:\\P\\7", "&9 C:\\P\\8"},
               .keys = kTenthFirst},
        Recent{.shown = 4, .saveAs = false,
               .menu = {"&1 C:\\P\\0", "&2 C:\\P\\1", "&3 C:\\P\\2", "&4 C:\\P\\3", "", "", "", "", ""},
               .keys = kTenthFirst}));

}  // namespace
}  // namespace kvpm
