#include "support/ArchiveFixture.h"

#include <algorithm>
#include <filesystem>
#include <utility>
#include <vector>

#include "catalogue/Availability.h"
#include "playlist/Playlist.h"

namespace kvpm::testing {

int CdUser::ShowMessage(const std::string& text, Buttons buttons) {
  if (buttons == Buttons::RetryCancel && beforeRetry) std::exchange(beforeRetry, nullptr)();
  return FakeDialogs::ShowMessage(text, buttons);
}

void ArchiveFixture::Start(const ArchiveSetup& setup) {
  BuildSoundtrackTable(state.catalogue);
  state.gameFolder = fakeGameFolder;
  state.themeFile = state.gameFolder + "thememd.ini";
  state.allowHgDeletion = setup.allowHgDeletion;
  state.allowKvDeletion = setup.allowKvDeletion;
  prefix.CreateFolder(state.gameFolder);
  for (const char* archive :
       {"ecachethemeVM.mix", "ecachethemeBR.mix", "ecachethemeSL.mix", "ecachethemeTV.mix",
        "ecachethemeOM.mix", "ecachethemePW.mix", "ecachethemeZEP.mix", "ecachethemeHGX.mix",
        "ecachethemeNW.mix", "ecachethemeUSER.mix"}) {
    prefix.CreateFile(state.gameFolder + archive);
  }
  if (setup.hgArchive) prefix.CreateFile(state.gameFolder + "ecachethemeHG.mix", "HG archive");
  if (setup.kvArchive) prefix.CreateFile(state.gameFolder + "thememd.mix", "KV archive");
  RefreshArchiveButtons(state);
  NewPlaylist(state);
}

std::string ArchiveFixture::GameFile(const std::string& name) const {
  return prefix.Native(state.gameFolder + name);
}

std::string ArchiveFixture::GameFolderListing() const {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(prefix.Native(state.gameFolder))) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  std::string listing;
  for (const std::string& name : names) listing += (listing.empty() ? "" : " ") + name;
  return listing;
}

std::string ArchiveFixture::ComboSoundtracks() const {
  std::string numbers;
  for (const ComboItem& item : state.controls.comboSoundtrack.items) {
    numbers += (numbers.empty() ? "" : ",") + std::to_string(item.data);
  }
  return numbers;
}

}  // namespace kvpm::testing
