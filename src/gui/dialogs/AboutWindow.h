#pragma once
// frmAbout: the program's title, version, credits and where to report
// problems.

#include "gui/dialogs/InfoWindow.h"

namespace kvpm {

class AboutWindow : public InfoWindow {
  Q_OBJECT

 public:
  AboutWindow(QWidget* mainWindow, bool& mainWindowEnabled);
};

}  // namespace kvpm
