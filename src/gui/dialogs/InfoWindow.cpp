#include "gui/dialogs/InfoWindow.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QWindow>

namespace kvpm {

InfoWindow::InfoWindow(QWidget* mainWindow, bool& mainWindowEnabled, const QString& objectName,
                       const QString& caption)
    // Without a parent: a disabled parent would disable this window too.
    : QDialog(nullptr), mainWindow_(mainWindow), mainWindowEnabled_(mainWindowEnabled) {
  setObjectName(objectName);
  setWindowTitle(caption);
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
}

void InfoWindow::ShowInFront() {
  mainWindowEnabled_ = false;
  if (mainWindow_ != nullptr) {
    mainWindow_->setEnabled(false);
    if (!placed_) {
      adjustSize();
      move(mainWindow_->frameGeometry().center() - rect().center());
      placed_ = true;
    }
    // Owned by the main window's native window, this one stays above it: a
    // click on the disabled main window cannot raise it over this one.
    winId();
    windowHandle()->setTransientParent(mainWindow_->windowHandle());
  }
  show();
  raise();
  activateWindow();
}

QPushButton* InfoWindow::MakeOkButton() {
  auto* button = new QPushButton("OK", this);
  button->setObjectName("cmdOK");
  button->setDefault(true);
  connect(button, &QPushButton::clicked, this, &InfoWindow::Dismiss);
  return button;
}

void InfoWindow::reject() { Dismiss(); }

void InfoWindow::closeEvent(QCloseEvent* event) {
  closed_ = true;
  Dismiss();
  event->accept();
}

void InfoWindow::Dismiss() {
  hide();
  mainWindowEnabled_ = true;
  if (mainWindow_ == nullptr) return;
  mainWindow_->setEnabled(true);
  mainWindow_->raise();
  mainWindow_->activateWindow();
}

}  // namespace kvpm
