#pragma once
// A user who answers every message with OK, cancels every dialog and is
// shown nothing, for benchmarks of procedures that may talk to the user.

#include <optional>
#include <string>

#include "state/UserDialogs.h"

namespace kvpm::bench {

class SilentDialogs : public UserDialogs {
 public:
  int ShowMessage(const std::string&, Buttons) override { return AnswerOk; }
  std::optional<std::string> ChooseFileToOpen(const FileDialogSetup&) override { return {}; }
  std::optional<std::string> ChooseFileToSave(const FileDialogSetup&) override { return {}; }
  std::optional<int> PopupTrackMenu(bool, const std::array<bool, 3>&) override { return {}; }
  void ShowWaitWindow(const std::string&) override {}
  void ShowCopyProgress(std::uint64_t, std::uint64_t) override {}
  void HideWaitWindow() override {}
  std::optional<PrefixAnswer> ChoosePrefix(const std::vector<PrefixOffer>&) override { return {}; }
};

}  // namespace kvpm::bench
