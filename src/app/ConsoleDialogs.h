#pragma once
// The user's side of the program when it runs from the command line, without
// a window: every message goes to standard error, with the text the window
// would show. Nothing can be asked there: a question is answered Cancel.

#include "state/UserDialogs.h"

namespace kvpm {

class ConsoleDialogs : public UserDialogs {
 public:
  int ShowMessage(const std::string& text, Buttons buttons) override;
  std::optional<std::string> ChooseFileToOpen(const FileDialogSetup&) override { return {}; }
  std::optional<std::string> ChooseFileToSave(const FileDialogSetup&) override { return {}; }
  std::optional<int> PopupTrackMenu(bool, const std::array<bool, 3>&) override { return {}; }
  void ShowWaitWindow(const std::string&) override {}
  void ShowCopyProgress(std::uint64_t, std::uint64_t) override {}
  void HideWaitWindow() override {}
  // Lists the prefixes and asks for --prefix.
  std::optional<PrefixAnswer> ChoosePrefix(const std::vector<PrefixOffer>& offers) override;
};

}  // namespace kvpm
