#pragma once
// frmHelp: the answers to the most common questions about the program.

#include "gui/dialogs/InfoWindow.h"

namespace kvpm {

class HelpWindow : public InfoWindow {
  Q_OBJECT

 public:
  HelpWindow(QWidget* mainWindow, bool& mainWindowEnabled);
};

}  // namespace kvpm
