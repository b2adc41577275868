#pragma once
// What frmAbout and frmHelp share: each stands in front of the main window
// as a modal dialog would, without being modal. Showing it disables the main
// window; its OK button (and Escape) hides it, enables the main window and
// gives it the focus. The close box does the same and destroys the window,
// so that it is built afresh when it is shown again.

#include <QDialog>
#include <QPointer>

class QCloseEvent;
class QPushButton;

namespace kvpm {

class InfoWindow : public QDialog {
  Q_OBJECT

 public:
  // mainWindowEnabled is the main window's recorded enabled state
  // (WindowControls::enabled), kept in step with the main window itself so
  // that showing the state again does not undo what this window did.
  InfoWindow(QWidget* mainWindow, bool& mainWindowEnabled, const QString& objectName,
             const QString& caption);

  // Disables the main window and shows this window in front of it, centred
  // over it when it was not shown before, and kept in front of it.
  void ShowInFront();

  // True once the close box closed it: it is on its way to being destroyed.
  bool Closed() const { return closed_; }

  void reject() override;

 protected:
  // The button cmdOK, "OK", which dismisses the window.
  QPushButton* MakeOkButton();

  void closeEvent(QCloseEvent* event) override;

 private:
  void Dismiss();

  QPointer<QWidget> mainWindow_;
  bool& mainWindowEnabled_;
  bool placed_ = false;
  bool closed_ = false;
};

}  // namespace kvpm
