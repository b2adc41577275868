// Playlist files: the reader, the File menu's commands and the recent files.

#include <gtest/gtest.h>

#include <array>
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

using Track = std::pair<int, int>;
using Slots = std::array<std::array<int, 3>, 3>;  // option, soundtrack, track of each slot

class PlaylistFilesTest : public test::Program {
 protected:
  std::vector<Track> Selected() const {
    std::vector<Track> tracks;
    for (int s = 1; s <= kSoundtrackCount; ++s) {
      for (int t = 1; t <= kMaxTracks; ++t) {
        if (state.playlist.trackSelected[s][t]) tracks.emplace_back(s, t);
      }
    }
    return tracks;
  }
  Slots SlotValues() const {
    Slots slots;
    for (SlotId id : {Intro, Loading, Score}) {
      const Slot& slot = state.playlist.slot[id];
      slots[id] = {slot.option, slot.soundtrack, slot.track};
    }
    return slots;
  }
  std::string Bytes(const std::string& path) const { return test::ReadBytes(prefix.Native(path)); }
  // A playlist file selecting track 13/1.
  std::string PlaylistFile(const std::string& path) {
    prefix.CreateFile(path, kOption + "[Themes]\r\n214=x\r\n");
    return path;
  }
};

TEST_F(PlaylistFilesTest, EachFileGivesItsTracksSlotsAndSwitchesOrIsRefused) {
  std::filesystem::remove(prefix.Native(Game("ecachethemeNW.mix")));  // Nightward (12) not here
  Start();
  const std::string mine = "C:\\a", list = "\r\n\r\nQuillan\r\nKorvale: Nightward";
  const std::string files = KVPM_FIXTURES_DIR "/playlists/";
  const std::string mixed = test::ReadBytes(files + "missing-soundtracks.kvl");  // 2's, 12's
  const std::string huge(6 << 20, '9');
  const Slots fresh = {{{1, 9, 2}, {1, 9, 5}, {1, 9, 9}}};
  struct Case {
    std::string file, path;
    bool read;  // else refused, and the playlist stays
    std::vector<Track> tracks = {};
    Slots slots = {};
    int music = Ticked, shuffle = Unticked;
    std::string message = "";
  };
  const Case cases[] = {
      // Tracks by running number, 39 the Generic Mod Soundtrack's first, 263 the last; any
      // value that is not all comment. Slot options 0 to 2 whatever the soundtrack.
      {.file = test::ReadBytes(files + "every-part.kvl"), .path = mine, .read = true,
       .tracks = {{13, 50}, {14, 1}, {14, 4}}, .slots = {{{3, 13, 9}, {2, 2, 14}, {0, 2, 3}}},
       .music = Unticked, .shuffle = Ticked},
      // Damaged slots keep their new values (no track, no option, no int); no key without "=".
      {.file = "[KVPMINTR]\r\nSoundtrack=5\r\nTrack=9\r\nOption=2\r\n[KVPMLOAD]\r\nSoundtrack=5"
               "\r\nTrack=3\r\nOption=4\r\n[KVPMSCOR]\r\nSoundtrack=5\r\nTrack=3\r\nOption=" +
               huge + "\r\n[KVPMOPTS]\r\nMusic=loud\r\n[Themes]\r\n" + huge + "\r\n39=x",
       .path = mine, .read = true, .tracks = {{14, 1}}, .slots = fresh},
      {.file = "[KVPMINTR]\r\nSoundtrack=5\r\nTrack=3\r\nOption=-0", .path = mine, .read = true,
       .slots = fresh},  // a sign makes no number, not even of a zero
      // Missing soundtracks once each, in number order; the first text for the theme file only.
      {.file = mixed, .path = test::kGameFolder + "THEMEMD.INI", .read = true, .tracks = {{14, 1}},
       .slots = fresh, .message = "Some tracks from the playlist \"THEMEMD.INI\" could not be "
       "enabled because you do not have the soundtrack files that they belong to.\r\nTracks from "
       "the following soundtracks have not been enabled:" + list},
      {.file = mixed, .path = test::kGameFolder + "thememd.ini", .read = true, .tracks = {{14, 1}},
       .slots = fresh, .message = "Some tracks in the currently active playlist could not be "
       "enabled because the soundtrack files that they belong to have been removed.\r\nThe "
       "following soundtrack files are missing:" + list},
      {.file = "[KVPMINTR]\r\nOption= ;1", .path = mine, .read = false,
       .message = "\"C:\\a\" is not a KVPM Playlist File!"},
      {.file = "", .path = "C:\\Games", .read = false,  // a folder, not a file
       .message = "\"C:\\Games\" does not exist!"},
      {.file = kOption, .path = mine, .read = false,  // locked
       .message = "\"C:\\a\" could not be read."},
      {.file = kOption + std::string((16 << 20) - kOption.size(), ';'), .path = mine,
       .read = true, .slots = fresh},  // 16 MB, the most a file may have
      {.file = kOption + std::string(16 << 20, ';'), .path = mine, .read = false,  // over 16 MB
       .message = "\"C:\\a\" could not be read."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file.substr(0, 100));
    SelectTrack(state, 13, 7);  // a change that a file read replaces and a refused one keeps
    const std::vector<Track> tracks = Selected();
    const Slots slots = SlotValues();
    const int music = state.playlist.music, shuffle = state.playlist.shuffle;
    state.playlist.title = state.playlist.file = "x";
    ShowSoundtrack(state, 5);
    dialogs.texts.clear();
    if (!c.file.empty()) prefix.CreateFile(c.path, c.file);
    platform::Faults().failRead = c.file == kOption;
    EXPECT_EQ(LoadPlaylistFile(state, c.path), c.read);
    platform::Faults() = {};
    EXPECT_EQ(Selected(), c.read ? c.tracks : tracks);
    EXPECT_EQ(SlotValues(), c.read ? c.slots : slots);
    EXPECT_EQ(state.playlist.music, c.read ? c.music : music);
    EXPECT_EQ(state.playlist.shuffle, c.read ? c.shuffle : shuffle);
    EXPECT_EQ(dialogs.texts, c.message.empty() ? Texts{} : Texts{c.message});
    EXPECT_EQ(state.playlist.title, c.read ? "New Playlist" : "x");  // callers name it
    EXPECT_EQ(state.playlist.file, c.read ? "" : "x");
    EXPECT_EQ(ShownSoundtrack(state), 9);
  }
}

// The File menu's commands, one after another over a list of recent files
// whose first place is empty; the menu shows three.
TEST_F(PlaylistFilesTest, TheFileMenuNamesTheWindowAsksBeforeReplacingAndKeepsTheRecentFiles) {
  std::string list = "[General]\r\nShowDisclaimer=no\r\nMaxRecentFiles=3\r\n[RecentFiles]\r\n0=";
  for (int i = 1; i <= 8; ++i) {
    list += "\r\n" + std::to_string(i) + "=" + PlaylistFile("C:\\P\\" + std::to_string(i));
  }
  test::WriteBytes(programFolder + "/kvpm.ini", list + "\r\n; kept\r\n");
  prefix.CreateFile("C:\\P\\notes", "[Themes]\r\n6=x\r\n");
  Start();
  const std::string one = Bytes("C:\\P\\1"), titled = " - KV Playlist Manager";
  const std::string theme = test::kGameFolder + "thememd.ini";
  const std::string replace = "\"C:\\P\\1\" already exists!\r\nAre you sure you want overwrite "
                              "this file?", moved = "The file \"C:\\P\\7\" has been moved/renamed/"
                              "deleted since it was last accessed.";
  struct Step {
    void (*command)(MainState&);
    std::deque<std::optional<std::string>> choices = {};  // in the file dialogs
    std::deque<int> answers = {};
    Texts told = {};
    std::string file = "";  // the current file, which Save writes and the caption names
    Texts menu;                      // items 1 to 3, "" for a hidden one
    std::string written = "", kept = "";  // a file that now holds the playlist, one left as it was
    std::function<void()> before = nullptr;
  };
  const Texts p1p7new = {"&1 C:\\P\\1", "&2 C:\\P\\7", "&3 C:\\P\\new"},
              p7p1new = {"&1 C:\\P\\7", "&2 C:\\P\\1", "&3 C:\\P\\new"},
              p1new9 = {"&1 C:\\P\\1", "&2 C:\\P\\new", "&3 C:\\P\\9"},
              pTheme = {"&1 " + theme, "&2 C:\\P\\1", "&3 C:\\P\\7"};
  const Step steps[] = {
      {.command = FileOpen, .choices = {std::nullopt}, .menu = {"", "&2 C:\\P\\1", "&3 C:\\P\\2"}},
      {.command = FileSave, .choices = {"C:\\P\\1"}, .answers = {AnswerCancel}, .told = {replace},
       .menu = {"", "&2 C:\\P\\1", "&3 C:\\P\\2"}, .kept = "C:\\P\\1"},
      // The dialog again after a refused file; the same file as 4, in other letters.
      {.command = FileOpen, .choices = {"C:\\P\\notes", "c:\\p\\4"},
       .told = {"\"C:\\P\\notes\" is not a KVPM Playlist File!"}, .file = "c:\\p\\4",
       .menu = {"&1 c:\\p\\4", "", "&3 C:\\P\\1"}},
      {.command = FileOpen, .choices = {PlaylistFile("C:\\P\\9")}, .file = "C:\\P\\9",
       .menu = {"&1 C:\\P\\9", "&2 c:\\p\\4", ""}},
      // Save after Open writes without a word.
      {.command = FileSave, .file = "C:\\P\\9", .menu = {"&1 C:\\P\\9", "&2 c:\\p\\4", ""},
       .written = "C:\\P\\9", .before = [&] { SelectTrack(state, 13, 7); }},
      // No, then a file not written yet: it takes the first empty or missing place.
      {.command = FileSaveAs, .choices = {"C:\\P\\1", "C:\\P\\new"}, .answers = {AnswerNo},
       .told = {replace}, .file = "C:\\P\\new",
       .menu = {"&1 C:\\P\\new", "&2 C:\\P\\9", "&3 c:\\p\\4"}, .written = "C:\\P\\new",
       .kept = "C:\\P\\1"},
      {.command = FileSaveAs, .choices = {"C:\\P\\1"}, .answers = {AnswerYes}, .told = {replace},
       .file = "C:\\P\\1", .menu = p1new9, .written = "C:\\P\\1", .before = [&] {
         state.settings.saveKvlNames = true;
         state.playlist.kvlNames[1][1] = "Opening";
         state.playlist.music = Unticked;
       }},
      // A path that kvpm.ini cannot give back stays out of the list.
      {.command = FileSaveAs, .choices = {"C:\\P\\rock;pop"}, .file = "C:\\P\\rock;pop",
       .menu = p1new9, .written = "C:\\P\\rock;pop"},
#ifndef _WIN32  // no Windows file name holds a line break
      {.command = FileSaveAs, .choices = {"C:\\P\\rock\npop"}, .file = "C:\\P\\rock\npop",
       .menu = p1new9},
#endif
      {.command = FileNew, .menu = p1new9, .before = [&] { state.dialogOpen.initialFolder = "x"; }},
      // A vanished file is told, a file that is there read as a new playlist: both move up.
      {.command = [](MainState& s) { OpenRecentFile(s, 9); }, .told = {moved}, .menu = p7p1new,
       .before = [&] {
         std::filesystem::remove(prefix.Native("C:\\P\\7"));
         prefix.CreateFolder("C:\\P\\7");  // a folder is no file
       }},
      {.command = [](MainState& s) { OpenRecentFile(s, 1); }, .told = {moved}, .menu = p7p1new},
      {.command = [](MainState& s) { OpenRecentFile(s, 2); }, .menu = p1p7new,
       .written = "C:\\P\\1"},  // reads back the same
      // The game's theme file opened is the file that Save writes.
      {.command = FileOpen, .choices = {PlaylistFile(theme)}, .file = theme, .menu = pTheme},
      {.command = FileSave, .file = theme, .menu = pTheme, .written = theme,
       .before = [&] { SelectTrack(state, 13, 8); }},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(&step - steps);
    if (step.before) step.before();
    dialogs.texts.clear();
    (step.command == FileOpen ? dialogs.openChoices : dialogs.saveChoices) = step.choices;
    dialogs.answers = step.answers;
    step.command(state);
    EXPECT_EQ(dialogs.texts, step.told);
    const ControlStates controls = ShowState(state);
    EXPECT_EQ(controls.caption, step.file.empty() ? kUntitled : step.file + titled);
    EXPECT_EQ(state.playlist.file, step.file);
    for (int n = 1; n <= 3; ++n) {
      EXPECT_EQ(controls.menu_file[n].visible ? controls.menu_file[n].caption : "",
                step.menu[n - 1]) << n;
    }
    // kvpm.ini keeps the list at once: the first place as item 1 shows it.
    const std::string first = "\r\n0=" + (step.menu[0].empty() ? "" : step.menu[0].substr(3));
    EXPECT_NE(test::ReadBytes(programFolder + "/kvpm.ini").find(first + "\r\n"), std::string::npos);
    if (!step.written.empty()) {
      EXPECT_EQ(Bytes(step.written), ThemeText());
    }
    if (!step.kept.empty()) {
      EXPECT_EQ(Bytes(step.kept), one);
    }
  }
  EXPECT_EQ(dialogs.buttons[0], Buttons::YesNoCancel);
  EXPECT_EQ(test::ReadBytes(programFolder + "/kvpm.ini"),
            "[General]\r\nShowDisclaimer=no\r\nMaxRecentFiles=3\r\n[RecentFiles]\r\n0=" + theme +
            "\r\n1=C:\\P\\1\r\n2=C:\\P\\7\r\n3=C:\\P\\new\r\n4=C:\\P\\9\r\n5=c:\\p\\4\r\n"
            "6=C:\\P\\2\r\n7=C:\\P\\3\r\n8=C:\\P\\5\r\n; kept\r\n");
  const auto setup = [](const FileDialogSetup& d) {
    return std::tuple(d.title, d.filter, d.defaultExtension, d.initialFolder, d.fileName);
  };
  const std::string filter = "KVPM Playlist Files (*.kvl) | *.kvl";
  EXPECT_EQ(setup(dialogs.openDialogs[0]), std::tuple("Open", filter, "kvl", programFolder, ""));
  // From the second Open on, the folder of the file opened or saved last; a recent file
  // opened leaves it as it was.
  EXPECT_EQ(setup(dialogs.openDialogs[3]), std::tuple("Open", filter, "kvl", "c:\\p", ""));
  EXPECT_EQ(setup(dialogs.openDialogs[4]), std::tuple("Open", filter, "kvl", "x", ""));
  EXPECT_EQ(setup(dialogs.saveDialogs[1]),
            std::tuple("Save As", filter, "kvl", programFolder, "C:\\P\\9"));
}

// The list keeps nine places whatever the menu shows (item n the file n-1 here):
// a file opened or saved that no place names drops the ninth.
class RecentFilesTest : public PlaylistFilesTest,
                        public ::testing::WithParamInterface<std::pair<int, bool>> {};

TEST_P(RecentFilesTest, NinePlacesAreKeptAndTheMenuShowsAsManyAsMaxRecentFiles) {
  const auto [shown, saveAs] = GetParam();  // MaxRecentFiles, and Save As rather than Open
  std::string list = "[General]\r\nShowDisclaimer=no\r\nMaxRecentFiles=" + std::to_string(shown) +
                     "\r\n[RecentFiles]\r\n";
  for (int i = 0; i < 9; ++i) {
    list += std::to_string(i) + "=" + PlaylistFile("C:\\P\\" + std::to_string(i + 1)) + "\r\n";
  }
  test::WriteBytes(programFolder + "/kvpm.ini", list);
  Start();
  if (!saveAs) PlaylistFile("C:\\P\\0");
  (saveAs ? dialogs.saveChoices : dialogs.openChoices) = {"C:\\P\\0"};
  saveAs ? FileSaveAs(state) : FileOpen(state);
  const ControlStates controls = ShowState(state);
  for (int n = 1; n <= 9; ++n) {
    const std::string item = "&" + std::to_string(n) + " C:\\P\\" + std::to_string(n - 1);
    EXPECT_EQ(controls.menu_file[n].visible ? controls.menu_file[n].caption : "",
              n <= shown ? item : "") << n;
  }
  EXPECT_EQ(controls.menu_line4.visible, shown > 0);
  EXPECT_EQ(test::ReadBytes(programFolder + "/kvpm.ini"),
            "[General]\r\nShowDisclaimer=no\r\nMaxRecentFiles=" + std::to_string(shown) +
                "\r\n[RecentFiles]\r\n0=C:\\P\\0\r\n1=C:\\P\\1\r\n2=C:\\P\\2\r\n3=C:\\P\\3\r\n"
                "4=C:\\P\\4\r\n5=C:\\P\\5\r\n6=C:\\P\\6\r\n7=C:\\P\\7\r\n8=C:\\P\\8\r\n");
}

INSTANTIATE_TEST_SUITE_P(OpenedOrSaved, RecentFilesTest,
                         ::testing::Values(std::pair{0, false}, std::pair{9, true},
                                           std::pair{4, false}));

}  // namespace
}  // namespace kvpm
