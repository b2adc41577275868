#pragma once
// frmWait: shown instead of the main window while a soundtrack archive is
// copied from a CD, with the copy's progress.

#include <QDialog>
#include <cstdint>

class QLabel;
class QProgressBar;

namespace kvpm {

class WaitWindow : public QDialog {
  Q_OBJECT

 public:
  explicit WaitWindow(QWidget* parent);

  void Start(const QString& label1);
  void SetProgress(std::uint64_t done, std::uint64_t total);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QLabel* label1_;
  QProgressBar* progress_;
};

}  // namespace kvpm
