#include "state/MainState.h"

namespace kvpm {

int MainState::Message(const std::string& text, Buttons buttons) {
  msgResult = dialogs.ShowMessage(text, buttons);
  return msgResult;
}

}  // namespace kvpm
