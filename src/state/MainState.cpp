#include "state/MainState.h"

namespace kvpm {

SlotRef MainState::Slot(SlotId slot) {
  switch (slot) {
    case Intro:
      return {introOption, introSoundtrack, introTrack, controls.optINTRO, controls.menu_intro};
    case Loading:
      return {loadingOption, loadingSoundtrack, loadingTrack, controls.optLOADING,
              controls.menu_loading};
    case Score:
      break;
  }
  return {scoreOption, scoreSoundtrack, scoreTrack, controls.optSCORE, controls.menu_score};
}

int MainState::Message(const std::string& text, Buttons buttons) {
  msgResult = dialogs.ShowMessage(text, buttons);
  return msgResult;
}

}  // namespace kvpm
