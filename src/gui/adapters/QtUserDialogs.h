#pragma once
// Message boxes, file dialogs, the context menu and the wait window of the
// real program.

#include <QPointer>
#include <functional>

#include "state/UserDialogs.h"

class QWidget;

namespace kvpm {

class WaitWindow;

class QtUserDialogs : public UserDialogs {
 public:
  // parent: the main window, owner of every dialog; popupMenu opens the
  // track list's context menu.
  using TrackMenu = std::function<std::optional<int>(bool, const std::array<bool, 3>&)>;
  QtUserDialogs(QWidget* parent, TrackMenu popupMenu);
  ~QtUserDialogs() override;

  int ShowMessage(const std::string& text, Buttons buttons) override;
  std::optional<std::string> ChooseFileToOpen(const FileDialogSetup& setup) override;
  std::optional<std::string> ChooseFileToSave(const FileDialogSetup& setup) override;
  std::optional<int> PopupTrackMenu(bool atPosition, const std::array<bool, 3>& checks) override;
  void ShowWaitWindow(const std::string& label) override;
  void ShowCopyProgress(std::uint64_t done, std::uint64_t total) override;
  void HideWaitWindow() override;
  std::optional<PrefixAnswer> ChoosePrefix(const std::vector<PrefixOffer>& offers) override;

 private:
  std::optional<std::string> ChooseFile(const FileDialogSetup& setup, bool save);

  QWidget* parent_;
  TrackMenu popupMenu_;
  QPointer<WaitWindow> waitWindow_;
};

}  // namespace kvpm
