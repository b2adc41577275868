#include "support/PlaylistFileProperty.h"

#include <filesystem>

#include "catalogue/Availability.h"
#include "catalogue/SoundtrackNumbers.h"
#include "playlist/Playlist.h"
#include "playlist/SoundtrackSelection.h"
#include "playlistfiles/PlaylistReader.h"
#include "support/FakeDialogs.h"
#include "support/FuzzInput.h"
#include "support/PlaylistRules.h"
#include "support/PlaylistSnapshot.h"
#include "theme/ThemeWriter.h"
#include "util/IniFile.h"

namespace kvpm::testing {

namespace {

namespace tsf = TovrikStandardFunctions;

constexpr unsigned kAllArchives = 0x3FFF;
constexpr unsigned kEverythingSelectedBit = 1u << 14;
constexpr unsigned kActiveThemeFileBit = 1u << 15;
const std::string kPlaylistFile = "C:\\Playlists\\fuzz.kvl";
const std::string kSavedAgain = "C:\\Playlists\\saved again.kvl";

// The game folder's state for one input: which archives are there, read
// from the option bytes.
unsigned OptionBits(std::string_view input) {
  if (input.size() < 2) return kAllArchives;
  return static_cast<unsigned char>(input[0]) | static_cast<unsigned char>(input[1]) << 8;
}

std::string RefusalMessage(const std::string& path) {
  return "\"" + path + "\" is not a KVPM Playlist File!";
}

class PlaylistFileProperty : public Property {
 public:
  explicit PlaylistFileProperty(FakePrefix& prefix) : prefix_(prefix) {
    prefix_.InstallGame();
    BuildSoundtrackTable(catalogue_);
  }

  Violations Check(std::string_view input) override {
    const unsigned options = OptionBits(input);
    const std::string bytes(input.substr(std::min<std::size_t>(input.size(), 2)));
    FakeDialogs dialogs;
    MainState state(dialogs);
    Prepare(state, options);
    const std::string path = options & kActiveThemeFileBit ? state.themeFile : kPlaylistFile;
    prefix_.CreateFile(path, bytes);
    const PlaylistSnapshot before = Snapshot(state);
    const WindowControls controlsBefore = state.controls;
    const std::string currentFile = state.dialogSave.fileName;

    Violations violations;
    const bool read = LoadPlaylistFile(state, path);
    const tsf::IniDocument document(bytes);
    Expect(violations, read == !tsf::CutIniComment(document.RawValue("KVPMINTR", "Option")).empty(),
           read ? "a file without [KVPMINTR] Option was read" : "a playlist file was refused");
    const ::testing::AssertionResult rules = PlaylistRulesHold(state);
    Expect(violations, rules, std::string("the playlist rules are broken: ") + rules.message());
    Expect(violations, ShownSoundtrack(state) == kKorvaleSoundtrack,
           "the list does not show soundtrack 9");
    if (!read) {
      const ::testing::AssertionResult same = SamePlaylist(before, Snapshot(state));
      Expect(violations, same, std::string("a refused file changed the playlist: ") + same.message());
      Expect(violations, dialogs.Texts() == std::vector<std::string>{RefusalMessage(path)},
             "a refused file is not told as such");
      Expect(violations,
             state.controls.caption == controlsBefore.caption &&
                 state.dialogSave.fileName == currentFile,
             "a refused file changed the caption or the current file");
      return violations;
    }
    CheckTracks(violations, state, document, dialogs, path);
    Expect(violations, state.controls.caption == "New Playlist - " + kProgramTitle &&
                           state.dialogSave.fileName.empty(),
           "a read file did not leave an untitled playlist");
    CheckSavedAgain(violations, state, dialogs);
    return violations;
  }

 private:
  // A state as start-up leaves it, with the archives of the option bits in
  // the game folder and no theme file.
  void Prepare(MainState& state, unsigned options) {
    state.catalogue = catalogue_;
    state.gameFolder = fakeGameFolder;
    state.themeFile = state.gameFolder + "thememd.ini";
    std::error_code error;
    std::filesystem::remove(prefix_.Native(state.themeFile), error);
    int bit = 0;
    for (int s = 1; s <= kSoundtrackCount; ++s) {
      const std::string& archive = catalogue_.soundtrackArchives[s][1];
      if (archive.empty()) continue;
      const std::string native = prefix_.Native(state.gameFolder + archive);
      const bool wanted = options & (1u << bit++);
      if (wanted && !std::filesystem::exists(native)) prefix_.CreateFile(state.gameFolder + archive);
      if (!wanted) std::filesystem::remove(native, error);
    }
    RefreshArchiveButtons(state);
    NewPlaylist(state);
    if (options & kEverythingSelectedBit) {
      for (int s = 1; s <= kSoundtrackCount; ++s) {
        if (state.controls.cboxSoundtrack[s - 1].enabled) SetSoundtrackSelection(state, s, true);
      }
    }
  }

  // Exactly the listed tracks of available soundtracks are selected, with
  // the names of their sections; left-out tracks are told of.
  void CheckTracks(Violations& violations, const MainState& state,
                   const tsf::IniDocument& document, const FakeDialogs& dialogs,
                   const std::string& path) const {
    bool leftOut = false;
    int number = 5;
    for (int position = 1; position <= kSoundtrackCount; ++position) {
      const int s = catalogue_.soundtrackOrder[position];
      const bool available = state.controls.cboxSoundtrack[s - 1].enabled;
      for (int t = 1; t <= catalogue_.trackCounts[s]; ++t) {
        const std::string key = std::to_string(++number);
        const bool listed = !tsf::CutIniComment(document.RawValue("Themes", key)).empty();
        leftOut = leftOut || (listed && !available);
        Expect(violations, state.trackSelected[s][t] == (listed && available),
               "track " + std::to_string(s) + "/" + std::to_string(t) + " (entry " + key +
                   ") is selected wrongly");
        Expect(violations,
               state.kvlNames[s][t] ==
                   tsf::CutIniComment(document.RawValue(catalogue_.trackSections[s][t], "KVLName")),
               "track " + std::to_string(s) + "/" + std::to_string(t) + " has another name");
      }
    }
    const std::string start = path == state.themeFile ? "Some tracks in the currently active"
                                                      : "Some tracks from the playlist \"";
    Expect(violations, dialogs.messages.size() <= 1, "more than one message");
    Expect(violations, !leftOut || dialogs.messages.size() == 1, "left-out tracks are not told");
    for (const ShownMessage& message : dialogs.messages) {
      Expect(violations, message.text.starts_with(start) && message.buttons == Buttons::Ok,
             "an unexpected message: " + Printable(message.text));
    }
  }

  // Saving the read playlist and reading it back gives the same playlist, silently.
  void CheckSavedAgain(Violations& violations, MainState& state, FakeDialogs& dialogs) const {
    state.saveKvlNames = true;
    prefix_.CreateFile(kSavedAgain, ThemeFileText(state));
    const PlaylistSnapshot saved = Snapshot(state);
    dialogs.messages.clear();
    Expect(violations, LoadPlaylistFile(state, kSavedAgain), "the saved playlist is refused");
    const ::testing::AssertionResult same = SamePlaylist(saved, Snapshot(state));
    Expect(violations, same, std::string("the saved playlist reads back otherwise: ") +
                                 same.message());
    Expect(violations, dialogs.messages.empty(), "reading the saved playlist shows a message");
  }

  FakePrefix& prefix_;
  Catalogue catalogue_;
};

}  // namespace

std::unique_ptr<Property> MakePlaylistFileProperty(FakePrefix& prefix) {
  return std::make_unique<PlaylistFileProperty>(prefix);
}

}  // namespace kvpm::testing
