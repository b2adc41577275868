#include "gui/dialogs/WaitWindow.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include "app/AboutTexts.h"
#include "gui/adapters/QtText.h"

namespace kvpm {

namespace {
constexpr int kProgressSteps = 1000;
}

WaitWindow::WaitWindow(QWidget* parent) : QDialog(parent) {
  setObjectName("frmWait");
  setWindowTitle(ToQt(kProgramTitle));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

  label1_ = new QLabel(this);
  label1_->setObjectName("Label1");
  auto* label2 = new QLabel(
      "This may take a few minutes, depending on the speed of your CD drive and hard disk.", this);
  label2->setObjectName("Label2");
  label2->setWordWrap(true);
  progress_ = new QProgressBar(this);
  progress_->setRange(0, kProgressSteps);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label1_);
  layout->addWidget(label2);
  layout->addWidget(progress_);
  setMinimumWidth(380);
}

void WaitWindow::Start(const QString& label1) {
  label1_->setText(label1);
  progress_->setValue(0);
  show();
  raise();
}

void WaitWindow::SetProgress(std::uint64_t done, std::uint64_t total) {
  const std::uint64_t step = total == 0 ? kProgressSteps : done * kProgressSteps / total;
  progress_->setValue(static_cast<int>(std::min<std::uint64_t>(step, kProgressSteps)));
}

// The copy cannot be stopped halfway: the window neither closes nor reacts to Escape.
void WaitWindow::closeEvent(QCloseEvent* event) { event->ignore(); }

void WaitWindow::keyPressEvent(QKeyEvent* event) { event->ignore(); }

}  // namespace kvpm
