#pragma once
// Everything the program asks of the user or shows in a window of its own
// passes through this interface: the Qt program shows real message boxes and
// file dialogs, tests answer from a script and record every text.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kvpm {

enum class Buttons { Ok, OkCancel, YesNoCancel, RetryCancel };

// Message box answers, with the platform's numbers.
enum Answer : int { AnswerOk = 1, AnswerCancel = 2, AnswerRetry = 4, AnswerYes = 6, AnswerNo = 7 };

struct FileDialogSetup {
  std::string title;
  std::string filter;            // "KVPM Playlist Files (*.kvl) | *.kvl"
  std::string defaultExtension;  // "kvl": added to a name typed without extension
  // "": the user's documents folder. An open dialog starts in the folder
  // when it exists, a save dialog when the user may write there; else in
  // the user's documents folder.
  std::string initialFolder;
  std::string fileName;
};

// A Wine prefix that holds the game, as the prefix chooser lists it.
struct PrefixOffer {
  std::string launcher;
  std::string folder;
  std::string gameFolder;
};

struct PrefixAnswer {
  std::size_t index;  // into the offers
  bool remember;      // "Remember this choice"
};

class UserDialogs {
 public:
  virtual ~UserDialogs() = default;

  // A message box titled with the program's title, without icon.
  virtual int ShowMessage(const std::string& text, Buttons buttons) = 0;

  // The chosen full path, or nothing when the user cancelled.
  virtual std::optional<std::string> ChooseFileToOpen(const FileDialogSetup& setup) = 0;
  virtual std::optional<std::string> ChooseFileToSave(const FileDialogSetup& setup) = 0;

  // Opens the track list's context menu with the check marks of its three
  // items (by slot) beside the current item when atPosition, else at the
  // mouse pointer. Returns the chosen slot, or nothing when the menu was
  // dismissed.
  virtual std::optional<int> PopupTrackMenu(bool atPosition, const std::array<bool, 3>& checks) = 0;

  // The wait window of a soundtrack copy: the main window is hidden while it
  // shows; ShowCopyProgress keeps it painted between chunks.
  virtual void ShowWaitWindow(const std::string& label) = 0;
  virtual void ShowCopyProgress(std::uint64_t done, std::uint64_t total) = 0;
  virtual void HideWaitWindow() = 0;

  // Several Wine prefixes hold the game: the one the user chooses, or
  // nothing when the user cancelled (the program then ends).
  virtual std::optional<PrefixAnswer> ChoosePrefix(const std::vector<PrefixOffer>& offers) = 0;
};

}  // namespace kvpm
