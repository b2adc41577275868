#pragma once
// frmMain: builds the controls, forwards the user's actions to the program's
// procedures and shows the state they leave behind.

#include <QMainWindow>
#include <array>
#include <memory>
#include <optional>

#include "gui/adapters/QtUserDialogs.h"
#include "gui/dialogs/QtInfoWindows.h"
#include "state/MainState.h"

class QAction;
class QCheckBox;
class QMenu;
class QPushButton;

namespace kvpm {

class SlotPanel;
class SoundtrackPanel;
class TrackSelectionPanel;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // dialogs: the user's side of every question; the real program passes
  // nothing and gets message boxes, tests pass a scripted stand-in.
  explicit MainWindow(UserDialogs* dialogs = nullptr);
  ~MainWindow() override;

  // Runs the start-up sequence and shows the window. False when the program
  // must end (the game is not installed). givenPrefix: the command line's
  // Wine prefix, or "".
  bool Start(const std::string& programFolder, const std::string& givenPrefix = "");

  MainState& State() { return state_; }

  // Shows the state on the controls; called after every action.
  void ShowState();

  // Ends the program at once: every window closes, nothing is saved or asked.
  void EndProgram();

 signals:
  void Ending();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildControls();
  void BuildMenus();
  void Connect();
  std::optional<int> PopupTrackMenu(bool atPosition, const std::array<bool, 3>& checks);

  // Runs an action of the program and shows what it changed.
  template <typename Action>
  void Act(Action action);

  std::unique_ptr<QtUserDialogs> qtDialogs_;
  MainState state_;
  QtInfoWindows infoWindows_{this, state_.controls.enabled};

  SoundtrackPanel* soundtrackPanel_ = nullptr;
  TrackSelectionPanel* trackPanel_ = nullptr;
  std::array<SlotPanel*, 3> slotPanels_{};
  QCheckBox* cboxMusic_ = nullptr;
  QCheckBox* cboxShuffle_ = nullptr;
  QPushButton* cmdActivate_ = nullptr;

  QAction* menuDisable_ = nullptr;
  std::array<QAction*, 10> menuFile_{};
  QAction* menuLine4_ = nullptr;
  QMenu* menuRc_ = nullptr;
  std::array<QAction*, 3> slotActions_{};
};

}  // namespace kvpm
