#include "archives/SoundtrackArchives.h"

#include <optional>

#include "catalogue/SoundtrackNumbers.h"
#include "platform/Drives.h"
#include "platform/Files.h"
#include "platform/Paths.h"
#include "playlist/SoundtrackSelection.h"
#include "util/TovrikStandardFunctions.h"

namespace kvpm {

namespace {

namespace tsf = TovrikStandardFunctions;

constexpr int kCdSearches = 3;

// What tells the two archives apart: the CD's name in messages, the file in
// the CD's root, whether its copy is in the game folder and the setting that
// allows deleting that copy.
struct ArchiveCd {
  std::string name;
  std::string cdFile;
  bool Installation::*copyPresent;
  bool Settings::*deletionAllowed;
};

const ArchiveCd* CdOf(int s) {
  static const ArchiveCd harrowgate{.name = "Harrowgate",
                                    .cdFile = "theme.mix",
                                    .copyPresent = &Installation::hgArchivePresent,
                                    .deletionAllowed = &Settings::allowHgDeletion};
  static const ArchiveCd korvale{.name = "Korvale",
                                 .cdFile = "thememd.mix",
                                 .copyPresent = &Installation::kvArchivePresent,
                                 .deletionAllowed = &Settings::allowKvDeletion};
  if (s == kHarrowgateSoundtrack) return &harrowgate;
  if (s == kKorvaleSoundtrack) return &korvale;
  return nullptr;
}

std::string GameFolderPath(const MainState& state, const std::string& name) {
  return state.installation.gameFolder + "\\" + name;
}

// The wait window stands in for the main window exactly as long as the
// copy runs, however the copy ends.
class WaitWindowShown {
 public:
  WaitWindowShown(UserDialogs& dialogs, const std::string& label) : dialogs_(dialogs) {
    dialogs_.ShowWaitWindow(label);
  }
  ~WaitWindowShown() { dialogs_.HideWaitWindow(); }
  WaitWindowShown(const WaitWindowShown&) = delete;
  WaitWindowShown& operator=(const WaitWindowShown&) = delete;

 private:
  UserDialogs& dialogs_;
};

// The root path of the first ready CD-ROM drive holding the CD's file.
std::optional<std::string> DriveWithCd(const ArchiveCd& cd) {
  for (const platform::Drive& drive : platform::ListDrives()) {
    if (drive.cdrom && drive.ready &&
        tsf::PathExists(platform::PathInFolder(drive.rootPath, cd.cdFile), false)) {
      return drive.rootPath;
    }
  }
  return std::nullopt;
}

// Searches until the CD is found, the user cancels or the third search fails.
std::optional<std::string> SearchForCd(MainState& state, const ArchiveCd& cd) {
  const std::string notFound = "Could not detect a " + cd.name + " CD.";
  for (int search = 1;; ++search) {
    if (std::optional<std::string> root = DriveWithCd(cd)) return root;
    if (search == kCdSearches) {
      state.Message(notFound);
      return std::nullopt;
    }
    if (state.Message(notFound, Buttons::RetryCancel) != AnswerRetry) return std::nullopt;
  }
}

bool CopyWithWaitWindow(MainState& state, const ArchiveCd& cd, const std::string& source,
                        const std::string& target) {
  WaitWindowShown waitWindow(state.dialogs, "Copying file from " + cd.name + " CD.");
  return platform::CopyFileReplacing(source, target,
                                     [&state](std::uint64_t done, std::uint64_t total) {
                                       state.dialogs.ShowCopyProgress(done, total);
                                     });
}

// Takes s out of comboSoundtrack. When it was the one shown, the list goes
// over to the expansion's soundtrack, which is always listed.
void RemoveComboEntry(MainState& state, int s) {
  state.installation.listed[s] = false;
  if (ShownSoundtrack(state) != s) return;
  state.controls.shownSoundtrack = 0;
  ShowSoundtrack(state, kKorvaleSoundtrack);
}

// Deletes each archive of s that exists; false after the first that stays.
bool DeleteArchiveFiles(MainState& state, const ArchiveCd& cd, int s) {
  for (const std::string& archive : state.catalogue.soundtrackArchives[s]) {
    if (archive.empty()) continue;
    const std::string path = GameFolderPath(state, archive);
    if (!tsf::PathExists(path, false)) continue;
    platform::DeleteFile(path);
    if (tsf::PathExists(path, false)) {
      state.Message("Error deleting " + cd.name + " soundtrack.");
      return false;
    }
    state.Message(cd.name + " soundtrack deleted.");
  }
  return true;
}

}  // namespace

ArchiveOffer OfferOf(const MainState& state, int s) {
  const ArchiveCd* cd = CdOf(s);
  if (cd == nullptr) return ArchiveOffer::Nothing;
  if (!(state.installation.*(cd->copyPresent))) return ArchiveOffer::Copy;
  return state.settings.*(cd->deletionAllowed) ? ArchiveOffer::Delete : ArchiveOffer::Nothing;
}

void ArchiveButtonClicked(MainState& state, int s) {
  switch (OfferOf(state, s)) {
    case ArchiveOffer::Copy:
      CopySoundtrackArchive(state, s);
      break;
    case ArchiveOffer::Delete:
      DeleteSoundtrackArchive(state, s);
      break;
    case ArchiveOffer::Nothing:
      break;
  }
}

void CopySoundtrackArchive(MainState& state, int s) {
  const ArchiveCd* cd = CdOf(s);
  if (cd == nullptr) return;
  if (state.Message("Please insert a " + cd->name + " CD and click OK.", Buttons::OkCancel) !=
      AnswerOk) {
    return;
  }
  const std::optional<std::string> root = SearchForCd(state, *cd);
  if (!root) return;

  const std::string source = platform::PathInFolder(*root, cd->cdFile);
  const std::string target = GameFolderPath(state, state.catalogue.soundtrackArchives[s][1]);
  // Success is the copy's own: a copy that broke off leaves no file behind,
  // and an archive that was there before stays as it was.
  if (!CopyWithWaitWindow(state, *cd, source, target)) {
    state.Message("Error copying \"" + source + "\" to \"" + target + "\".");
    return;
  }
  state.Message(cd->name + " soundtrack successfully copied.");
  // Available from now on, but listed in comboSoundtrack only from the next
  // start, when the archive is found there.
  state.installation.available[s] = true;
  state.installation.*(cd->copyPresent) = true;
}

void DeleteSoundtrackArchive(MainState& state, int s) {
  const ArchiveCd* cd = CdOf(s);
  if (cd == nullptr) return;
  if (state.Message(
          "Are you sure you wish to delete the " + cd->name + " soundtrack from your computer?",
          Buttons::OkCancel) != AnswerOk) {
    return;
  }
  if (DeleteArchiveFiles(state, *cd, s)) state.installation.*(cd->copyPresent) = false;
  // The expansion's soundtrack plays from its CD: it stays available and its
  // tracks stay in the playlist.
  if (s == kKorvaleSoundtrack) return;
  // Also after a failure the soundtrack counts as gone: its box is unticked
  // and its tracks leave the playlist with it, so that no theme file names
  // tracks of an archive that is not there.
  SetSoundtrackSelection(state, s, false);
  state.installation.available[s] = false;
  RemoveComboEntry(state, s);
}

}  // namespace kvpm
