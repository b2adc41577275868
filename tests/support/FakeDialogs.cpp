#include "support/FakeDialogs.h"

#include <gtest/gtest.h>

namespace kvpm::testing {

namespace {

template <typename T>
T TakeFront(std::deque<T>& queue, const T& whenEmpty, const char* what) {
  if (queue.empty()) {
    ADD_FAILURE() << "no scripted answer for " << what;
    return whenEmpty;
  }
  T front = queue.front();
  queue.pop_front();
  return front;
}

}  // namespace

int FakeDialogs::ShowMessage(const std::string& text, Buttons buttons) {
  messages.push_back({text, buttons});
  if (buttons == Buttons::Ok && answers.empty()) return AnswerOk;
  return TakeFront(answers, static_cast<int>(AnswerCancel), text.c_str());
}

std::optional<std::string> FakeDialogs::ChooseFileToOpen(const FileDialogSetup& setup) {
  openDialogs.push_back(setup);
  return TakeFront(openChoices, std::optional<std::string>(), "the open dialog");
}

std::optional<std::string> FakeDialogs::ChooseFileToSave(const FileDialogSetup& setup) {
  saveDialogs.push_back(setup);
  return TakeFront(saveChoices, std::optional<std::string>(), "the save dialog");
}

std::optional<int> FakeDialogs::PopupTrackMenu(bool atPosition) {
  menusOpened.push_back(atPosition);
  return TakeFront(menuChoices, std::optional<int>(), "the context menu");
}

void FakeDialogs::ShowWaitWindow(const std::string& label) {
  waitLabels.push_back(label);
  waitWindowShown = true;
}

void FakeDialogs::ShowCopyProgress(std::uint64_t done, std::uint64_t total) {
  EXPECT_TRUE(waitWindowShown) << "progress shown without the wait window";
  progress.emplace_back(done, total);
}

void FakeDialogs::HideWaitWindow() { waitWindowShown = false; }

std::vector<std::string> FakeDialogs::Texts() const {
  std::vector<std::string> texts;
  for (const ShownMessage& message : messages) texts.push_back(message.text);
  return texts;
}

}  // namespace kvpm::testing
