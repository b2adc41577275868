#pragma once
// The user, scripted: every message and dialog is recorded, answers come from queues. A
// message with only an OK button is answered OK when nothing is queued; any other question
// with nothing queued fails the test.

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "state/UserDialogs.h"

namespace kvpm::test {

class FakeDialogs : public UserDialogs {
 public:
  std::deque<int> answers;
  std::deque<std::optional<std::string>> openChoices, saveChoices;  // nullopt: cancelled
  std::deque<std::optional<int>> menuChoices;
  std::deque<std::optional<PrefixAnswer>> prefixChoices;

  std::vector<std::string> texts;  // every message, in order
  std::vector<Buttons> buttons;
  std::vector<FileDialogSetup> openDialogs, saveDialogs;
  std::vector<bool> menusOpened;                  // atPosition of each context menu
  std::vector<std::array<bool, 3>> menuChecks;  // its check marks, by slot
  std::vector<std::vector<PrefixOffer>> prefixOffers;
  std::vector<std::string> waitLabels;
  std::vector<std::pair<std::uint64_t, std::uint64_t>> progress;  // the bytes copied, of all
  bool waitShown = false;

  int ShowMessage(const std::string& text, Buttons shown) override {
    texts.push_back(text);
    buttons.push_back(shown);
    if (shown == Buttons::Ok && answers.empty()) return AnswerOk;
    return Take(answers, static_cast<int>(AnswerCancel));
  }
  std::optional<std::string> ChooseFileToOpen(const FileDialogSetup& setup) override {
    openDialogs.push_back(setup);
    return Take(openChoices, {});
  }
  std::optional<std::string> ChooseFileToSave(const FileDialogSetup& setup) override {
    saveDialogs.push_back(setup);
    return Take(saveChoices, {});
  }
  std::optional<int> PopupTrackMenu(bool atPosition, const std::array<bool, 3>& checks) override {
    menusOpened.push_back(atPosition);
    menuChecks.push_back(checks);
    return Take(menuChoices, {});
  }
  void ShowWaitWindow(const std::string& label) override {
    waitLabels.push_back(label);
    waitShown = true;
  }
  void ShowCopyProgress(std::uint64_t done, std::uint64_t all) override {
    EXPECT_TRUE(waitShown) << "progress without the wait window";
    progress.emplace_back(done, all);
  }
  void HideWaitWindow() override { waitShown = false; }
  std::optional<PrefixAnswer> ChoosePrefix(const std::vector<PrefixOffer>& offers) override {
    prefixOffers.push_back(offers);
    return Take(prefixChoices, {});
  }

 private:
  template <typename T>
  static T Take(std::deque<T>& queue, T whenEmpty) {
    if (queue.empty()) {
      ADD_FAILURE() << "a question without a scripted answer";
      return whenEmpty;
    }
    T front = std::move(queue.front());
    queue.pop_front();
    return front;
  }
};

}  // namespace kvpm::test
