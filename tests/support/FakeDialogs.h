#pragma once
// A scripted stand-in for the user: records every message and dialog shown,
// and answers from queues. A message with only an OK button is answered OK
// when nothing is queued; a question with nothing queued fails the test.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "state/UserDialogs.h"

namespace kvpm::testing {

struct ShownMessage {
  std::string text;
  Buttons buttons;
};

class FakeDialogs : public UserDialogs {
 public:
  int ShowMessage(const std::string& text, Buttons buttons) override;
  std::optional<std::string> ChooseFileToOpen(const FileDialogSetup& setup) override;
  std::optional<std::string> ChooseFileToSave(const FileDialogSetup& setup) override;
  std::optional<int> PopupTrackMenu(bool atPosition) override;
  void ShowWaitWindow(const std::string& label) override;
  void ShowCopyProgress(std::uint64_t done, std::uint64_t total) override;
  void HideWaitWindow() override;

  // Scripted answers, taken from the front.
  std::deque<int> answers;
  std::deque<std::optional<std::string>> openChoices;  // nullopt: the user cancels
  std::deque<std::optional<std::string>> saveChoices;
  std::deque<std::optional<int>> menuChoices;

  // What the program showed.
  std::vector<ShownMessage> messages;
  std::vector<FileDialogSetup> openDialogs;
  std::vector<FileDialogSetup> saveDialogs;
  std::vector<bool> menusOpened;  // atPosition of each context menu
  std::vector<std::string> waitLabels;
  std::vector<std::pair<std::uint64_t, std::uint64_t>> progress;
  bool waitWindowShown = false;

  // The texts of all messages, in order.
  std::vector<std::string> Texts() const;
};

}  // namespace kvpm::testing
