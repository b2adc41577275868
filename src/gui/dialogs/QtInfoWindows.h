#pragma once
// The main window's About and FAQ windows, reached through the Help menu and,
// on the first start, shown once after start-up:
//
//   QtInfoWindows infoWindows_{this, state_.controls.enabled};  // a member of frmMain
//   menu_help:  infoWindows_.ShowHelp();
//   menu_about: infoWindows_.ShowAbout();
//
// Each window is made when first shown and kept while it is only hidden by
// its OK button; one closed by its close box is made afresh the next time.

#include <QPointer>

class QWidget;

namespace kvpm {

class AboutWindow;
class HelpWindow;

class QtInfoWindows {
 public:
  // mainWindow is disabled while either window is open; mainWindowEnabled is
  // its recorded state (WindowControls::enabled), kept in step with it. Both
  // must outlive this object.
  QtInfoWindows(QWidget* mainWindow, bool& mainWindowEnabled);
  ~QtInfoWindows();
  QtInfoWindows(const QtInfoWindows&) = delete;
  QtInfoWindows& operator=(const QtInfoWindows&) = delete;

  // Disable the main window and show the window in front of it; both return
  // while the window is open.
  void ShowAbout();
  void ShowHelp();

 private:
  template <typename Window>
  void Show(QPointer<Window>& window);

  QWidget* mainWindow_;
  bool& mainWindowEnabled_;
  QPointer<AboutWindow> about_;
  QPointer<HelpWindow> help_;
};

}  // namespace kvpm
