#include "gui/dialogs/QtInfoWindows.h"

#include "gui/dialogs/AboutWindow.h"
#include "gui/dialogs/HelpWindow.h"

namespace kvpm {

QtInfoWindows::QtInfoWindows(QWidget* mainWindow, bool& mainWindowEnabled)
    : mainWindow_(mainWindow), mainWindowEnabled_(mainWindowEnabled) {}

// The windows have no parent to take them along when the main window goes.
QtInfoWindows::~QtInfoWindows() {
  delete about_;
  delete help_;
}

void QtInfoWindows::ShowAbout() { Show(about_); }

void QtInfoWindows::ShowHelp() { Show(help_); }

template <typename Window>
void QtInfoWindows::Show(QPointer<Window>& window) {
  if (window == nullptr || window->Closed()) {
    window = new Window(mainWindow_, mainWindowEnabled_);
  }
  window->ShowInFront();
}

}  // namespace kvpm
