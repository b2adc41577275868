// Every file the program writes, under every fault the platform layer can
// inject: afterwards the file is the old one or the new one, byte for byte,
// never a mix and never gone; no temporary file is left beside it; and the
// user is told exactly what the program tells for that file, or nothing.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "app/Startup.h"
#include "playlist/TrackList.h"
#include "playlistfiles/FileCommands.h"
#include "playlistfiles/RecentFiles.h"
#include "settings/Settings.h"
#include "support/FaultGuard.h"
#include "support/PlaylistFilesFixture.h"
#include "theme/Activation.h"
#include "theme/ThemeWriter.h"

namespace kvpm::testing {
namespace {

using Texts = std::vector<std::string>;

enum class Fault { CreateTemporary, ShortWrite, Rename, Read, Delete };
enum class Action {
  Activate,            // thememd.ini over an old one; no HGMD.INI
  ActivateFirstTime,   // thememd.ini where there was none
  ActivateAudio,       // HGMD.INI's [Audio] switches during an activation
  Save,                // File > Save over the opened playlist file
  SaveAsNew,           // File > Save As to a new file
  SaveAsReplacing,     // File > Save As over an existing file, answered Yes
  CreateSettings,      // kvpm.ini written with its defaults at start-up
  ShowDisclaimer,      // kvpm.ini's ShowDisclaimer turned to "no" on the first start
  RecentFiles,         // kvpm.ini's [RecentFiles] after a file was opened
};
enum class Outcome { Old, New };

struct Case {
  Action action;
  Fault fault;
  Outcome outcome;
  Texts messages;
};

const std::string kTheme = "C:\\Games\\Korvale\\thememd.ini";
const std::string kGameSettings = "C:\\Games\\Korvale\\HGMD.INI";
const std::string kMine = "C:\\Playlists\\mine.kvl";
const std::string kNew = "C:\\Playlists\\new.kvl";
const std::string kSettings = "C:\\Program Files\\KVPM\\kvpm.ini";

const std::string kActivated = "Custom playlist activated.";
const std::string kNotActivated = "Error activating playlist.";
const std::string kAudioNotUpdated =
    "Could not update the game's audio settings in \"C:\\Games\\Korvale\\HGMD.INI\".";
const std::string kMineNotSaved = "Error saving playlist to \"C:\\Playlists\\mine.kvl\".";
const std::string kNewNotSaved = "Error saving playlist to \"C:\\Playlists\\new.kvl\".";
const std::string kReplaceMine =
    "\"C:\\Playlists\\mine.kvl\" already exists!\r\nAre you sure you want overwrite this file?";
const std::string kNoGame = "Harrowgate is not installed! Please install Harrowgate.";

const std::string kOldTheme = "[Themes]\r\n1=INTRO\r\n; the playlist activated before\r\n";
const std::string kOldAudio =
    "[Video]\r\nWidth=800\r\n\r\n[Audio]\r\nIsScoreRepeat=yes ;loop\r\nIsScoreShuffle=no\r\n"
    "InGameMusic=no\r\nScoreVolume=0.5\r\n";
const std::string kNewAudio =
    "[Video]\r\nWidth=800\r\n\r\n[Audio]\r\nIsScoreRepeat=no\r\nIsScoreShuffle=yes\r\n"
    "InGameMusic=yes\r\nScoreVolume=0.5\r\n";
const std::string kDefaultSettings =
    "[General]\r\n"
    "MaxRecentFiles=0 ;how many recent files will be displayed on the File menu. Min=0, Max=9\r\n"
    "AllowHGDeletion=no ;button allows removal of HG soundtrack file\r\n"
    "AllowKVDeletion=no ;button allows removal of KV soundtrack file\r\n"
    "SaveKVLNames=no ;when resaving a mod's playlist, should track names be preserved? "
    "(not recommended)\r\n"
    "ShowDisclaimer=yes\r\n\r\n[RecentFiles]\r\n\r\n";
const std::string kFirstStartSettings = "[General]\r\nMaxRecentFiles=4\r\nShowDisclaimer=yes\r\n";
const std::string kOldRecent =
    "[General]\r\nMaxRecentFiles=4\r\nShowDisclaimer=no\r\n\r\n[RecentFiles]\r\n"
    "0=C:\\Playlists\\mine.kvl\r\n\r\n; kept by hand\r\n";
const std::string kNewRecent =
    "[General]\r\nMaxRecentFiles=4\r\nShowDisclaimer=no\r\n\r\n[RecentFiles]\r\n"
    "0=C:\\Playlists\\new.kvl\r\n\r\n; kept by hand\r\n1=C:\\Playlists\\mine.kvl\r\n2=\r\n3=\r\n"
    "4=\r\n5=\r\n6=\r\n7=\r\n8=\r\n";

const char* const kActionNames[] = {"Activate",       "ActivateFirstTime", "ActivateAudio",
                                    "Save",           "SaveAsNew",         "SaveAsReplacing",
                                    "CreateSettings", "ShowDisclaimer",    "RecentFiles"};
const char* const kFaultNames[] = {"FailCreateTemporary", "ShortWrite", "FailRename", "FailRead",
                                   "FailDelete"};

std::string NameOf(const Case& c) {
  return std::string(kActionNames[static_cast<int>(c.action)]) + "_" +
         kFaultNames[static_cast<int>(c.fault)];
}

void PrintTo(const Case& c, std::ostream* out) { *out << NameOf(c); }

void SetFault(Fault fault) {
  platform::FileFaults& faults = platform::Faults();
  switch (fault) {
    case Fault::CreateTemporary: faults.failCreateTemporary = true; break;
    case Fault::ShortWrite: faults.shortWrite = true; break;
    case Fault::Rename: faults.failRename = true; break;
    case Fault::Read: faults.failRead = true; break;
    case Fault::Delete: faults.failDelete = true; break;
  }
}

class WriteFaultsTest : public PlaylistFilesFixture, public ::testing::WithParamInterface<Case> {
 protected:
  WriteFaultsTest() { prefix.InstallGame(); }

  // The file the action writes, laid out as before it; "" when it has none yet.
  std::string Arrange(Action action) {
    switch (action) {
      case Action::Activate:
        prefix.CreateFile(kTheme, kOldTheme);
        return kTheme;
      case Action::ActivateFirstTime:
        return kTheme;
      case Action::ActivateAudio:
        prefix.CreateFile(kTheme, kOldTheme);
        prefix.CreateFile(kGameSettings, kOldAudio);
        state.controls.cboxMusic.value = Ticked;
        state.controls.cboxShuffle.value = Ticked;
        return kGameSettings;
      case Action::Save:
        prefix.CreateFile(kMine, kOldTheme);
        state.dialogSave.fileName = kMine;
        return kMine;
      case Action::SaveAsNew:
        dialogs.saveChoices.push_back(kNew);
        return kNew;
      case Action::SaveAsReplacing:
        prefix.CreateFile(kMine, kOldTheme);
        dialogs.saveChoices.push_back(kMine);
        dialogs.answers.push_back(AnswerYes);
        return kMine;
      case Action::CreateSettings:
        std::filesystem::remove(prefix.Native(kSettings));
        return kSettings;
      case Action::ShowDisclaimer:
        prefix.CreateFile(kSettings, kFirstStartSettings);
        return kSettings;
      case Action::RecentFiles:
        prefix.CreateFile(kSettings, kOldRecent);
        prefix.CreateFile(kMine, kOldTheme);
        prefix.CreateFile(kNew, kOldTheme);
        LoadRecentFiles(state);
        return kSettings;
    }
    return "";
  }

  // Runs the action; the messages it showed.
  Texts Act(Action action) {
    switch (action) {
      case Action::Activate:
      case Action::ActivateFirstTime:
      case Action::ActivateAudio: ActivatePlaylist(state); break;
      case Action::Save: FileSave(state); break;
      case Action::SaveAsNew:
      case Action::SaveAsReplacing: FileSaveAs(state); break;
      case Action::CreateSettings: ReadSettings(startState); return startDialogs.Texts();
      case Action::ShowDisclaimer:
        InitialiseMainWindow(startState, kProgramFolder);
        return startDialogs.Texts();
      case Action::RecentFiles: AddRecentFile(state, kNew); break;
    }
    return dialogs.Texts();
  }

  std::string NewBytes(Action action) const {
    switch (action) {
      case Action::ActivateAudio: return kNewAudio;
      case Action::CreateSettings: return kDefaultSettings;
      case Action::ShowDisclaimer:
        return "[General]\r\nMaxRecentFiles=4\r\nShowDisclaimer=no\r\n";
      case Action::RecentFiles: return kNewRecent;
      default: return ThemeFileText(state);
    }
  }

  // The names in the file's folder but the file's own.
  std::vector<std::string> Neighbours(const std::string& file) const {
    const std::filesystem::path native = prefix.Native(file);
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(native.parent_path())) {
      if (entry.path().filename() != native.filename()) {
        names.push_back(entry.path().filename().string());
      }
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  // A start of the program from its folder, for the kvpm.ini of start-up.
  FakeDialogs startDialogs;
  MainState startState{startDialogs};
};

TEST_P(WriteFaultsTest, TheFileIsOldOrNewAndTheUserIsToldAsSpecified) {
  const Case& c = GetParam();
  SelectTrack(state, 13, 7);  // a playlist that differs from any old file
  startState.programFolder = kProgramFolder;
  const std::string file = Arrange(c.action);
  const bool existed = std::filesystem::exists(prefix.Native(file));
  const std::string oldBytes = Bytes(file);
  const std::vector<std::string> neighbours = Neighbours(file);
  dialogs.messages.clear();

  Texts messages;
  {
    FaultGuard faults;
    SetFault(c.fault);
    messages = Act(c.action);
  }

  const bool exists = std::filesystem::exists(prefix.Native(file));
  if (c.outcome == Outcome::Old) {
    EXPECT_EQ(exists, existed) << "the file came or went";
    EXPECT_EQ(Bytes(file), oldBytes);
  } else {
    EXPECT_TRUE(exists);
    EXPECT_EQ(Bytes(file), NewBytes(c.action));
  }
  EXPECT_EQ(messages, c.messages);
  EXPECT_EQ(Neighbours(file), neighbours) << "a temporary file was left, or another one went";
}

std::vector<Case> Cases() {
  struct Row {
    Action action;
    Outcome onWriteFault;  // creating the temporary, writing it whole or renaming it fails
    Texts writeFaultMessages;
    Outcome onReadFault;
    Texts readFaultMessages;
    Texts messages;  // when nothing fails, and when a deletion would fail (nothing deletes)
  };
  const std::vector<Row> rows = {
      {Action::Activate, Outcome::Old, {kNotActivated}, Outcome::New, {kActivated}, {kActivated}},
      {Action::ActivateFirstTime, Outcome::Old, {kNotActivated}, Outcome::New, {kActivated},
       {kActivated}},
      // An unreadable HGMD.INI is never replaced: it might hold more than a read could give.
      {Action::ActivateAudio, Outcome::Old, {kAudioNotUpdated, kNotActivated}, Outcome::Old,
       {kAudioNotUpdated, kActivated}, {kActivated}},
      {Action::Save, Outcome::Old, {kMineNotSaved}, Outcome::New, {}, {}},
      {Action::SaveAsNew, Outcome::Old, {kNewNotSaved}, Outcome::New, {}, {}},
      {Action::SaveAsReplacing, Outcome::Old, {kReplaceMine, kMineNotSaved}, Outcome::New,
       {kReplaceMine}, {kReplaceMine}},
      // kvpm.ini is the program's own: failures to write it are silent.
      {Action::CreateSettings, Outcome::Old, {}, Outcome::New, {}, {}},
#ifdef _WIN32
      // The registry is no file there: the game is found, and kvpm.ini, unreadable, stays.
      {Action::ShowDisclaimer, Outcome::Old, {}, Outcome::Old, {}, {}},
#else
      // Nothing can be read, the registry neither: the game is not found.
      {Action::ShowDisclaimer, Outcome::Old, {}, Outcome::Old, {kNoGame}, {}},
#endif
      {Action::RecentFiles, Outcome::Old, {}, Outcome::Old, {}, {}},
  };
  std::vector<Case> cases;
  for (const Row& row : rows) {
    for (Fault fault : {Fault::CreateTemporary, Fault::ShortWrite, Fault::Rename}) {
      cases.push_back({row.action, fault, row.onWriteFault, row.writeFaultMessages});
    }
    cases.push_back({row.action, Fault::Read, row.onReadFault, row.readFaultMessages});
    cases.push_back({row.action, Fault::Delete, Outcome::New, row.messages});
  }
  return cases;
}

INSTANTIATE_TEST_SUITE_P(EveryFileAndFault, WriteFaultsTest, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<Case>& info) {
                           return NameOf(info.param);
                         });

}  // namespace
}  // namespace kvpm::testing
