#pragma once
// The main window's state after start-up over a fake game folder that holds
// the archives a test asks for (soundtrack 8's ecachethemeHG.mix, soundtrack
// 9's thememd.mix, and every other soundtrack's but Quillan's), with CD
// drives and discs to copy from.
//
//   Start({.hgArchive = false, .allowHgDeletion = true});
//   const std::string disc = AddCdDrive('d');
//   WriteBytes(disc + "/theme.mix", bytes);

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "state/MainState.h"
#include "support/FakeDialogs.h"
#include "support/FakePrefix.h"
#include "support/FaultGuard.h"

namespace kvpm::testing {

struct ArchiveSetup {
  bool hgArchive = true;
  bool kvArchive = true;
  bool allowHgDeletion = false;
  bool allowKvDeletion = false;
};

// The scripted user, who may also do something (put a disc in) just before
// answering the next Retry/Cancel question.
class CdUser : public FakeDialogs {
 public:
  int ShowMessage(const std::string& text, Buttons buttons) override;
  std::function<void()> beforeRetry;
};

class ArchiveFixture : public ::testing::Test {
 protected:
  // Builds the catalogue, lays out the game folder, applies the settings,
  // decides availability and sets up a new playlist.
  void Start(const ArchiveSetup& setup);

  // A ready CD-ROM drive with an inserted disc: the native folder of the
  // disc, empty.
  std::string AddCdDrive(char letter) { return prefix.AddCdDrive(letter); }
  // A CD-ROM drive without a disc.
  void AddEmptyCdDrive(char letter) { prefix.AddEmptyCdDrive(letter); }

  // Native path of a file in the game folder.
  std::string GameFile(const std::string& name) const;
  // The names in the game folder, sorted.
  std::string GameFolderListing() const;
  // The soundtrack numbers of comboSoundtrack's entries, "1,3,4,...".
  std::string ComboSoundtracks() const;

  FaultGuard faults;
  FakePrefix prefix;
  CdUser dialogs;
  MainState state{dialogs};
};

}  // namespace kvpm::testing
