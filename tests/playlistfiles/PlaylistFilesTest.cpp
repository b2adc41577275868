// Playlist files: the reader, the File menu's commands and the recent files.

#include <gtest/gtest.h>

#include <filesystem>

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
  const ControlStates controls = ShowState(state);
  const std::array<MenuItem, 10>& menu = controls.menu_file;  // items 1 to 9
  EXPECT_EQ(menu[2].caption + menu[3].caption, "&2 C:\\P\\1&3 C:\\P\\2");
  EXPECT_EQ(std::to_string(menu[1].visible) + std::to_string(menu[4].visible) +
                std::to_string(controls.menu_line4.visible), "001");
  const std::string one = Bytes("C:\\P\\1");
  dialogs.openChoices = {std::nullopt, "C:\\P\\notes", "c:\\p\\4", file("9")};
  dialogs.saveChoices = {"C:\\P\\1", "C:\\P\\1", "C:\\P\\new", "C:\\P\\1", "C:\\P\\rock;pop"};
  dialogs.answers = {AnswerCancel, AnswerOk, AnswerNo, AnswerYes};
  FileOpen(state);
  FileSave(state);  // untitled: Save As, and Cancel at the question
  EXPECT_EQ(Bytes("C:\\P\\1") + ShowState(state).caption, one + kUntitled);
  FileOpen(state);  // the dialog again after a refused file; the same file as 4
  EXPECT_EQ(ShowState(state).caption, "c:\\p\\4 - KV Playlist Manager");
  FileOpen(state);  // a file not in the list
  std::filesystem::remove(prefix.Native("C:\\P\\7"));
  prefix.CreateFolder("C:\\P\\7");  // a folder is no file
  SelectTrack(state, 13, 7);
  FileSaveAs(state);  // No, then a file not written yet: the first empty or missing place
  EXPECT_EQ(Bytes("C:\\P\\1") + Bytes("C:\\P\\new"), one + ThemeText());
  EXPECT_EQ(ShowState(state).caption, "C:\\P\\new - KV Playlist Manager");
  state.settings.saveKvlNames = true;
  state.playlist.kvlNames[1][1] = "Opening";
  state.playlist.music = Unticked;
  FileSaveAs(state);  // Yes
  EXPECT_EQ(Bytes("C:\\P\\1"), ThemeText());
  FileSaveAs(state);  // a path that kvpm.ini cannot give back stays out of the list
  // A vanished file is told, a file that is there read as a new playlist: both move up.
  FileNew(state);
  state.playlist.title = state.dialogOpen.initialFolder = "x";
  for (int position : {9, 1, 2}) OpenRecentFile(state, position);
  EXPECT_EQ(ThemeText(), Bytes("C:\\P\\1"));  // what Save As wrote reads back the same
  EXPECT_EQ(ShowState(state).caption + state.playlist.file + state.dialogOpen.initialFolder,
            kUntitled + "x");
  const std::string replace = "\"C:\\P\\1\" already exists!\r\nAre you sure you want overwrite "
                              "this file?", moved = "The file \"C:\\P\\7\" has been moved/renamed/"
                              "deleted since it was last accessed.";
  EXPECT_EQ(dialogs.texts, (Texts{replace, "\"C:\\P\\notes\" is not a KVPM Playlist File!", replace,
                                  replace, moved, moved}));
  EXPECT_EQ(dialogs.buttons[0], Buttons::YesNoCancel);
  const std::array<MenuItem, 10> items = ShowState(state).menu_file;
  EXPECT_EQ(items[1].caption + items[2].caption + items[3].caption + (items[4].visible ? "1" : "0"),
            "&1 C:\\P\\1&2 C:\\P\\7&3 C:\\P\\new0");
  EXPECT_EQ(test::ReadBytes(programFolder + "/kvpm.ini"),
            "[General]\r\nShowDisclaimer=no\r\nMaxRecentFiles=3\r\n[RecentFiles]\r\n0=C:\\P\\1\r\n"
            "1=C:\\P\\7\r\n2=C:\\P\\new\r\n3=C:\\P\\9\r\n4=c:\\p\\4\r\n5=C:\\P\\2\r\n6=C:\\P\\3\r\n"
            "7=C:\\P\\5\r\n8=C:\\P\\6\r\n; kept\r\n");
  const FileDialogSetup &open = dialogs.openDialogs[3], &save = dialogs.saveDialogs[1];
  EXPECT_EQ(open.title + open.filter + open.defaultExtension + open.initialFolder + open.fileName,
            "OpenKVPM Playlist Files (*.kvl) | *.kvlkvlc:\\p");  // the last file's folder
  EXPECT_EQ(save.title + save.filter + save.defaultExtension + save.initialFolder + save.fileName,
            "Save AsKVPM Playlist Files (*.kvl) | *.kvlkvl" + programFolder + "C:\\P\\9");
  EXPECT_EQ(dialogs.openDialogs[0].initialFolder, programFolder);  // no file at position 1
}

}  // namespace
}  // namespace kvpm
