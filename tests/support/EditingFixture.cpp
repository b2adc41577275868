#include "support/EditingFixture.h"

#include "catalogue/Availability.h"
#include "playlist/Playlist.h"

namespace kvpm::testing {

EditingFixture::EditingFixture() {
  BuildSoundtrackTable(state.catalogue);
  state.gameFolder = fakeGameFolder;
  state.themeFile = state.gameFolder + "thememd.ini";
  for (const char* archive :
       {"ecachethemeVM.mix", "ecachethemeBR.mix", "ecachethemeSL.mix", "ecachethemeTV.mix",
        "ecachethemeOM.mix", "ecachethemePW.mix", "ecachethemeHG.mix", "ecachethemeZEP.mix",
        "ecachethemeHGX.mix", "ecachethemeNW.mix", "ecachethemeUSER.mix"}) {
    prefix.CreateFile(state.gameFolder + archive);
  }
  RefreshArchiveButtons(state);
  NewPlaylist(state);
}

std::string EditingFixture::Ticks() const {
  std::string ticks;
  for (const ListItem& item : state.controls.lstTracks.items) ticks += item.ticked ? '1' : '0';
  return ticks;
}

std::string EditingFixture::Boxes() const {
  std::string values;
  for (const CheckBox& box : state.controls.cboxSoundtrack) values += std::to_string(box.value);
  return values;
}

std::vector<std::string> EditingFixture::ItemTexts() const {
  std::vector<std::string> texts;
  for (const ListItem& item : state.controls.lstTracks.items) texts.push_back(item.text);
  return texts;
}

}  // namespace kvpm::testing
