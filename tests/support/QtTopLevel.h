#pragma once
// For the Qt tests: the program's windows that stand on their own.

#include <QApplication>
#include <QWidget>

namespace kvpm::testing {

// The top-level window of that object name, or nullptr.
inline QWidget* TopLevel(const QString& name) {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == name) return widget;
  }
  return nullptr;
}

}  // namespace kvpm::testing
